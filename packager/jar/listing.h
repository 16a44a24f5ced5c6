// Package-mode listings: text of "$hh" code bytes, ":NAME" label lines and
// "_NAME" two-byte label references, as the compiler writes them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ListingLabel {
    std::string name;   // at most 11 characters
    int position = 0;   // bytes of code before the label
    bool repeat = false; // an earlier label of the listing has the same position
};

using LabelTable = std::vector<ListingLabel>;

// Code bytes of a listing: one per "$", two per "_".
int listingSize(std::string_view listing);

LabelTable buildLabelTable(std::string_view listing);

// The number of stack-map frames the listing needs: one per distinct label position.
int frameCount(const LabelTable& labels);

// Appends the listing's code: "$" bytes as they are, each label reference as
// the big-endian distance from the byte before it (the branch opcode) to the
// label. False when a reference names no label of the table or the label is
// farther than a 16-bit branch reaches.
bool appendListingCode(std::string_view listing, const LabelTable& labels, std::vector<std::uint8_t>& out);
