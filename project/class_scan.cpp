#include "project/class_scan.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <unordered_set>

#include "lang/text_fold.h"
#include "platform/sjis.h"

namespace {

using lang::EqualsNoCase;
using namespace std::string_view_literals;

struct IdentChars {
  bool in[256] = {};
  IdentChars() {
    for (int c = 0; c < 256; ++c) {
      in[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    }
  }
};
const IdentChars kIdent;
inline bool IsIdentChar(unsigned char c) { return kIdent.in[c]; }
bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }

// Bytes that stop the plain run inside a statement: where a statement,
// string or comment may end, and lead bytes (stepped over as characters so
// that no trail byte is read on its own).
struct StatementStops {
  bool stop[256] = {};
  StatementStops() {
    for (unsigned char b : {':', '\r', '\n', '\'', '/', '"'}) stop[b] = true;
    for (int b = 0; b < 256; ++b) stop[b] = stop[b] || IsSjisLead(static_cast<unsigned char>(b));
  }
};
const StatementStops kStops;

// A position in the text that always stands at the start of a character,
// with the number of line ends passed. A line ends as the editor ends it: at
// the text's line-end code, unless that byte is the second byte of a
// double-byte character.
struct Cursor {
  const char* begin;
  const char* p;
  const char* end;
  Newline newline;
  int line = 0;

  bool AtEnd() const { return p >= end; }
  unsigned char Peek(int k = 0) const { return p + k < end ? static_cast<unsigned char>(p[k]) : 0; }
  int Pos() const { return static_cast<int>(p - begin); }
  SourcePlace Place() const { return SourcePlace{Pos(), line}; }
  void Step() { p += SjisCharLen(p, end); }
  void SkipBlanks() {
    while (p < end && IsBlank(static_cast<unsigned char>(*p))) ++p;
  }

