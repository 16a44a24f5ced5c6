// Pictures for the image tests, made in memory, and a PictureFiles that hands
// them out by file name.
#pragma once

#include "image_slots.h"

#include <map>
#include <string>

inline constexpr uint32_t opaqueRed = 0xffff0000u;
inline constexpr uint32_t opaqueBlue = 0xff0000ffu;
inline constexpr uint32_t halfGreen = 0x8000ff00u;

// A width x height picture filled with one ARGB value.
Picture filledPicture(int32_t width, int32_t height, uint32_t argb);

class FakePictureFiles : public PictureFiles {
public:
    std::map<std::string, Picture> files;

    std::optional<Picture> read(const std::string& file) override;
};
