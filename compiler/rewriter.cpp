#include "rewriter.h"

#include "compile_messages.h"
#include "keyword_lookup.h"
#include "lexer.h"

#include <algorithm>
#include <vector>

namespace {

constexpr std::size_t maxDefineName = 61;
constexpr std::size_t maxDefineText = 251;
constexpr std::size_t maxCharacterLiteral = 63;
constexpr std::size_t maxDefFnParameters = 9;

bool hasCommentStart(std::string_view text) {
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        else if (c == ';' && !quoted) return true;
    }
    return false;
}

// Collects the bracketed arguments of a DefFn use; pos stands after the name.
int collectArguments(std::string_view line, std::size_t& pos, std::vector<std::string_view>& args) {
    while (pos < line.size() && isBlank(line[pos])) ++pos;
    if (pos >= line.size() || line[pos] != '(') return DeffnParameterExpected;
    ++pos;
    int depth = 0;
    std::size_t start = pos;
    for (;; ++pos) {
        if (pos >= line.size()) return CommaOrBracketExpected;
        char c = line[pos];
        if (c == '(') ++depth;
        else if (c == ')' && depth > 0) --depth;
        else if ((c == ',' || c == ')') && depth == 0) {
            if (args.size() == maxDefFnParameters) return TooManyParameters;
            args.push_back(line.substr(start, pos - start));
            start = pos + 1;
            if (c == ')') { ++pos; return NoError; }
        }
    }
}

void expandFunction(const DefineRecord& def, const std::vector<std::string>& args, std::string& out) {
    const std::string& t = def.text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        bool joined = (i > 0 && isNameChar(t[i - 1])) || (i + 1 < t.size() && isNameChar(t[i + 1]));
        std::size_t p = joined ? std::string::npos : def.parameters.find(upperAscii(t[i]));
        if (p != std::string::npos && isLetter(t[i])) out += args[p];
        else out += t[i];
    }
}

}  // namespace

void registerBuiltinDefines(Defines& d) {
    static constexpr std::pair<std::string_view, std::string_view> builtins[] = {
        {"rem", ";"},         {"mod", "%"},          {"On", "1"},           {"Off", "0"},
        {"Pi", "3.141592"},   {"Then", "Then : "},   {"gamea", "-6"},       {"gameb", "-7"},
        {"gamec", "-8"},      {"gamed", "-9"},       {"upkey", "-1"},       {"downkey", "-2"},
        {"leftkey", "-3"},    {"rightkey", "-4"},    {"Horizontal", "setorientation 1"},
        {"Vertical", "setorientation 0"},
    };
    for (auto [name, text] : builtins) d.byName[std::string(name)] = {std::string(text), false, {}};
}

int rewriteLine(const Defines& d, std::string_view line, std::string& out) {
    out.clear();
    bool inString = false;
    bool inComment = false;
    std::size_t pos = 0;
    // Nothing past the limit is compiled, so rewriting stops there.
    while (pos < line.size() && out.size() < rewrittenLineLimit) {
        char c = line[pos];
        if (inComment) { out += c; ++pos; continue; }
        if (c == '"') { inString = !inString; out += c; ++pos; continue; }
        if (inString) { out += c; ++pos; continue; }
        if (c == ';') { inComment = true; out += c; ++pos; continue; }
        if (c == '\'') {
            std::size_t close = line.find('\'', pos + 1);
            if (close == std::string_view::npos) return MissingApostrophe;
            std::size_t count = std::min(close - pos - 1, maxCharacterLiteral);
            for (std::size_t i = 0; i < count; ++i)
                out += std::to_string(static_cast<unsigned char>(line[pos + 1 + i]));
            pos = close + 1;
            continue;
        }
        if (!isLetter(c)) { out += c; ++pos; continue; }
        std::size_t start = pos;
        while (pos < line.size() && isNameChar(line[pos])) ++pos;
        std::string_view word = line.substr(start, pos - start);
        auto it = word.size() > maxDefineName ? d.byName.end() : d.byName.find(word);
        if (it == d.byName.end()) { out += word; continue; }
        const DefineRecord& def = it->second;
        if (!def.isFunction) {
            out += def.text;
            // Rem becomes ";": the rest of the line is then a comment, apostrophes included.
            if (hasCommentStart(def.text)) inComment = true;
            continue;
        }
        std::vector<std::string_view> args;
        if (int e = collectArguments(line, pos, args)) return e;
        if (args.size() != def.parameters.size()) return ParameterCountMismatch;
        // An argument is source text like any other: Mod, key names, defines and
        // nested calls inside it are rewritten before it is placed in the text.
        std::vector<std::string> rewrittenArgs(args.size());
        for (std::size_t i = 0; i < args.size(); ++i)
            if (int e = rewriteLine(d, args[i], rewrittenArgs[i])) return e;
        expandFunction(def, rewrittenArgs, out);
    }
    if (out.size() > rewrittenLineLimit) out.resize(rewrittenLineLimit);
    return NoError;
}

int defineFromLine(Defines& d, std::string_view text, bool checkReservedName) {
    Cursor cur{text, 0};
    cur.peek();
    bool isFunction = lowerAscii(cur.at(cur.pos + 3)) == 'f';  // "deffn" against "define"
    cur.advance(6);
    cur.peek();
    if (!isLetter(cur.current())) return DefLabelExpected;
    std::size_t start = cur.pos;
    while (isNameChar(cur.current())) cur.advance();
    std::string_view name = text.substr(start, cur.pos - start);
    if (name.size() > maxDefineName) return DefLabelTooLong;
    char after = cur.current();
    if (!(isBlank(after) || (after == '=' && !isFunction) || (after == '(' && isFunction)))
        return InvalidDefinition;
    if (checkReservedName && isReservedName(name, ValueKind::Integer)) return KeywordMisuse;

    DefineRecord record;
    record.isFunction = isFunction;
    if (isFunction) {
        if (cur.peek() != '(') return DeffnParameterExpected;
        cur.advance();
        for (;;) {
            char p = cur.peek();
            if (!isLetter(p) || p == '_') return InvalidDeffnParameter;
            if (record.parameters.size() == maxDefFnParameters) return TooManyParameters;
            if (record.parameters.find(upperAscii(p)) != std::string::npos) return DuplicateParameter;
            record.parameters += upperAscii(p);
            cur.advance();
            char sep = cur.peek();
            cur.advance();
            if (sep == ')') break;
            if (sep != ',') return CommaOrBracketExpected;
        }
    }
    if (cur.peek() != '=') return DefinitionExpected;
    cur.advance();
    std::size_t textStart = cur.pos;
    std::size_t textEnd = textStart;
    bool quoted = false;
    for (; textEnd < text.size(); ++textEnd) {
        if (text[textEnd] == '"') quoted = !quoted;
        else if (text[textEnd] == ';' && !quoted) break;
    }
    if (textEnd == textStart) return DefinitionExpected;
    if (textEnd - textStart > maxDefineText) return LineTooLong;
    record.text = std::string(text.substr(textStart, textEnd - textStart));
    d.byName[std::string(name)] = std::move(record);
    return NoError;
}
