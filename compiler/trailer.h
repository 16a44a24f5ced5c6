// The trailer that ends the program image and the phone package's data file:
// eleven six-character records, w1 to w9, wA and wx.
#pragma once

#include "program_settings.h"

#include <string>

std::string trailerRecords(const ProgramSettings& s, int lastLabel, int trueTargets, int falseTargets,
                           int lastProcedure);
