// The game class's method for each built-in, derived from the keyword table:
// "b" and the keyword's name, with arguments and result as Java types. When
// two codes share name and parameters, the name ends with the result's kind.
#pragma once

#include <string>

struct PhoneMethod {
    std::string name;        // e.g. "bAbs", "bReadDataInt"
    std::string descriptor;  // e.g. "(I)I", "()Ljava/lang/String;"
};

PhoneMethod builtinMethod(int code);
