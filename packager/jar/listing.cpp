#include "listing.h"

#include <cctype>
#include <unordered_map>

namespace {

constexpr std::size_t maxNameLength = 20;
constexpr std::size_t maxLabelLength = 11;

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

// A name runs to a newline, the end or a ":" (consumed); only its first 20
// characters count.
std::string readName(std::string_view text, std::size_t& p) {
    std::string name;
    while (p < text.size() && text[p] != '\n') {
        char c = text[p++];
        if (c == ':') break;
        if (name.size() < maxNameLength) name += c;
    }
    return name;
}

std::string lowerCase(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// One pass over the listing; the callbacks see bytes, label definitions and references in order.
template <typename OnByte, typename OnLabel, typename OnReference>
void walkListing(std::string_view text, OnByte onByte, OnLabel onLabel, OnReference onReference) {
    std::size_t p = 0;
    while (p < text.size()) {
        char c = text[p++];
        if (c == '$') {
            int value = 0;
            while (p < text.size() && isHexDigit(text[p])) value = value * 16 + hexValue(text[p++]);
            if (p < text.size()) ++p;   // the character that ends the number is consumed
            onByte(static_cast<std::uint8_t>(value));
        } else if (c == ':') {
            std::string name = readName(text, p);
            while (p < text.size() && text[p] != '\n') ++p;   // rest of the label line
            onLabel(name);
        } else if (c == '_') {
            if (!onReference(readName(text, p))) return;
        }
    }
}

}  // namespace

int listingSize(std::string_view listing) {
    int size = 0;
    for (char c : listing) size += c == '$' ? 1 : c == '_' ? 2 : 0;
    return size;
}

LabelTable buildLabelTable(std::string_view listing) {
    LabelTable labels;
    int position = 0;
    walkListing(
        listing, [&](std::uint8_t) { ++position; },
        [&](const std::string& name) {
            // Positions never decrease, so an earlier label at this position is the one before.
            bool repeat = !labels.empty() && labels.back().position == position;
            labels.push_back({name.substr(0, maxLabelLength), position, repeat});
        },
        [&](const std::string&) {
            position += 2;
            return true;
        });
    return labels;
}

int frameCount(const LabelTable& labels) {
    int n = 0;
    for (const ListingLabel& r : labels) n += r.repeat ? 0 : 1;
    return n;
}

bool appendListingCode(std::string_view listing, const LabelTable& labels, std::vector<std::uint8_t>& out) {
    // Names compare without case; the first label of a name is the one a reference reaches.
    std::unordered_map<std::string, int> positions;
    for (const ListingLabel& r : labels) positions.emplace(lowerCase(r.name), r.position);
    int position = 0;
    bool complete = true;
    walkListing(
        listing,
        [&](std::uint8_t b) {
            out.push_back(b);
            ++position;
        },
        [](const std::string&) {},
        [&](const std::string& name) {
            auto target = positions.find(lowerCase(name));
            int distance = target == positions.end() ? 0 : target->second - (position - 1);
            // A branch offset is a signed 16-bit number; a farther label cannot be reached.
            if (target == positions.end() || distance < -32768 || distance > 32767) {
                complete = false;
                return false;
            }
            out.push_back(static_cast<std::uint8_t>((distance >> 8) & 0xFF));
            out.push_back(static_cast<std::uint8_t>(distance & 0xFF));
            position += 2;
            return true;
        });
    return complete;
}
