// Any source text, with two Include files beside it: the input is cut at its
// first two NUL bytes into the document, "a.inc" and "b.inc". Either it
// compiles, and the image it writes loads, or it ends in a compile error.
#include "compile_program.h"
#include "build_pipeline.h"
#include "image.h"
#include "image_writer.h"
#include "work_folder.h"

#include <cstdlib>
#include <fstream>
#include <string_view>

namespace {

void writeFile(const std::string& path, std::string_view content) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(content.data(), std::streamsize(content.size()));
}

// The part up to the next NUL, and the rest after it.
std::string_view cut(std::string_view& rest) {
    const size_t end = rest.find('\0');
    const std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view document = cut(rest);
    const std::string& folder = fuzzWorkFolder();
    writeFile(folder + "/a.inc", cut(rest));
    writeFile(folder + "/b.inc", cut(rest));

    ImageWriter writer;
    const CompileOutcome outcome = compileProgram(writer, splitSourceLines(document), folder);
    if (outcome.fault.code != 0) return 0;
    Image image;
    if (loadImageText(writer.text, image)) std::abort();  // the compiler wrote an image orbrt refuses
    return 0;
}
