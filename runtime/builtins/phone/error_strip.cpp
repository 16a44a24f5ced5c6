#include "phone/error_strip.h"

ErrorStripText errorStripText(RunError error, int line) {
    return {" Error: " + std::string(message(error)),
            " Line " + std::to_string(line) + "         [Press any key]"};
}

std::string_view vibrationPicture(const Phone& phone) {
    if (!phone.vibration.vibrating) return "";
    return vibrationFrameFiles[phone.vibration.frame & 1];
}
