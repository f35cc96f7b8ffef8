#pragma once
// Reading words, groups and declarations inside one statement of the
// dialect's source. [p, e) is a statement whose comments are already blanked.
#include <string_view>
#include <vector>

#include "assist/program_index.h"

namespace assist {

// Spaces, TABs and the CR LF of continued lines.
const char* SkipSpace(const char* p, const char* e);
// After the bracketed group opening at p ("(" or "["), nested groups and
// strings included; null when it does not close before e.
const char* SkipGroup(const char* p, const char* e);
// The first "(" outside strings in [p, e), or null.
const char* FindOpenParen(const char* p, const char* e);

// Statement keywords the index and the lookups care about.
enum Keyword {
  kKwNone, kKwEnd, kKwClass, kKwInterface, kKwType, kKwSub, kKwFunction, kKwAbstract,
  kKwVirtual, kKwDeclare, kKwDim, kKwConst, kKwStatic, kKwTypeDef, kKwInherits, kKwPrivate,
  kKwPublic, kKwProtected, kKwEnum, kKwRem, kKwExport, kKwByRef, kKwByVal, kKwAs,
  // closers ("End" joined to its word, or written as one word)
  kKwEndSub, kKwEndFunction, kKwEndClass, kKwEndInterface, kKwEndType, kKwEndEnum, kKwEndOther,
};
Keyword ClassifyWord(std::string_view w);

// The statement's first word and, for "End word" or a one-word closer, the
// closer it reads as. p advances past what was read.
struct StatementHead {
  Keyword keyword = kKwNone;  // of the first word
  Keyword closer = kKwNone;   // kKwEndSub..kKwEndOther, or kKwNone
  std::string_view word;      // the first word
  const char* rest = nullptr; // after the first word (after "End word" for closers)
};
StatementHead ReadStatementHead(const char* p, const char* e);

// One declaration "[ByRef|ByVal] name [group] [As [*...]type]"; false when no
// name starts it.
bool ParseVarDecl(const char* p, const char* e, bool allowByRef, VarDecl& out);
// Declarations separated by commas at depth 0, outside strings.
void ParseVarList(const char* p, const char* e, bool allowByRef, std::vector<VarDecl>& out);
// A type as written ("**Name"): stars and name.
void ParseTypeText(std::string_view text, int& stars, std::string_view& name);

}  // namespace assist
