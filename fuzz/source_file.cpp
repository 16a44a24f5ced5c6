// Source files as editors write them: any bytes as a document and, the same
// bytes, as an Include file. Decoding keeps every line end (CR, LF, CR LF
// count once each), leaves no CR, and either compile ends in an image or a
// compile error, never in a crash.
#include "build_pipeline.h"
#include "compile_program.h"
#include "image_writer.h"
#include "source_text.h"
#include "work_folder.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string_view>

namespace {

std::size_t lineEnds(std::string_view bytes) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))) ++count;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const SourceText decoded = decodeSourceText(bytes);
    std::string_view body = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    if (decoded.text.find('\r') != std::string::npos) std::abort();
    if (std::size_t(std::count(decoded.text.begin(), decoded.text.end(), '\n')) != lineEnds(body)) std::abort();
    if (decoded.text.size() > body.size()) std::abort();
    if (decoded.badLine < 0 || std::size_t(decoded.badLine) > lineEnds(body) + 1) std::abort();

    ImageWriter document;
    compileProgram(document, splitSourceLines(decoded.text), fuzzWorkFolder());

    const std::string& folder = fuzzWorkFolder();
    std::ofstream(folder + "/a.inc", std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(size));
    ImageWriter included;
    compileProgram(included, {"Include \"a.inc\""}, folder);
    return 0;
}
