#pragma once
// Building and taking apart the CR LF line formats of the project files.
// Everything works on bytes: CR, LF, quotes and commas are never trail bytes
// of a double-byte character, so splitting on them byte by byte is safe.
#include <cstdint>
#include <string>
#include <string_view>

// Appends text with every CR and LF byte turned into a blank, so that a value
// can never end its line early.
void AppendLineSafe(std::string& out, std::string_view text);
// The same as a copy; for texts about to be stored in a record.
std::string KeepOutOfLine(std::string_view text);

void AppendDecimal(std::string& out, int64_t value);
// "&H" and eight lower-case hex digits.
void AppendHex8(std::string& out, uint32_t value);
inline void AppendCrLf(std::string& out) { out += "\r\n"; }

// Decimal with an optional minus sign, nothing else; false when the text is
// not one or the value does not fit.
bool ParseInt32(std::string_view text, int32_t& value);
// "&H" followed by one to eight hex digits (either case).
bool ParseHex32(std::string_view text, uint32_t& value);

// A decimal or "&H" hex field ended by a comma at the start of rest, taken
// with its comma in one pass; false (rest unchanged) when there is none.
bool TakeInt32Field(std::string_view& rest, int32_t& value);
bool TakeHex32Field(std::string_view& rest, uint32_t& value);

// Walks a text line by line. A line ends at LF (a CR before it is dropped);
// the last line needs no line end.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next line; false at the end of the text.
  bool Next(std::string_view& line);
  // 1-based number of the line Next returned last.
  int LineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
  int lineNumber_ = 0;
};

// Cuts text at the first `sep` byte: head before it, rest after it. False
// (and nothing changed) when there is none.
bool SplitAt(std::string_view& rest, char sep, std::string_view& head);
