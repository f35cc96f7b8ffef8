// Builds a ProgramIndex in one pass over the program text.
#include <algorithm>

#include "assist/completion_items.h"
#include "assist/program_index.h"
#include "assist/source_words.h"
#include "assist/text_scan.h"
#include "platform/sjis.h"

using namespace assist;

class ProgramIndexBuilder {
 public:
  ProgramIndexBuilder(ProgramIndex& index, const char* text, int length)
      : ix_(index), length_(length), clean_(index.blanked_) {
    ix_.text_.assign(text, static_cast<size_t>(length));
    ix_.blanked_ = ix_.text_;
  }

  void Build() {
    BlankComments();
    SplitStatements();
    if (curProc_ >= 0) CloseProc(length_, false);
    if (curType_ >= 0) ix_.types_[curType_].end = length_;
  }

 private:
  // Byte classes of the two scans: bytes outside these classes are skipped
  // in a tight loop.
  enum : unsigned char { kLead = 1, kCommentScan = 2, kStatementScan = 4 };
  static const unsigned char* ByteClasses() {
    static const struct Table {
      unsigned char c[256];
      Table() : c() {
        for (int b = 0; b < 256; ++b) {
          if (IsSjisLead(static_cast<unsigned char>(b))) c[b] = kLead | kCommentScan | kStatementScan;
        }
        for (unsigned char b : {'\r', '"', '\'', '/'}) c[b] |= kCommentScan;
        for (unsigned char b : {'\r', '"', ':'}) c[b] |= kStatementScan;
      }
    } table;
    return table.c;
  }

  // Comments become blanks (line breaks kept) so that statements read plainly.
  void BlankComments() {
    const unsigned char* cls = ByteClasses();
    char* t = &clean_[0];
    bool inString = false;
    for (int i = 0; i < length_;) {
      while (i < length_ && !(cls[static_cast<unsigned char>(t[i])] & kCommentScan)) ++i;
      if (i >= length_) break;
      char c = t[i];
      if (cls[static_cast<unsigned char>(c)] & kLead) {
        i += SjisCharLen(t + i, t + length_);
        continue;
      }
      if (c == '\r') {
        if (i + 1 < length_ && t[i + 1] == '\n') inString = false;
        ++i;
        continue;
      }
      if (inString) {
        if (c == '"') inString = false;
        ++i;
        continue;
      }
      if (c == '"') {
        inString = true;
        ++i;
      } else if (c == '\'') {
        int e = LineEndOf(t, length_, i);
        std::fill(t + i, t + e, ' ');
        i = e;
      } else if (c == '/' && i + 1 < length_ && t[i + 1] == '*') {
        int start = i;
        i += 2;
        while (i < length_ && !(t[i] == '*' && i + 1 < length_ && t[i + 1] == '/'))
          i += SjisCharLen(t + i, t + length_);
        i = i < length_ ? i + 2 : length_;
        ix_.blockComments_.push_back({start, i});
        for (int k = start; k < i; ++k) {
          if (t[k] != '\r' && t[k] != '\n') t[k] = ' ';
        }
      } else {
        ++i;
      }
    }
  }

  // Statements end at a colon or a CR LF outside strings; a line whose last
  // byte is a lone "_", a "(" or a "," continues on the next line.
  void SplitStatements() {
    const unsigned char* cls = ByteClasses();
    char* t = &clean_[0];
    int start = 0;       // of the statement
    int lineStart = 0;   // of the line, or after the last colon
    int trailEnd = -1;   // after the last double-byte character
    bool inString = false;
    for (int i = 0; i < length_;) {
      while (i < length_ && !(cls[static_cast<unsigned char>(t[i])] & kStatementScan)) ++i;
      if (i >= length_) break;
      char c = t[i];
      if (cls[static_cast<unsigned char>(c)] & kLead) {
        i += SjisCharLen(t + i, t + length_);
        trailEnd = i;
        continue;
      }
      if (c == '\r' && i + 1 < length_ && t[i + 1] == '\n') {
        int last = i;
        while (last > lineStart && IsBlank(static_cast<unsigned char>(t[last - 1]))) --last;
        --last;
        if (!inString && last >= lineStart && last != trailEnd - 1 && ContinuesLine(t, last)) {
          if (t[last] == '_') t[last] = ' ';
        } else {
          Statement(start, i);
          start = i + 2;
        }
        i += 2;
        lineStart = i;
        inString = false;
        continue;
      }
      if (c == '"') {
        inString = !inString;
      } else if (c == ':' && !inString) {
        Statement(start, i);
        start = lineStart = i + 1;
      }
      ++i;
    }
    Statement(start, length_);
  }

  static bool ContinuesLine(const char* t, int last) {
    char c = t[last];
    if (c == '(' || c == ',') return true;
    return c == '_' && (last == 0 || !IsNameChar(static_cast<unsigned char>(t[last - 1])));
  }

  const char* P(int i) const { return clean_.data() + i; }

