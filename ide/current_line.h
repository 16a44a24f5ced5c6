// The background of the caret's line: the text background moved a little
// towards the middle grey, so that it shows on light and dark backgrounds alike
// and the syntax colours on it stay as readable as on the rest of the text.
#pragma once

// Colours are 0x00BBGGRR, as in the settings.
constexpr int currentLineBackground(int background) {
    int result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = (background >> shift) & 0xFF;
        const int moved = channel >= 128 ? channel - 14 : channel + 22;
        result |= moved << shift;
    }
    return result;
}
