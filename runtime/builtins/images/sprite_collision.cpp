// SpriteCol: box overlap, then with pixel collisions on a count of opaque
// pixel pairs over the part of b that a corner of a reaches into. The count
// starts from a's corner, so SpriteCol a, b and b, a can differ.
#include "sprites.h"

#include <algorithm>

namespace {

// Positions are 32-bit but their sums with sizes are taken in 64 bits.
struct Box {
    int64_t x, y, w, h;
};

// A frame's pixel at (column, row) of the frame, read inside its parent's
// picture; outside the frame it is transparent.
bool opaqueAt(const ResolvedPicture& p, int64_t column, int64_t row) {
    if (column < 0 || row < 0 || column >= p.width || row >= p.height) return false;
    return isOpaque(pixelOrTransparent(*p.image, static_cast<int32_t>(p.x + column), static_cast<int32_t>(p.y + row)));
}

enum class Corner { none, topLeft, topRight, bottomRight, bottomLeft };

Corner cornerOfAInsideB(const Box& a, const Box& b) {
    const bool rightEdgeInside = b.x <= a.x + a.w && a.x + a.w <= b.x + b.w;
    if (a.y >= b.y && b.x <= a.x && a.x < b.x + b.w && a.y <= b.y + b.h) return Corner::topLeft;
    if (a.y >= b.y && rightEdgeInside && a.y <= b.y + b.h) return Corner::topRight;
    if (a.y + a.h >= b.y && rightEdgeInside && a.y + a.h <= b.y + b.h) return Corner::bottomRight;
    if (a.y + a.h >= b.y && b.x <= a.x && a.x <= b.x + b.w && a.y + a.h <= b.y + b.h) return Corner::bottomLeft;
    return Corner::none;
}

// Where the compared strip starts in a and in b along one axis, and its length.
struct Span {
    int64_t inA = 0, inB = 0, length = 0;
};

// a's near edge (left or top) lies inside b.
Span nearEdgeSpan(int64_t a, int64_t aSize, int64_t b, int64_t bSize) { return {0, a - b, std::min(aSize, bSize - (a - b))}; }

// a's far edge (right or bottom) lies inside b.
Span farEdgeSpan(int64_t a, int64_t aSize, int64_t b) {
    if (a < b) return {b - a, 0, a + aSize - b};
    return {0, a - b, aSize};
}

}  // namespace

ImageResult spriteCol(const Sprites& sp, const ImageSlots& slots, int32_t a, int32_t b, int32_t& result) {
    result = 0;
    if (a < 1 || a > spriteCount || b < 1 || b > spriteCount) return RunError::OutOfRange;
    const SpriteEntry& sa = sp.table[static_cast<std::size_t>(a - 1)];
    const SpriteEntry& sb = sp.table[static_cast<std::size_t>(b - 1)];
    if (!sa.on || !sb.on) return std::nullopt;
    ResolvedPicture pa, pb;
    if (resolvePicture(slots, sa.image, pa) || resolvePicture(slots, sb.image, pb)) return std::nullopt;

    const Box boxA{sa.x, sa.y, pa.width, pa.height};
    const Box boxB{sb.x, sb.y, pb.width, pb.height};
    // Touching edges do not collide.
    const bool overlap = boxA.x < boxB.x + boxB.w && boxA.y < boxB.y + boxB.h && boxB.x < boxA.x + boxA.w && boxB.y < boxA.y + boxA.h;
    if (!overlap) return std::nullopt;
    if (!sp.pixelCollision) {
        result = 1;
        return std::nullopt;
    }

    const Corner corner = cornerOfAInsideB(boxA, boxB);
    if (corner == Corner::none) return std::nullopt;
    const bool leftCorner = corner == Corner::topLeft || corner == Corner::bottomLeft;
    const bool topCorner = corner == Corner::topLeft || corner == Corner::topRight;
    const Span columns = leftCorner ? nearEdgeSpan(boxA.x, boxA.w, boxB.x, boxB.w) : farEdgeSpan(boxA.x, boxA.w, boxB.x);
    const Span rows = topCorner ? nearEdgeSpan(boxA.y, boxA.h, boxB.y, boxB.h) : farEdgeSpan(boxA.y, boxA.h, boxB.y);

    int32_t pairs = 0;
    for (int64_t r = 0; r < rows.length; ++r)
        for (int64_t c = 0; c < columns.length; ++c)
            if (opaqueAt(pa, columns.inA + c, rows.inA + r) && opaqueAt(pb, columns.inB + c, rows.inB + r)) ++pairs;
    result = pairs;
    return std::nullopt;
}
