// Finding a General MIDI sound font for MIDI music.
#pragma once

#include <optional>
#include <string>

// The first installed sound font of the usual places; empty when none is there.
std::optional<std::string> findSoundFont();
