#pragma once
// Small scans over Shift-JIS text with CR LF line ends, shared by the
// assistance code. Positions are byte indexes; no scan reads past `length`.
#include <string_view>
#include <vector>

namespace assist {

inline bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }
inline unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}
// A byte of a name: a word character other than the full stop. Kept in a
// table filled from IsWordChar once, as names are read byte by byte.
const bool* NameCharTable();
inline bool IsNameChar(unsigned char c) {
  static const bool* const table = NameCharTable();
  return table[c];
}
bool EqualsNoCase(std::string_view a, std::string_view b);

// Start of the line holding pos: the byte after the nearest CR LF that ends
// before pos (a position on the LF of a CR LF belongs to the line it ends).
int LineStartOf(const char* text, int length, int pos);
// The CR of the first CR LF at or after pos, or length.
int LineEndOf(const char* text, int length, int pos);

// The statement-search limit as the 8-bit signed value it is kept in:
// 0 switches the search off (returns 0), values that read back negative
// (stored values above 127, and negative ones) do not limit it (returns -1).
// Any other value is returned as the limit.
int EffectiveBackNum(int setting);

// Colons in [lineStart, end) that separate statements: outside double-quoted
// strings and before any apostrophe comment of the line.
void StatementColons(const char* text, int lineStart, int end, std::vector<int>& out);

// Walks statements backwards from position n (the statement holding n is not
// returned), line by line, counting the CR LF passed against a limit.
class StatementWalker {
 public:
  // limit: as EffectiveBackNum returns it (-1 no limit).
  StatementWalker(const char* text, int length, int n, int limit);
  // The next statement towards the text start: [start, end) and the start of
  // its line. False at the text start or when the line limit is exceeded.
  bool Next(int& start, int& end, int& lineStart);

 private:
  bool PreviousLine();
  const char* text_;
  int length_;
  int limit_;
  int lines_ = 0;
  int lineStart_ = 0;
  int lineEnd_ = 0;
  std::vector<int> cuts_;  // statement boundaries of the current line
  int next_ = -1;          // index of the next statement to hand out
};

// The name-character run at p (may be empty).
std::string_view ReadName(const char* p, const char* end);
// Skips spaces and TABs.
const char* SkipBlanks(const char* p, const char* end);

}  // namespace assist
