// The keyword table: statement keywords and built-ins with their signatures,
// and the `Builtin` codes, all generated from the keyword list. A keyword's
// position is its built-in code in the program image and in the runtime's
// dispatcher, and the word list of the editor's colouring.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct Keyword {
    std::string_view name;       // empty: a reserved number no source word reaches
    std::string_view signature;  // kind, result, then parameter types; "+" lets TO end the next one
};

inline constexpr int firstBuiltinCode = 66;  // 0..65 are statement keywords

// The built-ins by name: `Builtin::Sqrt` is code 72.
enum class Builtin : int32_t {
#define ORB_STATEMENT(code, identifier, name, signature)
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) identifier = code,
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
};

inline constexpr int keywordCount = 0
#define ORB_STATEMENT(code, identifier, name, signature) +1
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) +1
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
    ;
static_assert(keywordCount == 224);

// Every line's code is its position, statements before built-ins: a line
// inserted, removed or moved stops the build.
static_assert([] {
    struct Line {
        int code;
        bool statement;
    };
    constexpr Line lines[] = {
#define ORB_STATEMENT(code, identifier, name, signature) {code, true},
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) {code, false},
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
    };
    for (int i = 0; i < keywordCount; ++i)
        if (lines[i].code != i || lines[i].statement != (i < firstBuiltinCode)) return false;
    return true;
}());

inline constexpr std::array<Keyword, keywordCount> keywordTable = {{
#define ORB_STATEMENT(code, identifier, name, signature) {name, signature},
#define ORB_BUILTIN(code, identifier, name, signature, group, waits) {name, signature},
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
}};
