// The system's messages keep their historic spellings ("Invalid Defination",
// "Unable to delete achive", "Archive doesnt exist"): error files, tests and
// the tools that read them match those texts. The help's search finds their
// pages by the correct spelling as well.
#pragma once

#include "help_file.h"

#include <string>
#include <string_view>

struct SystemSpelling {
    std::string_view word;     // as a message writes it, or another way to say it
    std::string_view meaning;  // what the search compares instead
};

inline constexpr SystemSpelling systemSpellings[] = {
    {"defination", "definition"},
    {"achive", "archive"},
    {"doesnt", "does not"},
    {"doesn't", "does not"},
    {"incompatiable", "incompatible"},
};

// The text as the search compares it: lower case, each word of the table replaced.
std::string searchSpelling(std::string_view text);

// The first error page whose message is the text, or holds it when the text
// has a word of the table, in either spelling; entry -1 when none does. Other
// parts of messages find nothing, so that a command's name is never taken
// for a message that mentions it.
HelpSearch searchErrorMessages(const HelpFile& file, std::string_view text);
