#pragma once
// The fixed statement syntax table of parameter hints.
#include <string_view>

// The syntax text of a statement word (any case), or null.
const char* LookupStatementSyntax(std::string_view word);

// Rows of the table (Select and SelectCase counted as two).
int StatementSyntaxCount();
