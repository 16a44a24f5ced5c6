// Numbers: absolute values, signs, the standard functions, random numbers,
// Max, Min, Calc and the line walk of Inline.
#include "arguments.h"
#include "groups.h"
#include "line_walk.h"
#include "report.h"

#include <cmath>
#include <cstdlib>

namespace {

ValueKind standardFunction(Interp& in, Builtin code) {
    const double x = floatArg(in, 0);
    double r = 0.0;
    switch (code) {
        case Builtin::Sqrt: r = std::sqrt(x); break;
        case Builtin::Sin: r = std::sin(x); break;
        case Builtin::Cos: r = std::cos(x); break;
        case Builtin::Tan: r = std::tan(x); break;
        case Builtin::Asin: r = std::asin(x); break;
        case Builtin::Acos: r = std::acos(x); break;
        case Builtin::Atan: r = std::atan(x); break;
        default: break;  // Reserved79 gives 0.0
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

ValueKind mathsBuiltin(Interp& in, Builtin code) {
    switch (code) {
        case Builtin::Abs: {  // the most negative integer stays as it is
            const int32_t v = intArg(in, 0);
            return returnInt(in, v < 0 ? static_cast<int32_t>(0u - static_cast<uint32_t>(v)) : v);
        }
        case Builtin::AbsFloat: return returnFloat(in, std::fabs(floatArg(in, 0)));
        case Builtin::Sgn: {
            const int32_t v = intArg(in, 0);
            return returnInt(in, (v > 0) - (v < 0));
        }
        case Builtin::Sqrt: case Builtin::Sin: case Builtin::Cos: case Builtin::Tan: case Builtin::Asin:
        case Builtin::Acos: case Builtin::Atan: case Builtin::Reserved79:
            return standardFunction(in, code);
        case Builtin::Rnd: return random(in);
        case Builtin::Randomize: {
            const int32_t seed = intArg(in, 0) & 0xFFFF;
            in.randomSeed = seed == 0 ? 1 : seed;
            return ValueKind::None;
        }
        case Builtin::Inline:
            return returnInt(in, lineWalkSteps(intArg(in, 0), intArg(in, 1), intArg(in, 2), intArg(in, 3),
                                               intArg(in, 4), intArg(in, 5)));
        case Builtin::Max: return returnInt(in, intArg(in, 1) > intArg(in, 0) ? intArg(in, 1) : intArg(in, 0));
        case Builtin::MaxFloat:
            return returnFloat(in, floatArg(in, 1) > floatArg(in, 0) ? floatArg(in, 1) : floatArg(in, 0));
        case Builtin::Min: return returnInt(in, intArg(in, 1) < intArg(in, 0) ? intArg(in, 1) : intArg(in, 0));
        case Builtin::MinFloat:
            return returnFloat(in, floatArg(in, 1) < floatArg(in, 0) ? floatArg(in, 1) : floatArg(in, 0));
        case Builtin::Calc: return returnInt(in, intArg(in, 0));
        default: return ValueKind::None;
    }
}
