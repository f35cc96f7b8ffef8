#include "assist/source_words.h"

#include "assist/text_scan.h"
#include "platform/sjis.h"

namespace assist {

const char* SkipSpace(const char* p, const char* e) {
  while (p < e && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) ++p;
  return p;
}

const char* SkipGroup(const char* p, const char* e) {
  int depth = 0;
  bool inString = false;
  while (p < e) {
    char c = *p;
    if (inString) {
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      if (--depth == 0) return p + 1;
      if (depth < 0) return nullptr;
    }
    p += SjisCharLen(p, e);
  }
  return nullptr;
}

const char* FindOpenParen(const char* p, const char* e) {
  bool inString = false;
  while (p < e) {
    char c = *p;
    if (c == '"') {
      inString = !inString;
    } else if (!inString && c == '(') {
      return p;
    }
    p += SjisCharLen(p, e);
  }
  return nullptr;
}

Keyword ClassifyWord(std::string_view w) {
  struct Entry { std::string_view word; Keyword kw; };
  static const Entry kWords[] = {
      {"Abstract", kKwAbstract}, {"As", kKwAs}, {"ByRef", kKwByRef}, {"ByVal", kKwByVal},
      {"Class", kKwClass}, {"Const", kKwConst}, {"Declare", kKwDeclare}, {"Dim", kKwDim},
      {"End", kKwEnd}, {"Enum", kKwEnum}, {"Export", kKwExport}, {"EndSub", kKwEndSub},
      {"EndFunction", kKwEndFunction}, {"EndClass", kKwEndClass},
      {"EndInterface", kKwEndInterface}, {"EndType", kKwEndType}, {"EndEnum", kKwEndEnum},
      {"EndIf", kKwEndOther}, {"EndSelect", kKwEndOther}, {"EndWith", kKwEndOther},
      {"Function", kKwFunction}, {"Inherits", kKwInherits}, {"Interface", kKwInterface},
      {"Private", kKwPrivate}, {"Protected", kKwProtected}, {"Public", kKwPublic},
      {"Rem", kKwRem}, {"Static", kKwStatic}, {"Sub", kKwSub}, {"Type", kKwType},
      {"TypeDef", kKwTypeDef}, {"Virtual", kKwVirtual},
  };
  // Entries by folded first letter, so that a word is compared with a few.
  static const struct ByLetter {
    int first[27];
    ByLetter() {
      int k = 0;
      const int n = static_cast<int>(sizeof(kWords) / sizeof(kWords[0]));
      for (int letter = 0; letter < 26; ++letter) {
        first[letter] = k;
        while (k < n && FoldCase(static_cast<unsigned char>(kWords[k].word[0])) == 'a' + letter) ++k;
      }
      first[26] = n;
    }
  } byLetter;
  if (w.size() < 2 || w.size() > 12) return kKwNone;
  unsigned char f = FoldCase(static_cast<unsigned char>(w[0]));
  if (f < 'a' || f > 'z') return kKwNone;
  for (int k = byLetter.first[f - 'a']; k < byLetter.first[f - 'a' + 1]; ++k) {
    if (kWords[k].word.size() == w.size() && EqualsNoCase(w, kWords[k].word)) return kWords[k].kw;
  }
  return kKwNone;
}

namespace {

Keyword CloserOfEndWord(std::string_view w) {
  if (EqualsNoCase(w, "Sub")) return kKwEndSub;
  if (EqualsNoCase(w, "Function")) return kKwEndFunction;
  if (EqualsNoCase(w, "Class")) return kKwEndClass;
  if (EqualsNoCase(w, "Interface")) return kKwEndInterface;
  if (EqualsNoCase(w, "Type")) return kKwEndType;
  if (EqualsNoCase(w, "Enum")) return kKwEndEnum;
  return kKwEndOther;
}

}  // namespace

StatementHead ReadStatementHead(const char* p, const char* e) {
  StatementHead h;
  p = SkipSpace(p, e);
  h.word = ReadName(p, e);
  p += h.word.size();
  h.rest = p;
  h.keyword = ClassifyWord(h.word);
  if (h.keyword == kKwEnd) {
    if (p < e && IsBlank(static_cast<unsigned char>(*p))) {
      const char* q = SkipBlanks(p, e);
      std::string_view w2 = ReadName(q, e);
      if (!w2.empty()) {
        h.closer = CloserOfEndWord(w2);
        h.rest = q + w2.size();
      }
    }
  } else if (h.keyword >= kKwEndSub) {
    h.closer = h.keyword;
  }
  return h;
}

void ParseTypeText(std::string_view text, int& stars, std::string_view& name) {
  size_t i = 0;
  while (i < text.size() && IsBlank(static_cast<unsigned char>(text[i]))) ++i;
  stars = 0;
  while (i < text.size() && text[i] == '*') {
    ++stars;
    ++i;
  }
  size_t b = i;
  while (i < text.size() && IsNameChar(static_cast<unsigned char>(text[i]))) ++i;
  name = text.substr(b, i - b);
}

bool ParseVarDecl(const char* p, const char* e, bool allowByRef, VarDecl& out) {
  out = VarDecl();
  p = SkipSpace(p, e);
  std::string_view w = ReadName(p, e);
  if (allowByRef) {
    Keyword kw = ClassifyWord(w);
    if (kw == kKwByRef || kw == kKwByVal) {
      p = SkipSpace(p + w.size(), e);
      w = ReadName(p, e);
    }
  }
  if (w.empty()) return false;
  out.name = w;
  p = SkipSpace(p + w.size(), e);
  if (p < e && (*p == '[' || *p == '(')) {
    out.isArray = true;
    p = SkipGroup(p, e);
    if (!p) return true;
    p = SkipSpace(p, e);
  }
  std::string_view as = ReadName(p, e);
  if (ClassifyWord(as) != kKwAs) return true;
  p = SkipSpace(p + as.size(), e);
  const char* t = p;
  while (t < e && *t == '*') ++t;
  t += ReadName(t, e).size();
  ParseTypeText(std::string_view(p, static_cast<size_t>(t - p)), out.typeStars, out.typeName);
  return true;
}

void ParseVarList(const char* p, const char* e, bool allowByRef, std::vector<VarDecl>& out) {
  int depth = 0;
  bool inString = false;
  const char* pieceStart = p;
  for (const char* q = p;; ) {
    if (q >= e || (!inString && depth == 0 && *q == ',')) {
      VarDecl v;
      if (ParseVarDecl(pieceStart, q, allowByRef, v)) out.push_back(std::move(v));
      if (q >= e) break;
      pieceStart = ++q;
      continue;
    }
    char c = *q;
    if (c == '"') {
      inString = !inString;
    } else if (!inString) {
      if (c == '(' || c == '[') ++depth;
      else if ((c == ')' || c == ']') && depth > 0) --depth;
    }
    q += SjisCharLen(q, e);
  }
}

}  // namespace assist
