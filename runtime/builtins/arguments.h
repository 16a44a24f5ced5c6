// Reading the current call's argument slots inside a built-in.
#pragma once

#include "interp.h"

#include <string_view>

inline int32_t intArg(const Interp& in, int k) { return in.arguments->ints[k]; }
inline float floatArg(const Interp& in, int k) { return in.arguments->floats[k]; }
// A null string slot reads as the empty text.
inline std::string_view stringArg(const Interp& in, int k) {
    return in.arguments->hasString[k] ? std::string_view(in.arguments->strings[k]) : std::string_view();
}

inline ValueKind returnInt(Interp& in, int32_t v) {
    in.result.i = v;
    return ValueKind::Integer;
}
inline ValueKind returnFloat(Interp& in, float v) {
    in.result.f = v;
    return ValueKind::Float;
}
// The result register holds at most registerLength characters.
inline ValueKind returnString(Interp& in, std::string_view v) {
    in.result.s.assign(v.substr(0, registerLength));
    return ValueKind::String;
}
