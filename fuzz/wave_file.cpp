// Any bytes as a WAV file: either refused or read into a format record and
// sample bytes that lie inside the input.
#include "wave_file.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<WaveFile> wave = parseWave({data, size});
    if (wave && wave->data.size() + wave->format.extra.size() > size) std::abort();
    return 0;
}
