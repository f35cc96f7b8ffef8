#pragma once
// The one matcher of procedure declarations in a window's source, shared by
// the handler scan of the code generator and the event browser, so that a
// handler the browser shows as present is one the generated code calls.
//
// A declaration line starts at the start of the text or after a line end (CR
// LF, LF or CR), outside a block comment; after line-number digits, blanks and
// tabs it continues with "Sub" or "Function" in any letter case and a blank or
// tab. Block comments ("/*" ... "*/") open only outside strings and line
// comments ("'" to the end of the line), as the editor colours them.
#include <cstddef>
#include <string_view>
#include <vector>

enum class ProcedureKeyword { kSub, kFunction };

struct ProcedureLine {
  ProcedureKeyword keyword;
  size_t keywordPos;  // the "Sub" or "Function"
  size_t namePos;     // after the blanks and tabs that follow the keyword
  size_t lineEnd;     // the CR or LF that ends the line, or the text's size
};

std::vector<ProcedureLine> FindProcedureLines(std::string_view text);

// Letters, digits, "_" and "." (ASCII only): the bytes of a handler name.
inline bool IsHandlerNameByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}
// The end of the run of handler-name bytes starting at pos.
size_t HandlerNameEnd(std::string_view text, size_t pos);
// Whether text continues at pos with word, ASCII letters compared without
// regard to case.
bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word);
// Whether the declaration at `line` names exactly `name` (any letter case):
// the name is followed by a byte that cannot continue it.
bool DeclaresName(std::string_view text, const ProcedureLine& line, std::string_view name);
