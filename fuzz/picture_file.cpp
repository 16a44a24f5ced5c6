// Any bytes as the picture file of LoadImage and LoadMultiImage, read through
// the engine's image loaders: either "Failed to load image" or a picture whose
// pixels are all there, cut into frames that start inside it.
#include "engine_picture_files.h"
#include "work_folder.h"

#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

constexpr int32_t frameSize = 16;
constexpr int32_t frameCount = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzWorkFolder() + "/picture.png";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    check(f && std::fwrite(data, 1, size, f) == size && std::fclose(f) == 0);

    EnginePictureFiles files;
    ImageSlots slots;
    if (const ImageResult r = loadImages(slots, files, path, 1, 0, 0, 0)) {
        check(*r == RunError::FailedToLoadImage);
        return 0;
    }
    ResolvedPicture whole;
    check(!resolvePicture(slots, 0, whole) && whole.image != nullptr);
    const Picture& p = *whole.image;
    check(p.width >= 0 && p.height >= 0 && p.pixels.size() == size_t(p.width) * size_t(p.height));
    uint32_t opaque = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) opaque += isOpaque(p.at(x, y));
    check(opaque <= uint32_t(p.width) * uint32_t(p.height));

    // The same file again as a multi-image in slots 3 onwards.
    check(!loadImages(slots, files, path, 3, frameCount, frameSize, frameSize));
    for (int32_t index = 2; index < 2 + frameCount && isLoaded(slots, index); ++index) {
        ResolvedPicture frame;
        check(!resolvePicture(slots, index, frame) && frame.holder == 2);
        check(frame.x >= 0 && frame.y >= 0 && (frame.x < p.width || p.width == 0) && (frame.y < p.height || p.height == 0));
    }
    return 0;
}
