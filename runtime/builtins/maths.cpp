// Numbers: absolute values, signs, the standard functions, random numbers,
// Max, Min, Calc and the line walk of Inline.
#include "arguments.h"
#include "groups.h"
#include "line_walk.h"
#include "report.h"

#include <cmath>
#include <cstdlib>

namespace {

ValueKind standardFunction(Interp& in, int32_t code) {
    const double x = floatArg(in, 0);
    double r = 0.0;
    switch (code) {
        case 72: r = std::sqrt(x); break;
        case 73: r = std::sin(x); break;
        case 74: r = std::cos(x); break;
        case 75: r = std::tan(x); break;
        case 76: r = std::asin(x); break;
        case 77: r = std::acos(x); break;
        case 78: r = std::atan(x); break;
        default: break;  // 79 has no keyword and gives 0.0
    }
    return returnFloat(in, static_cast<float>(r));
}

// seed := (seed * 32719 + 3) mod 32749; the seed never leaves 0..65535, so the
// product stays inside 32 bits.
ValueKind random(Interp& in) {
    const int32_t n = intArg(in, 0);
    if (n == 0) return returnInt(in, 0);
    in.randomSeed = (in.randomSeed * 32719 + 3) % 32749;
    return returnInt(in, in.randomSeed % n + 1);
}

}  // namespace

ValueKind mathsBuiltin(Interp& in, int32_t code) {
    switch (code) {
        case 66: {  // Abs: the most negative integer stays as it is
            const int32_t v = intArg(in, 0);
            return returnInt(in, v < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(v)) : v);
        }
        case 67: return returnFloat(in, std::fabs(floatArg(in, 0)));
        case 71: {
            const int32_t v = intArg(in, 0);
            return returnInt(in, (v > 0) - (v < 0));
        }
        case 72 ... 79: return standardFunction(in, code);
        case 80: return random(in);
        case 81: {
            const int32_t seed = intArg(in, 0) & 0xFFFF;
            in.randomSeed = seed == 0 ? 1 : seed;
            return ValueKind::None;
        }
        case 96:
            return returnInt(in, lineWalkSteps(intArg(in, 0), intArg(in, 1), intArg(in, 2), intArg(in, 3),
                                               intArg(in, 4), intArg(in, 5)));
        case 97: return returnInt(in, intArg(in, 1) > intArg(in, 0) ? intArg(in, 1) : intArg(in, 0));
        case 98: return returnFloat(in, floatArg(in, 1) > floatArg(in, 0) ? floatArg(in, 1) : floatArg(in, 0));
        case 99: return returnInt(in, intArg(in, 1) < intArg(in, 0) ? intArg(in, 1) : intArg(in, 0));
        case 100: return returnFloat(in, floatArg(in, 1) < floatArg(in, 0) ? floatArg(in, 1) : floatArg(in, 0));
        case 151: return returnInt(in, intArg(in, 0));
        default: return ValueKind::None;
    }
}
