// The counts of the character-count dialog.
#include "editor/editing.h"
#include "platform/sjis.h"

CharCounts CountCharacters(std::string_view text, Newline newline) {
  CharCounts n;
  n.bytes = static_cast<long long>(text.size());
  if (text.empty()) return n;
  long long crlf = 0;
  bool endsWithLineBreak = false;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    endsWithLineBreak = p[0] == '\r' && p + 1 < end && p[1] == '\n';
    if (endsWithLineBreak) {
      ++crlf;
      p += 2;
      continue;
    }
    const int len = SjisCharLen(p, end);
    const unsigned char c = static_cast<unsigned char>(*p);
    const bool blank = len == 1 ? (c == '\t' || c == ' ')
                                : (c == 0x81 && static_cast<unsigned char>(p[1]) == 0x40);
    ++n.chars;
    if (!blank) ++n.nonBlank;
    p += len;
  }
  // A last line break ends the last line; it does not start another.
  n.lines = crlf + (endsWithLineBreak ? 0 : 1);
  // The file holds one byte per line end where its newline code is LF or CR.
  if (newline != Newline::kCrLf) n.bytes -= crlf;
  return n;
}

std::string GroupDigits(long long value) {
  const bool negative = value < 0;
  unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(v);
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 + 1);
  if (negative) out += '-';
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}
