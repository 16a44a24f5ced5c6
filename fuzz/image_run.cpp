// Any program image, as anyone may hand one to orbrt: loaded, checked and run
// for a bounded number of statements.
#include "run_image.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    runImageText(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
