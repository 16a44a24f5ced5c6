// Any program image, as anyone may hand one to orbrt: loaded, checked and run
// for a bounded number of statements.
#include "run_image.h"

#include "image.h"

#include <cstdlib>

#include <string_view>

namespace {

// The decoder at every position of a loaded image, not only where the scan
// starts codes: a damaged image can lead the evaluator into the middle of one.
void decodeEverywhere(std::string_view text) {
    Image image;
    if (loadImageText(text, image)) return;
    for (uint32_t pos = 0; pos <= image.length + 1; ++pos) {
        uint32_t next = 0;
        decodeCode(image, pos, next);
        if (next < pos || (pos < image.length && next > image.length + 16)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decodeEverywhere(std::string_view(reinterpret_cast<const char*>(data), size));
    runImageText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
