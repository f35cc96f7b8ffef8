#include "assist/parameter_hint.h"

#include "assist/declaration_finder.h"
#include "assist/statement_syntax.h"
#include "assist/text_scan.h"
#include "editor/text_document.h"
#include "platform/sjis.h"

namespace {

struct Token {
  int pos;
  char c;  // '(', ')' or ','
};

// The caret's line scanned from its start up to the caret.
struct LineScan {
  enum Result { kOk, kLineBreak, kInComment, kInString };
  Result result = kOk;
  int lineStart = 0;
  int scanEnd = 0;                 // the caret, or the quote opening the string it is in
  std::vector<Token> tokens;       // outside strings and comments
  std::vector<char> charStart;     // per byte from lineStart: a character starts here
  bool IsCharStart(int pos) const {
    int k = pos - lineStart;
    return k >= 0 && k < static_cast<int>(charStart.size()) && charStart[k];
  }
};

// Whether a block comment is open at pos, scanning from the text start.
bool BlockCommentOpenAt(const char* text, int length, int pos) {
  if (pos > length) pos = length;
  bool inString = false, line = false, block = false;
  for (int i = 0; i < pos;) {
    char c = text[i];
    if (c != '\r' && c != '"' && c != '\'' && c != '/' && c != '*' && !IsSjisLead(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (block) {
      if (c == '*' && i + 1 < length && text[i + 1] == '/') {
        block = false;
        i += 2;
        continue;
      }
    } else if (c == '\r' && i + 1 < length && text[i + 1] == '\n') {
      inString = line = false;
    } else if (line) {
    } else if (inString) {
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '\'') {
      line = true;
    } else if (c == '/' && i + 1 < length && text[i + 1] == '*') {
      block = true;
      i += 2;
      continue;
    }
    i += SjisCharLen(text + i, text + length);
  }
  return block;
}

bool LineStartsInBlockComment(const BlockCommentQuery& q, const char* text, int length, int lineStart) {
  if (q.lineStartInComment) return q.lineStartInComment(lineStart);
  if (q.docIndex && static_cast<int>(q.docIndex->Text().size()) == length) return q.docIndex->InBlockComment(lineStart);
  return BlockCommentOpenAt(text, length, lineStart);
}

LineScan ScanLine(const char* text, int length, int lineStart, int b) {
  LineScan s;
  s.lineStart = lineStart;
  // Grown while scanning: a caret far below a shown hint's line must not
  // cost more than the scan, which stops at the first line break.
  int depth = 0;
  bool inString = false, line = false, block = false;
  int quote = -1;
  for (int i = lineStart; i < b;) {
    char c = text[i];
    int len = SjisCharLen(text + i, text + length);
    s.charStart.push_back(1);
    if (block) {
      if (c == '*' && i + 1 < length && text[i + 1] == '/') {
        block = false;
        len = 2;
      }
    } else if (c == '\r' && i + 1 < length && text[i + 1] == '\n') {
      line = inString = false;
      if (depth <= 0) {
        s.result = LineScan::kLineBreak;
        return s;
      }
      len = 2;
    } else if (line) {
    } else if (inString) {
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
      quote = i;
    } else if (c == '\'') {
      line = true;
    } else if (c == '/' && i + 1 < length && text[i + 1] == '*') {
      block = true;
      len = 2;
    } else if (c == '(' || c == ')' || c == ',') {
      if (c == '(') ++depth;
      if (c == ')') --depth;
      s.tokens.push_back({i, c});
    }
    if (len == 2) s.charStart.push_back(IsSjisLead(static_cast<unsigned char>(c)) ? 0 : 1);
    i += len;
  }
  s.charStart.resize(static_cast<size_t>(b - lineStart));
  s.charStart.push_back(1);
  s.scanEnd = b;
  if (line || block) {
    s.result = LineScan::kInComment;
  } else if (inString) {
    s.result = LineScan::kInString;
    s.scanEnd = quote;
  }
  return s;
}

// The called name before an opening parenthesis: word bytes and "->" pairs.
std::string NameBefore(const char* text, const LineScan& s, int paren, int* start = nullptr) {
  int q = paren;
  while (q > s.lineStart && s.IsCharStart(q - 1) && assist::IsBlank(static_cast<unsigned char>(text[q - 1])))
    --q;
  int end = q;
  while (q > s.lineStart && s.IsCharStart(q - 1)) {
    unsigned char c = static_cast<unsigned char>(text[q - 1]);
    if (IsWordChar(c)) {
      --q;
    } else if (c == '>' && q - 2 >= s.lineStart && s.IsCharStart(q - 2) && text[q - 2] == '-') {
      q -= 2;
    } else {
      break;
    }
  }
  if (start) *start = q;
  return std::string(text + q, text + end);
}

// Commas at depth 0 among the tokens at or after `from` up to scanEnd; a
// closing parenthesis below depth 0 means the caret is behind the call.
int CountArguments(const LineScan& s, int from) {
  int depth = 0, count = 0;
  for (const Token& t : s.tokens) {
    if (t.pos < from || t.pos >= s.scanEnd) continue;
    if (t.c == '(') {
      ++depth;
    } else if (t.c == ')') {
      if (depth == 0) return kHintBehindCall;
      --depth;
    } else if (depth == 0) {
      ++count;
    }
  }
  return count;
}

HintDecision Close(const HintState& state, HintDecision d) {
  d.action = state.shown ? HintDecision::kClose : HintDecision::kNothing;
  return d;
}

// Keeps the shown hint: redraw when the index or the row changed.
HintDecision Keep(const HintState& state, HintDecision d, int index, bool rowChanged) {
  d.text = state.text;
  d.name = state.name;
  d.lineStart = state.lineStart;
  d.index = index;
  d.action = (index != state.index || rowChanged) ? HintDecision::kRedraw : HintDecision::kNothing;
  return d;
}

// The first word of the line, after its indentation and a line number.
const char* StatementWord(const char* text, const LineScan& s) {
  const char* p = text + s.lineStart;
  const char* e = text + s.scanEnd;
  p = assist::SkipBlanks(p, e);
  while (p < e && *p >= '0' && *p <= '9') ++p;
  return assist::SkipBlanks(p, e);
}

HintDecision StatementHint(const char* text, const LineScan& s, const HintState& state,
                           HintDecision d, bool rowChanged) {
  const char* e = text + s.scanEnd;
  const char* p = StatementWord(text, s);
  const char* w = p;
  while (p < e && IsWordChar(static_cast<unsigned char>(*p))) ++p;
  std::string word(w, p);
  p = assist::SkipBlanks(p, e);
  int from = static_cast<int>(p - text);
  const char* syntax = LookupStatementSyntax(word);
  if (!syntax) return Close(state, d);
  // Where the syntax itself starts with a group ("Circle (x, y), ..."), a
  // typed "(" opens that group rather than the argument list.
  std::string_view args(syntax);
  size_t head = args.find_first_of(" (");
  args = head == std::string_view::npos ? std::string_view() : args.substr(head + 1);
  bool groupFirst = args.rfind("(", 0) == 0 || args.rfind("[(", 0) == 0;
  // An opening parenthesis after the word is skipped; a closing one below
  // that depth ends the statement's arguments ("If (a = 1) Then").
  const bool skipParen = p < e && *p == '(' && !groupFirst;
  const int index = CountArguments(s, skipParen ? from + 1 : from);
  if (index == kHintBehindCall) return Close(state, d);
  if (state.shown && state.name == word) return Keep(state, d, index, rowChanged);
  d.action = HintDecision::kShow;
  d.text = syntax;
  d.name = word;
  d.index = index;
  d.lineStart = s.lineStart;
  return d;
}

HintDecision Decide(const char* text, int length, int caret, int caretRow, const HintState& state,
                    const DeclarationLookup& lookup) {
  HintDecision d;
  d.row = caretRow;
  bool rowChanged = caretRow != state.row;
  int lineStart;
  if (state.shown) {
    if (caret <= state.lineStart) return Close(state, d);
    lineStart = state.lineStart < 0 ? 0 : state.lineStart;
  } else {
    lineStart = assist::LineStartOf(text, length, caret);
  }
  LineScan s = ScanLine(text, length, lineStart, caret);
  if (s.result == LineScan::kLineBreak || s.result == LineScan::kInComment) return Close(state, d);
  if (s.result == LineScan::kInString && !state.shown) return d;
  // A group right after a statement word ("Circle (x, y)") is no call.
  int statementWord = static_cast<int>(StatementWord(text, s) - text);
  auto isStatement = [&](const std::string& name, int start) {
    return start == statementWord && LookupStatementSyntax(name) != nullptr;
  };
  int depth = 0;
  for (int k = static_cast<int>(s.tokens.size()) - 1; k >= 0; --k) {
    const Token& t = s.tokens[k];
    if (t.pos >= s.scanEnd) continue;
    if (t.c == ',') {
      if (depth == 0 && !state.shown) return d;
      continue;
    }
    if (t.c == ')') {
      ++depth;
      continue;
    }
    if (depth > 0) {
      // A call closed before the caret keeps its hint with no bold argument.
      if (--depth == 0 && state.shown) {
        int start;
        std::string name = NameBefore(text, s, t.pos, &start);
        if (name == state.name && !isStatement(name, start))
          return Keep(state, d, CountArguments(s, t.pos + 1), rowChanged);
      }
      continue;
    }
    int start;
    std::string name = NameBefore(text, s, t.pos, &start);
    if (isStatement(name, start)) break;
    int index = CountArguments(s, t.pos + 1);
    if (state.shown && !name.empty() && name == state.name) return Keep(state, d, index, rowChanged);
    std::string found;
    if (!name.empty() && lookup && lookup(name, found)) {
      d.action = HintDecision::kShow;
      d.text = std::move(found);
      d.name = std::move(name);
      d.index = index;
      d.lineStart = lineStart;
      return d;
    }
  }
  return StatementHint(text, s, state, d, rowChanged);
}

}  // namespace

HintDecision UpdateHint(const char* text, int length, int caret, int caretRow,
                        const HintState& state, const BlockCommentQuery& blockComments,
                        const DeclarationLookup& lookup) {
  if (!text || length < 0 || caret < 0 || caret > length) {
    HintDecision d;
    d.row = caretRow;
    return Close(state, d);
  }
  HintDecision d = Decide(text, length, caret, caretRow, state, lookup);
  // Only a hint about to open needs the comment state at its line start,
  // which depends on all the text before it.
  if (!state.shown && d.action == HintDecision::kShow) {
    if (LineStartsInBlockComment(blockComments, text, length, d.lineStart)) {
      HintDecision none;
      none.row = caretRow;
      return none;
    }
  }
  return d;
}

void ApplyHintDecision(HintState& state, const HintDecision& decision) {
  state.row = decision.row;
  switch (decision.action) {
    case HintDecision::kNothing:
      break;
    case HintDecision::kClose:
      state.shown = false;
      state.name.clear();
      state.text.clear();
      break;
    case HintDecision::kRedraw:
      state.index = decision.index;
      break;
    case HintDecision::kShow:
      state.shown = true;
      state.text = decision.text;
      state.name = decision.name;
      state.index = decision.index;
      state.lineStart = decision.lineStart;
      break;
  }
}

DeclarationLookup ProgramDeclarationLookup(const ProgramIndex& program, int programCaret) {
  return [&program, programCaret](const std::string& name, std::string& text) {
    return FindDeclaration(program, programCaret, name, text);
  };
}

std::vector<HintPiece> SplitHintText(std::string_view text, int index) {
  std::vector<HintPiece> pieces;
  const char* p = text.data();
  const char* e = p + text.size();
  const char* h = p;
  while (h < e && *h != ' ' && *h != '(') h += SjisCharLen(h, e);
  if (h < e) ++h;
  pieces.push_back({std::string(p, h), false});
  int arg = 0, depth = 0;
  bool inString = false;
  const char* start = h;
  auto emit = [&](const char* end) {
    if (end > start) pieces.push_back({std::string(start, end), arg == index});
  };
  for (const char* q = h; q < e;) {
    char c = *q;
    if (c == '"') {
      inString = !inString;
    } else if (!inString) {
      if (c == '(') {
        ++depth;
      } else if (c == ')') {
        if (depth == 0) {
          emit(q);
          pieces.push_back({std::string(q, e), false});
          return pieces;
        }
        --depth;
      } else if (c == ',' && depth == 0) {
        emit(q);
        pieces.push_back({", ", false});
        ++arg;
        q = assist::SkipBlanks(q + 1, e);
        start = q;
        continue;
      }
    }
    q += SjisCharLen(q, e);
  }
  emit(e);
  return pieces;
}

std::string HintKeyword(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] != ' ' && text[i] != '(') ++i;
  return std::string(text.substr(0, i));
}
