// Texts of the compressor's internal consistency checks. A failed check stores
// its number in the compressor state and stops the entry instead of aborting;
// the archive writer turns it into a failed add. Checks on fixed tables are made
// at compile time (deflate_tables.h) and need no entry here.
#pragma once

#include <array>
#include <string_view>

enum class DeflateError : int {
    None = 0,
    BadPackLevel,
    BadMatch,
    BadDistanceCode,
    InconsistentBitCounts,
    NotEnoughCodes,
    TooManyCodes,
    InvalidLength,
    BadCompressedSize,
    InsufficientLookahead,
    NoFuture,
    MoreLessThanTwo,
};

inline constexpr std::array<std::string_view, 12> deflateErrorTexts = {
    "",
    "bad pack level",
    "ct_tally: bad match",
    "bad d_code",
    "inconsistent bit counts",
    "not enough codes",
    "too many codes",
    "invalid length",
    "bad compressed size",
    "insufficient lookahead",
    "no future",
    "more < 2",
};

constexpr std::string_view deflateErrorText(DeflateError e) { return deflateErrorTexts[int(e)]; }
