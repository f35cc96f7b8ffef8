#pragma once
// The program's own search: the first occurrence of a text at a character
// start. Ignoring case folds ASCII, full-width Latin, Greek and Cyrillic
// letters, each double-byte letter as one character.
#include <string_view>

// Byte offset of the first match in text[from, len), or -1. `from` must be a
// character start. Time is proportional to the distance to the match.
int PlainSearch(const char* text, int len, int from, std::string_view needle, bool matchCase);
