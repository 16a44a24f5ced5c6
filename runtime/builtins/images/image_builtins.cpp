// Image and sprite built-ins and the `z0`/`z1` loads, handed to the image module.
#include "arguments.h"
#include "draw_image.h"
#include "groups.h"
#include "images.h"
#include "modules.h"
#include "report.h"

namespace {

ValueKind reportIfFailed(Interp& in, ImageResult result) {
    if (result) report(in, *result);
    return ValueKind::None;
}

ValueKind returnOrReport(Interp& in, ImageResult result, int32_t value) {
    if (result) return reportIfFailed(in, result);
    return returnInt(in, value);
}

}  // namespace

ValueKind imageBuiltin(Interp& in, Builtin code) {
    Images& images = in.modules->images;
    Sprites& sp = images.sprites;
    Screen& screen = in.modules->emulator.screen;
    const int32_t a = intArg(in, 0), b = intArg(in, 1);
    int32_t value = 0;
    switch (code) {
        case Builtin::Priority: sp.priority = a > 0; return ValueKind::None;
        case Builtin::Sprite: return reportIfFailed(in, sprite(sp, images.slots, a, b, intArg(in, 2), intArg(in, 3)));
        case Builtin::DrawImage: return reportIfFailed(in, drawImage(images.slots, screen, a, b, intArg(in, 2)));
        case Builtin::SpriteCol: {
            const ImageResult result = spriteCol(sp, images.slots, a, b, value);
            return returnOrReport(in, result, value);
        }
        case Builtin::PixelCollision: sp.pixelCollision = a > 0; return ValueKind::None;
        case Builtin::SpriteOn: return reportIfFailed(in, spriteSwitch(sp, a, true));
        case Builtin::SpriteOff: return reportIfFailed(in, spriteSwitch(sp, a, false));
        case Builtin::SpriteX: {
            const ImageResult result = spriteX(sp, a, value);
            return returnOrReport(in, result, value);
        }
        case Builtin::SpriteY: {
            const ImageResult result = spriteY(sp, a, value);
            return returnOrReport(in, result, value);
        }
        case Builtin::SpritePosition: return reportIfFailed(in, spritePosition(sp, a, b, intArg(in, 2)));
        case Builtin::SpriteClip:
            spriteClip(sp, a, b, intArg(in, 2), intArg(in, 3), screen.width, screen.height);
            return ValueKind::None;
        default: return ValueKind::None;
    }
}

void loadImageResource(Interp& in, char kind, const int32_t (&numbers)[4], const std::string& fileName) {
    Images& images = in.modules->images;
    const int32_t frames = kind == '1' ? numbers[1] : 0;
    reportIfFailed(in, loadImages(images.slots, images.files, fileName, numbers[0], frames, numbers[2], numbers[3]));
}