  void Statement(int s, int e) {
    const char* end = P(e);
    StatementHead h = ReadStatementHead(P(s), end);
    if (h.word.empty() && h.closer == kKwNone) return;
    if (inEnum_) {
      if (h.closer == kKwEndEnum) inEnum_ = false;
      return;
    }
    if (curProc_ >= 0) {
      if (h.closer == (procIsFunction_ ? kKwEndFunction : kKwEndSub)) {
        CloseProc(e, true);
        return;
      }
      bool inMethod = ix_.procs_[curProc_].owner >= 0;
      bool ends = h.closer == kKwEndClass || h.closer == kKwEndInterface ||
                  h.closer == kKwEndType || h.keyword == kKwClass ||
                  h.keyword == kKwInterface || h.keyword == kKwType || h.keyword == kKwSub ||
                  h.keyword == kKwFunction;
      if (inMethod) {
        ends = ends || h.keyword == kKwAbstract || h.keyword == kKwVirtual ||
               h.keyword == kKwPrivate || h.keyword == kKwPublic || h.keyword == kKwProtected;
      }
      if (!ends) {
        if (h.keyword == kKwDim || h.keyword == kKwStatic) {
          ParseVarList(h.rest, end, false, ix_.procs_[curProc_].locals);
        } else if (h.keyword == kKwTypeDef) {
          TypeDef(h.rest, end);
        }
        if (inMethod) pending_.push_back({s, e});
        return;
      }
      CloseProc(s, false);
    }
    if (curType_ >= 0) {
      if (TypeStatement(h, s, e)) return;
    }
    TopStatement(h, s, e);
  }

  // A statement inside a Class/Interface/Type block; false when it ends the
  // block without belonging to it.
  bool TypeStatement(const StatementHead& h, int s, int e) {
    TypeBlock& type = ix_.types_[curType_];
    const char* end = P(e);
    if (firstInType_) {
      firstInType_ = false;
      if (h.keyword == kKwInherits) {
        type.base = ReadName(SkipSpace(h.rest, end), end);
        return true;
      }
    }
    if (h.closer == kKwEndClass || h.closer == kKwEndInterface || h.closer == kKwEndType) {
      type.end = e;
      curType_ = -1;
      return true;
    }
    if (h.keyword == kKwClass || h.keyword == kKwInterface || h.keyword == kKwType) {
      type.end = s;
      curType_ = -1;
      return false;
    }
    if (h.closer != kKwNone) return true;
    switch (h.keyword) {
      case kKwPrivate: visibility_ = kItemPrivate; return true;
      case kKwPublic: visibility_ = kItemPublic; return true;
      case kKwProtected: visibility_ = kItemProtected; return true;
      case kKwSub:
      case kKwFunction:
        procIsFunction_ = h.keyword == kKwFunction;
        Method(h.rest, s, e, procIsFunction_ ? kItemFunction : kItemSub, true);
        return true;
      case kKwAbstract:
      case kKwVirtual: {
        const char* q = SkipSpace(h.rest, end);
        std::string_view w = ReadName(q, end);
        Keyword kw = ClassifyWord(w);
        if (kw != kKwSub && kw != kKwFunction) return true;
        bool isVirtual = h.keyword == kKwVirtual;
        procIsFunction_ = kw == kKwFunction;
        Method(q + w.size(), s, e, isVirtual ? kItemVirtual : kItemAbstract, isVirtual);
        return true;
      }
      case kKwInherits:
      case kKwRem:
      case kKwDeclare:
        return true;
      case kKwEnum: inEnum_ = true; return true;
      case kKwTypeDef: TypeDef(h.rest, end); return true;
      case kKwDim:
      case kKwConst:
      case kKwStatic: {
        std::vector<VarDecl> vars;
        ParseVarList(h.rest, end, false, vars);
        for (VarDecl& v : vars) AddMember(std::move(v), kItemVariable, s, e);
        return true;
      }
      default: {
        VarDecl v;
        // Only the first declaration of the statement names a member.
        const char* q = SkipSpace(P(s), end);
        const char* stop = q;
        int depth = 0;
        bool inString = false;
        for (; stop < end; ++stop) {
          char c = *stop;
          if (c == '"') inString = !inString;
          if (inString) continue;
          if (c == '(' || c == '[') ++depth;
          if ((c == ')' || c == ']') && depth > 0) --depth;
          if (c == ',' && depth == 0) break;
        }
        if (ParseVarDecl(q, stop, false, v)) AddMember(std::move(v), kItemVariable, s, e);
        return true;
      }
    }
  }

