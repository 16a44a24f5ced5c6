// Vibration: the error strip alternates two pictures every 200 ms for the
// requested time.
#pragma once

#include <cstdint>
#include <optional>

#include "errors.h"
#include "phone/phone.h"

inline constexpr uint32_t vibrationFrameMs = 200;

std::optional<RunError> vibrate(Phone& phone, int ms, uint32_t nowMs);

// Each pump step: returns true when the error strip must be repainted.
bool vibrationStep(Phone& phone, uint32_t nowMs);