  // Bytes of the line end at p, or 0.
  int LineEndHere() const {
    if (p >= end) return 0;
    switch (newline) {
      case Newline::kLf: return *p == '\n' ? 1 : 0;
      case Newline::kCr: return *p == '\r' ? 1 : 0;
      default: return (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 0;
    }
  }
  bool TakeLineEnd() {
    const int n = LineEndHere();
    if (n == 0) return false;
    p += n;
    ++line;
    return true;
  }

  // To the next line end (not past it) or the text's end. The line-end byte
  // is found with memchr; it ends the line unless an odd run of lead-range
  // bytes stands right before it (then the last of them takes it as its
  // second byte).
  void ToLineEnd() {
    const char mark = newline == Newline::kLf ? '\n' : '\r';
    const char* from = p;
    for (;;) {
      const char* hit = static_cast<const char*>(std::memchr(from, mark, static_cast<size_t>(end - from)));
      if (!hit) {
        p = end;
        return;
      }
      const char* run = hit;
      while (run > from && IsSjisLead(static_cast<unsigned char>(run[-1]))) --run;
      if (((hit - run) & 1) == 0 && (newline != Newline::kCrLf || (hit + 1 < end && hit[1] == '\n'))) {
        p = hit;
        return;
      }
      from = hit + 1;
    }
  }
  void NextLine() {
    ToLineEnd();
    TakeLineEnd();
  }
};

std::string_view ReadWord(Cursor& c) {
  const char* s = c.p;
  while (c.p < c.end && IsIdentChar(static_cast<unsigned char>(*c.p))) ++c.p;
  return std::string_view(s, static_cast<size_t>(c.p - s));
}

enum class Kw { kNone, kEnd, kSub, kFunction, kClass, kType, kInterface, kAbstract, kVirtual, kInherits,
                kPrivate, kPublic, kProtected, kExport };

// The keyword a word is, in any letter case. Most words are none: the length
// and the first letter turn them away.
Kw KeywordOf(std::string_view w) {
  if (w.size() < 3 || w.size() > 9) return Kw::kNone;
  auto is = [&](std::string_view k) { return w.size() == k.size() && EqualsNoCase(w, k); };
  switch (w[0] | 0x20) {
    case 'e': return is("End"sv) ? Kw::kEnd : is("Export"sv) ? Kw::kExport : Kw::kNone;
    case 's': return is("Sub"sv) ? Kw::kSub : Kw::kNone;
    case 'f': return is("Function"sv) ? Kw::kFunction : Kw::kNone;
    case 'c': return is("Class"sv) ? Kw::kClass : Kw::kNone;
    case 't': return is("Type"sv) ? Kw::kType : Kw::kNone;
    case 'i': return is("Interface"sv) ? Kw::kInterface : is("Inherits"sv) ? Kw::kInherits : Kw::kNone;
    case 'a': return is("Abstract"sv) ? Kw::kAbstract : Kw::kNone;
    case 'v': return is("Virtual"sv) ? Kw::kVirtual : Kw::kNone;
    case 'p':
      return is("Private"sv) ? Kw::kPrivate : is("Public"sv) ? Kw::kPublic : is("Protected"sv) ? Kw::kProtected : Kw::kNone;
    default: return Kw::kNone;
  }
}

bool IsBlockKeyword(Kw k) { return k == Kw::kClass || k == Kw::kType || k == Kw::kInterface; }
bool IsProcKeyword(Kw k) { return k == Kw::kSub || k == Kw::kFunction; }

void SkipBlockComment(Cursor& c) {
  c.p += 2;
  while (!c.AtEnd()) {
    if (*c.p == '*' && c.Peek(1) == '/') {
      c.p += 2;
      return;
    }
    if (!c.TakeLineEnd()) c.Step();
  }
}

// Blanks, comments, line breaks and the colons between statements.
void SkipSpace(Cursor& c) {
  while (!c.AtEnd()) {
    const char ch = *c.p;
    if (IsBlank(static_cast<unsigned char>(ch)) || ch == ':') {
      ++c.p;
    } else if (ch == '\'') {
      c.ToLineEnd();
    } else if (ch == '/' && c.Peek(1) == '*') {
      SkipBlockComment(c);
    } else if (!c.TakeLineEnd()) {
      return;
    }
  }
}

// To the end of the statement: its line end or colon, not past it. Strings
// and block comments are passed whole; an apostrophe comments to the line end.
void SkipStatementRest(Cursor& c) {
  while (c.p < c.end) {
    while (c.p < c.end && !kStops.stop[static_cast<unsigned char>(*c.p)]) ++c.p;
    if (c.AtEnd()) return;
    const char ch = *c.p;
    if (ch == ':' || c.LineEndHere()) return;
    if (ch == '\'') {
      c.ToLineEnd();
      return;
    }
    if (ch == '/' && c.Peek(1) == '*') {
      SkipBlockComment(c);
    } else if (ch == '"') {
      ++c.p;
      while (!c.AtEnd() && *c.p != '"' && !c.LineEndHere()) c.Step();
      if (!c.AtEnd() && *c.p == '"') ++c.p;
    } else {
      c.Step();
    }
  }
}

enum class BodyEnd { kProcedure, kBlock, kText };

// Passes a method's body: statements up to "End Sub" or "End Function"; an
// "End Class", "End Interface" or "End Type" met first ends the whole block.
BodyEnd SkipBody(Cursor& c) {
  for (;;) {
    SkipSpace(c);
    if (c.AtEnd()) return BodyEnd::kText;
    if (KeywordOf(ReadWord(c)) == Kw::kEnd) {
      c.SkipBlanks();
      const Kw what = KeywordOf(ReadWord(c));
      if (IsProcKeyword(what)) {
        SkipStatementRest(c);
        return BodyEnd::kProcedure;
      }
      if (IsBlockKeyword(what)) {
        SkipStatementRest(c);
        return BodyEnd::kBlock;
      }
    }
    SkipStatementRest(c);
  }
}

// Cursor at the block's keyword.
ClassBlock ParseBlockAt(Cursor& c) {
  ClassBlock block;
  block.place = c.Place();
  const Kw keyword = KeywordOf(ReadWord(c));
  block.kind = keyword == Kw::kType        ? ClassBlockKind::kType
               : keyword == Kw::kInterface ? ClassBlockKind::kInterface
                                           : ClassBlockKind::kClass;
  MemberAccess access = block.kind == ClassBlockKind::kClass ? MemberAccess::kPrivate : MemberAccess::kPublic;

  SkipSpace(c);
  const char* nameStart = c.p;
  while (c.p < c.end && (IsIdentChar(static_cast<unsigned char>(*c.p)) || *c.p == '~')) ++c.p;
  block.name.assign(nameStart, c.p);
  SkipStatementRest(c);

  // Member names so far, for the overload rule: searched in place while the
  // block is small, hashed once it is not.
  std::unordered_set<std::string> names;
  auto taken = [&](const std::string& name) {
    if (block.members.size() < 32) {
      for (const ClassMember& m : block.members) {
        if (m.name == name) return true;
      }
      return false;
    }
    if (names.empty()) {
      for (const ClassMember& m : block.members) names.insert(m.name);
    }
    return names.count(name) != 0;
  };
  for (;;) {
    SkipSpace(c);
    if (c.AtEnd()) break;
    const char* statement = c.p;
    const Kw first = KeywordOf(ReadWord(c));
    if (first == Kw::kEnd) {
      c.SkipBlanks();
      const bool closes = IsBlockKeyword(KeywordOf(ReadWord(c)));
      SkipStatementRest(c);
      if (closes) {
        block.end = c.Pos();
        return block;
      }
      continue;
    }
    MemberKind kind = MemberKind::kData;
    if ((first == Kw::kAbstract || first == Kw::kVirtual) && IsBlank(c.Peek())) {
      kind = first == Kw::kAbstract ? MemberKind::kAbstract : MemberKind::kVirtual;
      c.SkipBlanks();
      const char* afterPrefix = c.p;
      if (IsProcKeyword(KeywordOf(ReadWord(c))) && IsBlank(c.Peek())) {
        c.SkipBlanks();
      } else {
        c.p = afterPrefix;
      }
    } else if (IsProcKeyword(first)) {
      kind = first == Kw::kSub ? MemberKind::kSub : MemberKind::kFunction;
      c.SkipBlanks();
    } else {
      c.p = statement;
    }

    const SourcePlace place = c.Place();
    const char* nameAt = c.p;
    if (c.Peek() == '~') ++c.p;
    ReadWord(c);
    std::string name(nameAt, c.p);
    SkipStatementRest(c);

    if (kind == MemberKind::kData) {
      const Kw word = KeywordOf(name);
      if (word == Kw::kInherits) continue;
      if (word == Kw::kPrivate || word == Kw::kPublic || word == Kw::kProtected) {
        access = word == Kw::kPrivate ? MemberAccess::kPrivate
                 : word == Kw::kPublic ? MemberAccess::kPublic
                                       : MemberAccess::kProtected;
        continue;
      }
    }
    if (!name.empty()) {
      while (taken(name)) name += ' ';
      if (!names.empty()) names.insert(name);
      block.members.push_back(ClassMember{std::move(name), kind, access, place});
    }
    const bool hasBody = (kind == MemberKind::kSub || kind == MemberKind::kFunction || kind == MemberKind::kVirtual) &&
                         block.kind != ClassBlockKind::kInterface;
    if (hasBody) {
      const BodyEnd how = SkipBody(c);
      if (how == BodyEnd::kBlock) {
        block.end = c.Pos();
        return block;
      }
      if (how == BodyEnd::kText) break;
    }
  }
  block.end = c.Pos();
  return block;
}

Cursor MakeCursor(std::string_view text, Newline newline) {
  const size_t n = std::min(text.size(), kMaxScanBytes);
  return Cursor{text.data(), text.data(), text.data() + n, newline};
}

}  // namespace

ClassBlock ParseClassBlock(std::string_view text, int position, Newline lineEnd) {
  Cursor c = MakeCursor(text, lineEnd);
  const char* target = c.begin + std::clamp<std::ptrdiff_t>(position, 0, c.end - c.begin);
  // Count the lines before the keyword.
  for (;;) {
    c.ToLineEnd();
    if (c.p >= target || c.AtEnd()) break;
    c.TakeLineEnd();
    if (c.p > target) {
      --c.line;
      break;
    }
  }
  c.p = target;
  return ParseBlockAt(c);
}

FileScan ScanFileText(std::string_view text, Newline lineEnd) {
  FileScan scan;
  Cursor c = MakeCursor(text, lineEnd);
  while (!c.AtEnd()) {
    while (c.p < c.end && (IsBlank(static_cast<unsigned char>(*c.p)) || (*c.p >= '0' && *c.p <= '9'))) ++c.p;
    const char* wordStart = c.p;
    const Kw word = KeywordOf(ReadWord(c));
    if (IsBlockKeyword(word)) {
      c.p = wordStart;
      scan.classes.push_back(ParseBlockAt(c));
    } else if (IsProcKeyword(word)) {
      c.SkipBlanks();
      std::string_view name = ReadWord(c);
      if (KeywordOf(name) == Kw::kExport) {
        c.SkipBlanks();
        name = ReadWord(c);
      }
      if (!name.empty()) scan.globals.push_back(GlobalProc{std::string(name), c.Place()});
    }
    c.NextLine();
  }
  return scan;
}