  void TopStatement(const StatementHead& h, int s, int e) {
    const char* end = P(e);
    switch (h.keyword) {
      case kKwClass:
      case kKwInterface:
      case kKwType: {
        TypeBlock type;
        type.name = ReadName(SkipSpace(h.rest, end), end);
        type.kind = h.keyword == kKwClass ? kBlockClass
                    : h.keyword == kKwInterface ? kBlockInterface : kBlockType;
        type.start = s;
        type.end = length_;
        ix_.typeByName_.emplace(type.name, static_cast<int>(ix_.types_.size()));
        ix_.types_.push_back(std::move(type));
        curType_ = static_cast<int>(ix_.types_.size()) - 1;
        firstInType_ = true;
        visibility_ = h.keyword == kKwClass ? kItemPrivate : kItemPublic;
        return;
      }
      case kKwSub:
      case kKwFunction: {
        const char* q = SkipSpace(h.rest, end);
        std::string_view name = ReadName(q, end);
        if (h.keyword == kKwFunction && ClassifyWord(name) == kKwExport) {
          const char* n = SkipSpace(q + name.size(), end);
          std::string_view exported = ReadName(n, end);
          if (!exported.empty()) {
            q = n;
            name = exported;
          }
        }
        const char* after = q + name.size();
        procIsFunction_ = h.keyword == kKwFunction;
        // "Sub Owner.Method" defines a method outside its class, not a global.
        if (!name.empty() && !(after < end && *after == '.'))
          ix_.globalDecls_.emplace(name, GlobalDecl{s, e});
        OpenProc(after, s, e, -1);
        return;
      }
      case kKwDeclare: {
        const char* q = SkipSpace(h.rest, end);
        std::string_view w = ReadName(q, end);
        Keyword kw = ClassifyWord(w);
        if (kw != kKwSub && kw != kKwFunction) return;
        std::string_view name = ReadName(SkipSpace(q + w.size(), end), end);
        if (!name.empty()) ix_.globalDecls_.emplace(name, GlobalDecl{s, e});
        return;
      }
      case kKwDim:
      case kKwStatic: {
        std::vector<VarDecl> vars;
        ParseVarList(h.rest, end, false, vars);
        for (const VarDecl& v : vars) ix_.globals_.emplace(v.name, v);
        return;
      }
      case kKwTypeDef: TypeDef(h.rest, end); return;
      case kKwEnum: inEnum_ = true; return;
      default: return;
    }
  }

  void Method(const char* afterKeyword, int s, int e, int flags, bool mayHaveBody) {
    const char* end = P(e);
    const char* q = SkipSpace(afterKeyword, end);
    const char* nameStart = q;
    if (q < end && *q == '~') ++q;
    std::string_view w = ReadName(q, end);
    if (w.empty()) return;
    VarDecl v;
    v.name = std::string_view(nameStart, static_cast<size_t>(q + w.size() - nameStart));
    AddMember(std::move(v), flags, s, e);
    if (mayHaveBody) OpenProc(q + w.size(), s, e, curType_);
  }

  void AddMember(VarDecl&& v, int flags, int s, int e) {
    MemberDecl m;
    m.var = std::move(v);
    m.flags = flags;
    m.visibility = visibility_;
    m.declStart = s;
    m.declEnd = e;
    ix_.types_[curType_].members.push_back(std::move(m));
  }

  void OpenProc(const char* afterName, int s, int e, int owner) {
    ProcBlock proc;
    proc.start = s;
    proc.end = length_;
    proc.declEnd = e;
    proc.owner = owner;
    const char* end = P(e);
    const char* open = SkipSpace(afterName, end);
    if (open < end && *open == '(') {
      const char* close = SkipGroup(open, end);
      ParseVarList(open + 1, close ? close - 1 : end, true, proc.params);
    }
    ix_.procs_.push_back(std::move(proc));
    curProc_ = static_cast<int>(ix_.procs_.size()) - 1;
    pending_.clear();
  }

  // Ends the open procedure at byte `at`. A method that met no End Sub or
  // End Function had no body: it is dropped as a procedure and the
  // statements taken for its body are members after all.
  void CloseProc(int at, bool withEnd) {
    ProcBlock& proc = ix_.procs_[curProc_];
    proc.end = at;
    curProc_ = -1;
    if (withEnd || proc.owner < 0) {
      pending_.clear();
      return;
    }
    ix_.procs_.pop_back();
    std::vector<std::pair<int, int>> replay;
    replay.swap(pending_);
    for (const auto& st : replay) {
      StatementHead h = ReadStatementHead(P(st.first), P(st.second));
      if (curType_ >= 0) TypeStatement(h, st.first, st.second);
    }
  }

  void TypeDef(const char* p, const char* end) {
    p = SkipSpace(p, end);
    std::string_view name = ReadName(p, end);
    if (name.empty()) return;
    p = SkipSpace(p + name.size(), end);
    if (p >= end || *p != '=') return;
    p = SkipSpace(p + 1, end);
    const char* t = p;
    while (t < end && *t == '*') ++t;
    t += ReadName(t, end).size();
    if (t == p) return;
    ix_.typeDefs_.emplace(name, std::string_view(p, static_cast<size_t>(t - p)));
  }

  ProgramIndex& ix_;
  int length_;
  std::string& clean_;
  int curType_ = -1;
  int curProc_ = -1;
  bool firstInType_ = false;
  bool inEnum_ = false;
  int visibility_ = kItemPrivate;
  bool procIsFunction_ = false;  // the open procedure ends with End Function
  std::vector<std::pair<int, int>> pending_;
};

ProgramIndex::ProgramIndex(const char* text, int length) {
  if (!text || length <= 0) return;
  ProgramIndexBuilder(*this, text, length).Build();
}
