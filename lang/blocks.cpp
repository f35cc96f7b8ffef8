#include "lang/blocks.h"

#include <string>

#include "lang/text_fold.h"
#include "lang/word_class.h"

namespace {

using lang::EqualsNoCase;

struct BlockRow {
  Block block;
  const char* opener;
  const char* closer;    // as recognised ("End" joined to its word)
  const char* inserted;
  const char* further[3];
};

const BlockRow kBlocks[] = {
    {Block::kIf, "If", "EndIf", "End If", {"Else"}},
    {Block::kClass, "Class", "EndClass", "End Class", {"Private", "Protected", "Public"}},
    {Block::kInterface, "Interface", "EndInterface", "End Interface", {}},
    {Block::kDo, "Do", "Loop", "Loop", {}},
    {Block::kEnum, "Enum", "EndEnum", "End Enum", {}},
    {Block::kFor, "For", "Next", "Next", {}},
    {Block::kFunction, "Function", "EndFunction", "End Function", {}},
    {Block::kSelect, "Select", "EndSelect", "End Select", {"Case"}},
    {Block::kSub, "Sub", "EndSub", "End Sub", {}},
    {Block::kType, "Type", "EndType", "End Type", {}},
    {Block::kWhile, "While", "Wend", "Wend", {}},
    {Block::kWith, "With", "EndWith", "End With", {}},
};

const char* const kIndentWords[] = {"Case", "Class", "Do", "Else", "ElseIf", "Enum", "For",
                                    "Function", "Interface", "Select", "SelectCase", "Sub",
                                    "Type", "While", "With", "Private", "Protected", "Public"};

const BlockRow* RowOf(Block block) {
  for (const BlockRow& row : kBlocks) {
    if (row.block == block) return &row;
  }
  return nullptr;
}

std::string_view WordAt(std::string_view s, size_t& i) {
  while (i < s.size() && lang::IsBlank(static_cast<unsigned char>(s[i]))) ++i;
  size_t b = i;
  while (i < s.size() && IsWordChar(static_cast<unsigned char>(s[i]))) ++i;
  return s.substr(b, i - b);
}

// True when the part of s from `from` up to an apostrophe, colon or line end
// outside double quotes ends with "Then".
bool EndsWithThen(std::string_view s, size_t from) {
  bool inString = false;
  size_t end = from;
  for (; end < s.size(); ++end) {
    char c = s[end];
    if (c == '"') {
      inString = !inString;
    } else if (!inString && (c == '\'' || c == ':' || c == '\r' || c == '\n')) {
      break;
    }
  }
  while (end > from && lang::IsBlank(static_cast<unsigned char>(s[end - 1]))) --end;
  return end - from >= 4 && EqualsNoCase(s.substr(end - 4, 4), "Then");
}

}  // namespace

const char* BlockCloserText(Block block) {
  const BlockRow* row = RowOf(block);
  return row ? row->inserted : "";
}

int OpensIndent(std::string_view line) {
  size_t i = 0;
  std::string_view word = WordAt(line, i);
  if (EqualsNoCase(word, "If")) return EndsWithThen(line, i) ? 1 : 0;
  for (const char* w : kIndentWords) {
    if (EqualsNoCase(word, w)) return 1;
  }
  return 0;
}

Block BlockOpenerOf(std::string_view statement) {
  size_t i = 0;
  std::string_view word = WordAt(statement, i);
  if (word.empty()) return Block::kNone;
  if (EqualsNoCase(word, "If")) return EndsWithThen(statement, i) ? Block::kIf : Block::kNone;
  if (EqualsNoCase(word, "SelectCase")) return Block::kSelect;
  for (const BlockRow& row : kBlocks) {
    if (EqualsNoCase(word, row.opener)) return row.block;
  }
  return Block::kNone;
}

Block BlockCloserOf(std::string_view statement) {
  size_t i = 0;
  std::string_view word = WordAt(statement, i);
  if (word.empty()) return Block::kNone;
  std::string joined(word);
  if (EqualsNoCase(word, "End") && i < statement.size() &&
      lang::IsBlank(static_cast<unsigned char>(statement[i]))) {
    joined += WordAt(statement, i);
  }
  for (const BlockRow& row : kBlocks) {
    if (EqualsNoCase(joined, row.closer)) return row.block;
  }
  return Block::kNone;
}

const char* const* BlockFurtherItems(Block block) {
  static const char* const kNoItems[3] = {nullptr, nullptr, nullptr};
  const BlockRow* row = RowOf(block);
  return row ? row->further : kNoItems;
}

std::string_view BlockWordAt(std::string_view s, size_t& i) { return WordAt(s, i); }
