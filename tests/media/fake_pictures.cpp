#include "fake_pictures.h"

Picture filledPicture(int32_t width, int32_t height, uint32_t argb) {
    return makeArgbImage(width, height, argb);
}

std::optional<Picture> FakePictureFiles::read(const std::string& file) {
    auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    return found->second;
}
