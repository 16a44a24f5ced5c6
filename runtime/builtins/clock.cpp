// Pause and the local clock: Timer, Date, Month, Year, Time, Hour, Minute,
// Second and Day.
#include "arguments.h"
#include "groups.h"
#include "modules.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

struct LocalTime {
    std::tm tm;
    int32_t milliseconds;
};

LocalTime now() {
    const auto t = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(t);
    LocalTime local{};
    localtime_r(&seconds, &local.tm);
    local.milliseconds = static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000);
    return local;
}

constexpr const char* weekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

}  // namespace

ValueKind clockBuiltin(Interp& in, Builtin code) {
    if (code == Builtin::Pause) {
        // Without the modules (the interpreter benchmarks) there is no device timer to wait on.
        if (in.modules && intArg(in, 0) >= 1) in.modules->emulator.clock.sleepMs(intArg(in, 0));
        return ValueKind::None;
    }
    const LocalTime t = now();
    char text[64];
    switch (code) {
        case Builtin::Timer: return returnInt(in, t.milliseconds);
        case Builtin::Date: return returnInt(in, t.tm.tm_mday);
        case Builtin::Month: return returnInt(in, t.tm.tm_mon + 1);
        case Builtin::Year: return returnInt(in, t.tm.tm_year + 1900);
        case Builtin::DateString:
            std::snprintf(text, sizeof text, "%.2d/%d/%.4d", t.tm.tm_mday, t.tm.tm_mon + 1, t.tm.tm_year + 1900);
            return returnString(in, text);
        case Builtin::Time:
            std::snprintf(text, sizeof text, "%.2d:%.2d:%.2d", t.tm.tm_hour, t.tm.tm_min, t.tm.tm_sec);
            return returnString(in, text);
        case Builtin::Hour: return returnInt(in, t.tm.tm_hour);
        case Builtin::Minute: return returnInt(in, t.tm.tm_min);
        case Builtin::Second: return returnInt(in, t.tm.tm_sec);
        case Builtin::Day: return returnString(in, weekdays[t.tm.tm_wday]);
        default: return ValueKind::None;
    }
}
