// Source programs made from fuzz input: every byte picks a production, so that
// small changes to the input make small changes to the program, and most
// programs compile and reach the interpreter's deep paths (procedures,
// recursion, arrays, Data, loops, built-ins with any arguments).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

std::vector<std::string> generateProgram(std::span<const uint8_t> choices);
