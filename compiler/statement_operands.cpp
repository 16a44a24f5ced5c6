#include "statement_operands.h"

#include "compile_messages.h"
#include "source_files.h"

#include <cstdint>

namespace {

constexpr std::size_t maxFileName = 250;

std::int32_t readDecimal(Cursor& cur) {
    std::uint32_t value = 0;
    while (isDigit(cur.current())) {
        value = value * 10 + std::uint32_t(cur.current() - '0');
        cur.advance();
    }
    return std::int32_t(value);
}

std::int32_t apply(char op, std::int32_t a, std::int32_t b) {
    auto ua = std::uint32_t(a);
    auto ub = std::uint32_t(b);
    switch (op) {
    case '+': return std::int32_t(ua + ub);
    case '-': return std::int32_t(ua - ub);
    case '*': return std::int32_t(ua * ub);
    }
    // A zero divisor, or the one quotient that overflows, must not stop the compiler.
    if (b == 0 || (a == INT32_MIN && b == -1)) return 0;
    return op == '/' ? a / b : a % b;
}

}  // namespace

int readConstant(Compiler& c, int missingError, long long& value) {
    Cursor& cur = *c.cur;
    if (!isDigit(cur.peek())) return fail(c, missingError);
    std::int32_t result = readDecimal(cur);
    for (;;) {
        char op = cur.peek();
        if (op != '+' && op != '-' && op != '*' && op != '/' && op != '%') break;
        cur.advance();
        if (!isDigit(cur.peek())) return fail(c, missingError);
        result = apply(op, result, readDecimal(cur));
    }
    value = result;
    return NoError;
}

int readFileName(Compiler& c, std::string& name) {
    Cursor& cur = *c.cur;
    if (cur.peek() != '"') return fail(c, FilenameExpected);
    std::size_t close = cur.text.find('"', cur.pos + 1);
    std::size_t end = close == std::string_view::npos ? cur.text.size() : close;
    name = std::string(cur.text.substr(cur.pos + 1, end - cur.pos - 1));
    if (name.empty()) return fail(c, FilenameExpected);
    if (name.size() > maxFileName) return fail(c, LineTooLong);
    if (close == std::string_view::npos) return fail(c, MissingFileQuote);
    cur.pos = close + 1;
    return NoError;
}

std::filesystem::path sourceRelative(const Compiler& c, std::string_view name) { return fileInFolder(c.folder, name); }

int requireFile(Compiler& c, const std::string& name, bool addToResources) {
    if (!canOpenForReading(sourceRelative(c, name))) return fail(c, CannotOpenFile);
    if (addToResources && c.resourceNames.insert(name).second) c.resourceFiles.push_back(name);
    return NoError;
}

bool hasExtension(std::string_view name, std::string_view extension) {
    std::size_t dot = name.rfind('.');
    return dot != std::string_view::npos && sameName(name.substr(dot + 1), extension);
}
