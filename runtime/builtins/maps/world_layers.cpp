#include "world_layers.h"

#include "map_draws.h"
#include "sprite_draws.h"

namespace {

void present(Presenter& p, const std::vector<PictureDraw>& draws) {
    for (const PictureDraw& d : draws) {
        const Rect source{d.sourceX, d.sourceY, d.sourceX + d.sourceWidth, d.sourceY + d.sourceHeight};
        const Rect clip{d.clip.x1, d.clip.y1, d.clip.x2, d.clip.y2};
        p.drawImage(*d.image, d.changed, source, Point{d.x, d.y}, clip, true);
    }
}

}  // namespace

void drawMapAndSprites(TileMap& m, Images& images, const Screen& s, Presenter& p, int margin) {
    const ScreenClip screen{s.width, s.height, s.clip.on, {s.clip.x1, s.clip.y1, s.clip.x2, s.clip.y2}};
    present(p, mapDraws(m, images.slots, screen, margin));
    present(p, spriteDraws(images.sprites, images.slots, screen, margin));
}
