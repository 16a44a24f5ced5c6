// Checks a game class template against the places class patching relies on
// (template_layout.h). Used by the tests on the built thegc.dat.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One line per broken expectation; empty when the template fits.
std::vector<std::string> templateFaults(const std::vector<std::uint8_t>& bytes);
