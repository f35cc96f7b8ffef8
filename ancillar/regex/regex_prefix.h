#pragma once
// The literal characters every match of a pattern must begin with, so the
// engine can jump between their occurrences instead of trying each position.
#include <string>

// Codes as the engine matches them; empty when no safe prefix is known
// (alternation anywhere, a leading class, anchor or escape, an optional first
// group, ...). Patterns in extended (x) syntax have no prefix.
std::u32string RequiredLiteralPrefix(const std::u32string& pattern);
