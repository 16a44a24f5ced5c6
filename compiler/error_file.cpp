#include "error_file.h"

#include "compile_messages.h"
#include "replace_file.h"

#include <cstdio>

namespace {

template <class... Args>
std::string format(std::string_view fmt, Args... args) {
    std::string f(fmt);
    int size = std::snprintf(nullptr, 0, f.c_str(), args...);
    std::string out(std::size_t(size > 0 ? size : 0), '\0');
    std::snprintf(out.data(), out.size() + 1, f.c_str(), args...);
    return out;
}

}  // namespace

std::string compileErrorLine(const Fault& f) {
    std::string_view fmt = compileErrorFormats[std::size_t(f.code)];
    const char* text = f.text.c_str();
    std::string message;
    switch (f.code) {
    case TypeMismatch:
        if (f.parameter > 0) message = format(fmt, f.line, f.callName.c_str(), f.parameter, text);
        else message = format(typeMismatchPlainFormat, f.line, text);
        break;
    case MissingProcedureArguments:
        message = format(fmt, 7, f.line, text);  // the format's %c holds the character with code 7
        break;
    case IfWithoutEndIf:
        message = format(fmt, f.line);
        break;
    default:
        message = format(fmt, f.line, text);
    }
    if (!f.includeName.empty()) message += "|Using include file: " + f.includeName;
    return errorLine(f.line, f.code, message);
}

std::string noErrorsLine(int compiledLines) {
    return errorLine(compiledLines, NoError, format(compileErrorFormats[0], compiledLines));
}

std::string compileErrorMessage(int code) {
    std::string_view fmt = compileErrorFormats[std::size_t(code)];
    std::string message(fmt.substr(0, fmt.find('|')));
    if (auto c = message.find("%c "); c != std::string::npos) message.erase(c, 3);
    return message;
}

std::string compileErrorHint(const Fault& f) {
    std::string text(compileHintTexts[std::size_t(f.hint)]);
    auto fill = [&text](std::string_view field, const std::string& value) {
        for (auto at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, field.size(), value);
    };
    fill("{name}", f.hintName);
    fill("{count}", std::to_string(f.hintCount));
    return text;
}

bool writeErrorFile(const std::filesystem::path& path, const std::string& line, std::string& reason) {
    return replaceFile(path, line, reason);
}
