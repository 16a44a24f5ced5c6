#include "dispatch.h"

#include "groups.h"
#include "pump.h"
#include "phone/phone_builtins.h"
#include "screen/screen_builtins.h"

namespace {

// DoubleBuffer, the statement keywords and codes without a keyword.
ValueKind noneBuiltin(Interp&, Builtin) { return ValueKind::None; }

struct Handler {
    ValueKind (*carryOut)(Interp&, Builtin);
    bool waits;
};

// Indexed by code. A group named in the keyword list without its
// `groupBuiltin` function does not compile.
constexpr Handler handlers[keywordCount] = {
#define ORB_STATEMENT(code, identifier, name, signature) {noneBuiltin, false},
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) {group##Builtin, waits},
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
};

// Statement keywords are no calls; every built-in with a source word has
// something to do but DoubleBuffer, as the desktop always draws into a buffer.
constexpr bool handlersMatchTheKeywords() {
    for (int code = 0; code < keywordCount; ++code) {
        const bool handled = handlers[code].carryOut != noneBuiltin;
        if (code < firstBuiltinCode ? handled
                                    : !handled && !keywordTable[code].name.empty() && code != int(Builtin::DoubleBuffer))
            return false;
    }
    return true;
}
static_assert(handlersMatchTheKeywords());

}  // namespace

ValueKind dispatch(Interp& in, int32_t code) {
    in.result.i = 0;
    in.result.f = 0.0f;
    in.result.s.clear();
    if (code < 0 || code >= keywordCount) return ValueKind::None;
    const Handler& h = handlers[code];
    const ValueKind kind = h.carryOut(in, static_cast<Builtin>(code));
    if (h.waits && !in.stop) pumpAfterWait(in);
    return kind;
}

bool computesOnly(int32_t code) {
    if (code < 0 || code >= keywordCount) return false;
    const auto carryOut = handlers[code].carryOut;
    // Rnd and Randomize move the random seed.
    return carryOut == stringBuiltin ||
           (carryOut == mathsBuiltin && code != int(Builtin::Rnd) && code != int(Builtin::Randomize));
}

void printText(Interp& in, std::string_view text) { printOnScreen(in, text); }
