// Header statements: settings of the program and of its phone package.
#include "compile_messages.h"
#include "compiler.h"
#include "statement_keywords.h"
#include "statement_operands.h"

namespace {

constexpr std::size_t maxVendor = 50;
constexpr long long maxSetting = 9999;  // settings are written in four-digit trailer fields

int compileResolution(Compiler& c, bool& alreadySet, int& width, int& height) {
    if (alreadySet) return fail(c, ValueAlreadySet);
    long long w = 0;
    long long h = 0;
    if (int e = readConstant(c, ParameterMustBeNumber, w)) return e;
    if (c.cur->peek() != ',') return fail(c, MissingParameters);
    c.cur->advance();
    if (int e = readConstant(c, ParameterMustBeNumber, h)) return e;
    if (w < 96 || h < 54 || w > maxSetting || h > maxSetting) return fail(c, IllegalValue);
    alreadySet = true;
    width = int(w);
    height = int(h);
    return NoError;
}

int compileSwitch(Compiler& c, bool& alreadySet, int& setting) {
    if (alreadySet) return fail(c, ValueAlreadySet);
    long long n = 0;
    if (int e = readConstant(c, ParameterMustBeNumber, n)) return e;
    if (n != 0 && n != 1) return fail(c, IllegalValue);
    alreadySet = true;
    setting = int(n);
    return NoError;
}

int compileVendor(Compiler& c) {
    Cursor& cur = *c.cur;
    if (cur.peek() != '"') return fail(c, MissingFileQuote);
    std::size_t close = cur.text.find('"', cur.pos + 1);
    if (close == std::string_view::npos || close == cur.pos + 1) return fail(c, MissingFileQuote);
    if (close - cur.pos - 1 > maxVendor) return fail(c, LineTooLong);
    c.settings.vendor = std::string(cur.text.substr(cur.pos + 1, close - cur.pos - 1));
    cur.pos = close + 1;
    return NoError;
}

// Version n[.n[.n]]: the first number as an integer, later groups as written, completed to three.
int compileVersion(Compiler& c) {
    Cursor& cur = *c.cur;
    if (!isDigit(cur.peek())) return fail(c, SyntaxError);
    std::int32_t major = 0;
    while (isDigit(cur.current())) {
        major = std::int32_t(std::uint32_t(major) * 10 + std::uint32_t(cur.current() - '0'));
        cur.advance();
    }
    std::string version = std::to_string(major);
    int groups = 1;
    while (groups < 3 && cur.current() == '.') {
        cur.advance();
        if (!isDigit(cur.current())) return fail(c, SyntaxError);
        version += '.';
        while (isDigit(cur.current())) {
            version += cur.current();
            cur.advance();
        }
        ++groups;
    }
    for (; groups < 3; ++groups) version += ".0";
    c.settings.version = version;
    return NoError;
}

int compileIcon(Compiler& c) {
    if (c.settings.iconSet) return fail(c, ValueAlreadySet);
    std::string name;
    if (int e = readFileName(c, name)) return e;
    if (int e = requireFile(c, name, true)) return e;
    if (!hasExtension(name, "png")) return fail(c, ImagesMustBePng);
    std::size_t slash = name.find_last_of("/\\");
    c.settings.iconPath = "/" + (slash == std::string::npos ? name : name.substr(slash + 1));
    c.settings.iconSet = true;
    return NoError;
}

}  // namespace

int compileHeaderStatement(Compiler& c, int keyword) {
    ProgramSettings& s = c.settings;
    switch (keyword) {
    case KwSetResolution: return compileResolution(c, s.resolutionSet, s.screenWidth, s.screenHeight);
    case KwTargetResolution: return compileResolution(c, s.targetResolutionSet, s.targetWidth, s.targetHeight);
    case KwSetOrientation:
        s.orientationNotFixed = 0;
        return compileSwitch(c, s.orientationSet, s.orientation);
    case KwSetTouchScreen: return compileSwitch(c, s.touchScreenSet, s.touchScreen);
    case KwVendor: return compileVendor(c);
    case KwVersion: return compileVersion(c);
    default: return compileIcon(c);
    }
}
