#pragma once
// Unicode text from the clipboard made Shift-JIS by the program's own
// converter, as files are read: what Shift-JIS cannot hold becomes the geta
// mark, and the characters that did are named so the user can be told.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

struct PastedText {
  bool converted = false;  // false: no converter (the caller takes the system's CF_TEXT)
  std::string text;        // Shift-JIS
  size_t lost = 0;         // characters that became the geta mark
  // The distinct lost characters in order of first appearance, at most kNamedLost.
  std::vector<char32_t> lostNamed;
  bool moreLost = false;   // more distinct characters were lost than are named
};
constexpr size_t kNamedLost = 10;

// Converts the text up to its first NUL.
PastedText ConvertPastedUnicode(std::u16string_view utf16);

// "貼り付けたテキストには、…" naming the lost characters as U+XXXX; empty when none was lost.
std::string PasteLossNotice(const PastedText& pasted);
