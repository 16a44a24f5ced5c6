#include "trailer.h"

#include <cstdio>

std::string trailerRecords(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                           int lastProcedure) {
    const std::pair<const char*, int> records[] = {
        {"w1", s.screenWidth}, {"w2", s.screenHeight}, {"w3", s.orientation}, {"w4", s.orientationNotFixed},
        {"w5", s.touchScreen}, {"w6", s.joypadUsed},   {"w7", lastLabel},     {"w8", trueTargets},
        {"w9", falseTargets},  {"wA", lastProcedure},  {"wx", 11}};
    std::string text;
    for (auto [code, value] : records) {
        char field[24];
        std::snprintf(field, sizeof field, "%s%.4d", code, value);
        text += field;
    }
    return text;
}
