// Random source programs through the compiler and, when they compile, through
// the interpreter: the compiler as a generator of images that reach deep paths.
#include "compile_program.h"
#include "image_writer.h"
#include "program_generator.h"
#include "run_image.h"
#include "work_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ImageWriter writer;
    const CompileOutcome outcome = compileProgram(writer, generateProgram({data, size}), fuzzWorkFolder());
    if (outcome.fault.code == 0) runImageText(writer.text);
    return 0;
}
