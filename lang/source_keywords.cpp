#include "lang/source_keywords.h"

#include <cstring>

namespace lang {

namespace {

const char* const kSourceKeywords[] = {
    "#include", "#strict", "#console", "#prompt", "#N88BASIC", "#define", "#ifdef", "#ifndef", "#else",
    "#endif", "Abstract", "Case", "Class", "Const", "Continue", "Debug", "Declare", "Def", "Delete", "Dim",
    "Do", "Else", "ElseIf", "End", "EndIf", "EndFunction", "EndSub", "EndType", "EndSelect", "EndWith",
    "Enum", "Exit", "ExitDo", "ExitFor", "ExitFunction", "ExitSub", "ExitWhile", "For", "Function", "GoSub",
    "Goto", "If", "Inherits", "Interface", "Loop", "New", "Next", "Private", "Protected", "Public", "Return",
    "Select", "SelectCase", "Sub", "Super", "Then", "Type", "TypeDef", "Until", "Virtual", "Wend", "While",
    "With",
};

}  // namespace

KeywordTable::KeywordTable() {
  for (const char* k : kSourceKeywords) {
    const int n = static_cast<int>(std::strlen(k));
    lengths_[Fold(static_cast<unsigned char>(k[0]))] |= 1u << n;
    PackedWord w = Pack(reinterpret_cast<const unsigned char*>(k), n);
    size_t h = Hash(w);
    while (used_[h]) h = (h + 1) % kSize;
    used_[h] = true;
    words_[h] = w;
  }
}

const KeywordTable kSourceKeywordTable;

}  // namespace lang
