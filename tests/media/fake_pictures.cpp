#include "fake_pictures.h"

Picture filledPicture(int32_t width, int32_t height, uint32_t argb) {
    return {width, height, std::vector<uint32_t>(static_cast<std::size_t>(width * height), argb)};
}

TexturePtr FakePictureFiles::loadTexture(const std::string& file) {
    if (!files.count(file)) return nullptr;
    auto cached = cache.find(file);
    if (cached != cache.end() && liveTextures.count(cached->second)) return cached->second;
    const TexturePtr texture = reinterpret_cast<TexturePtr>(&textureAddresses[nextTexture++]);
    cache[file] = texture;
    liveTextures.insert(texture);
    return texture;
}

std::optional<Picture> FakePictureFiles::loadPicture(const std::string& file) {
    auto found = files.find(file);
    if (found == files.end()) return std::nullopt;
    return found->second;
}

void FakePictureFiles::removeTexture(TexturePtr texture) {
    liveTextures.erase(texture);
    ++removed;
}
