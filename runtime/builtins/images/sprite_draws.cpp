#include "sprite_draws.h"

std::vector<PictureDraw> spriteDraws(const Sprites& sp, ImageSlots& slots, const ScreenClip& screen, int32_t margin) {
    const ScreenRect clip = layerClip(sp.clipOn, sp.clip, screen, margin);
    std::vector<PictureDraw> draws;
    for (const int i : spriteDrawOrder(sp)) {
        const SpriteEntry& s = sp.table[static_cast<std::size_t>(i)];
        ResolvedPicture p;
        if (!s.on || resolvePicture(slots, s.image, p) ) continue;
        // Sprite positions are screen positions: the screen offset does not move them.
        draws.push_back({p.image, firstDrawSinceLoad(slots, p.holder), p.x, p.y, p.width, p.height, margin + s.x, s.y, clip});
    }
    return draws;
}
