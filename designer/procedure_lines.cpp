#include "designer/procedure_lines.h"

#include "lang/text_fold.h"

namespace {

inline bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The bytes that can change the walk's state; all others are passed at once.
struct SpecialBytes {
  bool table[256];
};
constexpr SpecialBytes MakeSpecialBytes() {
  SpecialBytes s{};
  for (unsigned char c : {'"', '\'', '/', '*', '\r', '\n'}) s.table[c] = true;
  return s;
}
constexpr SpecialBytes kSpecial = MakeSpecialBytes();

// Past the line end at pos (CR LF, LF or CR).
size_t SkipLineEnd(std::string_view text, size_t pos) {
  if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
  return pos + 1;
}

size_t SkipBlanks(std::string_view text, size_t pos) {
  while (pos < text.size() && lang::IsBlank(static_cast<unsigned char>(text[pos]))) ++pos;
  return pos;
}

// Examines the line starting at pos; adds it when it declares a procedure.
void ExamineLine(std::string_view text, size_t pos, std::vector<ProcedureLine>& out) {
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
  pos = SkipBlanks(text, pos);
  ProcedureKeyword keyword;
  size_t length;
  if (StartsWithNoCase(text, pos, "sub")) {
    keyword = ProcedureKeyword::kSub;
    length = 3;
  } else if (StartsWithNoCase(text, pos, "function")) {
    keyword = ProcedureKeyword::kFunction;
    length = 8;
  } else {
    return;
  }
  const size_t after = pos + length;
  if (after >= text.size() || !lang::IsBlank(static_cast<unsigned char>(text[after]))) return;
  out.push_back(ProcedureLine{keyword, pos, SkipBlanks(text, after), 0});
}

}  // namespace

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view word) {
  return pos <= text.size() && text.size() - pos >= word.size() &&
         lang::EqualsNoCase(text.substr(pos, word.size()), word);
}

size_t HandlerNameEnd(std::string_view text, size_t pos) {
  while (pos < text.size() && IsHandlerNameByte(static_cast<unsigned char>(text[pos]))) ++pos;
  return pos;
}

bool DeclaresName(std::string_view text, const ProcedureLine& line, std::string_view name) {
  if (name.empty() || !StartsWithNoCase(text, line.namePos, name)) return false;
  const size_t end = line.namePos + name.size();
  return end >= text.size() || !IsHandlerNameByte(static_cast<unsigned char>(text[end]));
}

std::vector<ProcedureLine> FindProcedureLines(std::string_view text) {
  std::vector<ProcedureLine> lines;
  bool inBlock = false;
  size_t pos = 0;
  // The quote, apostrophe, "/", "*", CR and LF bytes are never the second byte
  // of a double-byte character, so the walk can go byte by byte.
  while (pos < text.size()) {
    const size_t found = lines.size();
    if (!inBlock) ExamineLine(text, pos, lines);
    bool inString = false;
    while (pos < text.size()) {
      const char c = text[pos];
      if (!kSpecial.table[static_cast<unsigned char>(c)]) {
        ++pos;
        continue;
      }
      if (IsLineEnd(c)) break;
      const bool starPair = pos + 1 < text.size() && text[pos + 1] == (c == '*' ? '/' : '*');
      if (inBlock) {
        if (c == '*' && starPair) {
          inBlock = false;
          pos += 2;
        } else {
          ++pos;
        }
        continue;
      }
      if (inString) {
        if (c == '"') inString = false;
        ++pos;
        continue;
      }
      if (c == '"') {
        inString = true;
      } else if (c == '\'') {
        while (pos < text.size() && !IsLineEnd(text[pos])) ++pos;
        break;
      } else if (c == '/' && starPair) {
        inBlock = true;
        pos += 2;
        continue;
      }
      ++pos;
    }
    if (lines.size() > found) lines.back().lineEnd = pos;
    if (pos < text.size()) pos = SkipLineEnd(text, pos);
  }
  return lines;
}
