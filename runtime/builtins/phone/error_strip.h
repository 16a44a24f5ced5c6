// The error strip below the screen: its pictures and the two lines it shows
// while an error waits for a key.
#pragma once

#include <string>
#include <string_view>

#include "errors.h"
#include "phone/phone.h"

inline constexpr std::string_view stripBackgroundFile = "background.bmp";
inline constexpr std::string_view vibrationFrameFiles[2] = {"background_vib1.bmp", "background_vib2.bmp"};
inline constexpr std::string_view rotButtonFile = "oributton.bmp";
inline constexpr std::string_view tiltButtonFile = "tiltbutton.bmp";
inline constexpr std::string_view tiltPanelFile = "slide1.bmp";
inline constexpr std::string_view sliderKnobFile = "slide2.bmp";

// Text positions in the strip.
inline constexpr Point errorMessageAt{1, 1};
inline constexpr Point errorLineAt{1, 15};

struct ErrorStripText {
    std::string message;  // " Error: " and the message
    std::string line;     // " Line " and the number, then the key prompt
};

ErrorStripText errorStripText(RunError error, int line);

// The vibration picture the strip shows at its left, or "" when still.
std::string_view vibrationPicture(const Phone& phone);
