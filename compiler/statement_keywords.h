// Codes of the statement keywords in the keyword table: `KwGoto` is code 0.
#pragma once

#include "keyword_table.h"

enum StatementKeyword : int {
#define ORB_STATEMENT(code, identifier, name, signature) Kw##identifier = code,
#define ORB_BUILTIN(code, identifier, name, signature, group, waits)
#include "keyword_list.h"
#undef ORB_STATEMENT
#undef ORB_BUILTIN
};
