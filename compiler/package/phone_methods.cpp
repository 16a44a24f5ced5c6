#include "phone_methods.h"

#include "keyword_table.h"

#include <string_view>

namespace {

// The parameter kinds of a signature, without the "+" that lets TO end one.
std::string parameterKinds(std::string_view signature) {
    std::string kinds;
    for (char c : signature.substr(2))
        if (c != '+') kinds += c;
    return kinds;
}

std::string_view javaType(char kind) {
    switch (kind) {
        case '1': return "I";
        case '2': return "F";
        case '3': return "Ljava/lang/String;";
        default: return "V";
    }
}

std::string_view kindWord(char kind) {
    switch (kind) {
        case '1': return "Int";
        case '2': return "Float";
        default: return "String";
    }
}

}  // namespace

PhoneMethod builtinMethod(int code) {
    const Keyword& k = keywordTable[code];
    const std::string parameters = parameterKinds(k.signature);
    const char result = k.signature[1];
    PhoneMethod m{"b" + std::string(k.name), "("};
    for (int other = firstBuiltinCode; other < keywordCount; ++other) {
        const Keyword& o = keywordTable[other];
        if (other != code && o.name == k.name && parameterKinds(o.signature) == parameters) {
            m.name += kindWord(result);
            break;
        }
    }
    for (char p : parameters) m.descriptor += javaType(p);
    m.descriptor += ")";
    m.descriptor += javaType(result);
    return m;
}
