// Zones: up to 16 rectangles a program names to test touch positions against.
#pragma once

#include <optional>

#include "errors.h"
#include "phone/phone.h"

std::optional<RunError> setZone(Phone& phone, int zone, int x1, int y1, int x2, int y2);
std::optional<RunError> zoneOn(Phone& phone, int zone);
std::optional<RunError> zoneOff(Phone& phone, int zone);

// The lowest-numbered enabled zone holding (x, y), or 0.
int zoneAt(const Phone& phone, int x, int y);
