#include "phone/zones.h"

#include <utility>

namespace {

ZoneRect* zoneSlot(Phone& phone, int zone) {
    if (zone < 1 || zone > zoneCount) return nullptr;
    return &phone.zones[static_cast<size_t>(zone - 1)];
}

std::optional<RunError> enable(Phone& phone, int zone, bool on) {
    ZoneRect* z = zoneSlot(phone, zone);
    if (!z) return RunError::OutOfRange;
    z->enabled = on;
    return std::nullopt;
}

}  // namespace

std::optional<RunError> setZone(Phone& phone, int zone, int x1, int y1, int x2, int y2) {
    ZoneRect* z = zoneSlot(phone, zone);
    if (!z) return RunError::OutOfRange;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    *z = ZoneRect{x1, y1, x2, y2, true};
    return std::nullopt;
}

std::optional<RunError> zoneOn(Phone& phone, int zone) { return enable(phone, zone, true); }
std::optional<RunError> zoneOff(Phone& phone, int zone) { return enable(phone, zone, false); }

int zoneAt(const Phone& phone, int x, int y) {
    for (int i = 0; i < zoneCount; ++i) {
        const ZoneRect& z = phone.zones[static_cast<size_t>(i)];
        if (z.enabled && x >= z.x1 && x <= z.x2 && y >= z.y1 && y <= z.y2) return i + 1;
    }
    return 0;
}
