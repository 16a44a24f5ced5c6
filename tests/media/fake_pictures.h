// Pictures for the image tests, made in memory, and a PictureFiles that hands
// them out by file name with a texture of its own for each load.
#pragma once

#include "image_slots.h"

#include <map>
#include <set>
#include <string>

inline constexpr uint32_t opaqueRed = 0xffff0000u;
inline constexpr uint32_t opaqueBlue = 0xff0000ffu;
inline constexpr uint32_t halfGreen = 0x8000ff00u;

// A width x height picture filled with one ARGB value.
Picture filledPicture(int32_t width, int32_t height, uint32_t argb);

class FakePictureFiles : public PictureFiles {
public:
    std::map<std::string, Picture> files;
    std::set<TexturePtr> liveTextures;
    int removed = 0;

    TexturePtr loadTexture(const std::string& file) override;
    std::optional<Picture> loadPicture(const std::string& file) override;
    void removeTexture(TexturePtr texture) override;

private:
    // Textures are addresses inside this block; they are never dereferenced.
    char textureAddresses[4096] = {};
    std::map<std::string, TexturePtr> cache;  // one texture per file, like the driver
    int nextTexture = 0;
};
