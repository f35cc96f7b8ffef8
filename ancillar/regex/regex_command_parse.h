#pragma once
// Parser of the Perl-style command strings the library takes:
//   m/pattern/flags   s/pattern/replacement/flags   (also # @ | ! , as delimiters)
// Flags: k Shift-JIS text, i ignore case, g all matches, s "." also matches
// line ends, x extended syntax, m and o accepted for compatibility.
// A backslash before the delimiter stands for the delimiter itself.
#include <string>
#include <string_view>

struct RegexCommand {
  bool substitute = false;
  std::string pattern;      // Shift-JIS or single-byte text, delimiter escapes resolved
  std::string replacement;  // substitute only
  bool sjis = false;        // k
  bool icase = false;       // i
  bool global = false;      // g
  bool dotAll = false;      // s
  bool extended = false;    // x
};

// Fills out and returns true, or returns false with a Shift-JIS error text.
// In Shift-JIS mode a trail byte (such as the 0x40 of "ァ" or the 0x5C of
// "表") is never taken for a delimiter or an escape.
bool ParseRegexCommand(std::string_view command, RegexCommand& out, std::string& error);
