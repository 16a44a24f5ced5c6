// ReadData: the DATA items of the image, read in order from the data pointer.
#include "arguments.h"
#include "groups.h"
#include "numbers.h"
#include "report.h"
#include "values.h"

namespace {

// Moves the pointer over what may stand between items: blanks, newlines,
// comments, line marks and the six-character `w` and `~` codes. Returns the
// position of the next `h` code, or nullopt when none follows.
std::optional<uint32_t> nextItem(const Image& image, uint32_t pos) {
    const char* text = image.text();
    while (pos < image.length) {
        switch (text[pos]) {
            case ' ': case '\n': ++pos; break;
            case ';': pos = skipPast(image, pos, '\n'); break;
            case 'L': pos = skipPast(image, pos, ':'); break;
            case 'w': case '~': pos += 6; break;
            case 'h': return text[pos + 1] == '4' ? std::nullopt : std::optional<uint32_t>(pos);
            default: return std::nullopt;
        }
    }
    return std::nullopt;
}

ValueKind readData(Interp& in, ValueKind wanted) {
    if (in.dataPointer == noData) {
        report(in, RunError::NoData);
        return ValueKind::None;
    }
    const std::optional<uint32_t> item = nextItem(in.image, in.dataPointer);
    const ValueKind variant = item ? kindOfDigit(in.image.text()[*item + 1]) : ValueKind::None;
    if (variant == ValueKind::None) {
        report(in, RunError::OutOfData);
        return ValueKind::None;
    }
    if ((variant == ValueKind::String) != (wanted == ValueKind::String)) {
        report(in, RunError::WrongTypeOfData);
        return ValueKind::None;
    }
    const char* text = in.image.text();
    const uint32_t start = *item + 2;
    if (variant == ValueKind::String) {
        const uint32_t quote = skipPast(in.image, start, '"');
        const uint32_t end = (quote > start && text[quote - 1] == '"') ? quote - 1 : quote;
        in.dataPointer = std::min(quote + 1, in.image.length);  // past the quote and its "e"
        return returnString(in, std::string_view(text + start, end - start));
    }
    const uint32_t end = skipPast(in.image, start, 'e');
    in.dataPointer = end;
    if (variant == ValueKind::Integer) {
        const int32_t v = readIntegerText(text, start, 'e').value;
        return wanted == ValueKind::Float ? returnFloat(in, static_cast<float>(v)) : returnInt(in, v);
    }
    const float v = readFloatText(text, start, 'e').value;
    return wanted == ValueKind::Float ? returnFloat(in, v) : returnInt(in, truncateToInt(v));
}

}  // namespace

ValueKind dataBuiltin(Interp& in, Builtin code) {
    if (code == Builtin::ReadData) return readData(in, ValueKind::Integer);
    if (code == Builtin::ReadDataFloat) return readData(in, ValueKind::Float);
    return readData(in, ValueKind::String);
}
