#pragma once
// Command strings for the regular-expression library built from the user's
// search and replacement texts (Shift-JIS).
#include <string>
#include <string_view>

// "m/pattern/k", or with "#" when the pattern holds "/", or "@" when it
// holds both; "i" is appended unless letter case must match. A pattern with
// all three cannot be delimited: the library then reports the error.
std::string BuildMatchCommand(std::string_view pattern, bool matchCase);

// "s/pattern/replacement/k" with the same delimiter choice over both texts.
std::string BuildSubstCommand(std::string_view pattern, std::string_view replacement, bool matchCase);

// Does the Shift-JIS text hold the ASCII character c (trail bytes not counted)?
bool SjisContains(std::string_view text, char c);
