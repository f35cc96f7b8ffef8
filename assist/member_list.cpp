#include "assist/member_list.h"

#include <algorithm>

#include "assist/block_completion.h"
#include "assist/member_lookup.h"
#include "assist/text_scan.h"
#include "editor/text_document.h"
#include "platform/sjis.h"

namespace {

bool StartsWithOperator(const std::string& s) {
  return (!s.empty() && s[0] == '.') || (s.size() >= 2 && s[0] == '-' && s[1] == '>');
}

// The object of a With statement: the text after the word, without blanks
// and a trailing comment.
std::string WithObject(const char* text, int start, int end) {
  const char* p = assist::SkipBlanks(text + start, text + end);
  p += assist::ReadName(p, text + end).size();
  p = assist::SkipBlanks(p, text + end);
  const char* e = p;
  bool inString = false;
  for (const char* q = p; q < text + end;) {
    if (*q == '"') inString = !inString;
    if (!inString && *q == '\'') break;
    q += SjisCharLen(q, text + end);
    e = q;
  }
  while (e > p && assist::IsBlank(static_cast<unsigned char>(e[-1]))) --e;
  return std::string(p, e);
}

}  // namespace

bool WithPrefix(const char* text, int length, int p, int backNumSetting, std::string& prefix) {
  prefix.clear();
  OpenBlockWalker walker(text, length, p, backNumSetting);
  Block block;
  int start, end, lineStart;
  while (walker.Next(block, start, end, lineStart)) {
    if (block == Block::kWith) {
      prefix.insert(0, WithObject(text, start, end));
      if (!StartsWithOperator(prefix)) return true;
    } else if (block == Block::kSub || block == Block::kFunction || block == Block::kClass ||
               block == Block::kInterface || block == Block::kType) {
      break;  // no With block encloses a procedure or a type
    }
  }
  return !walker.Mismatched();
}

bool CollectMemberExpression(const char* text, int length, int p, int backNumSetting,
                             std::string& expr) {
  expr.clear();
  if (!text || p < 0 || p >= length) return false;
  int lineStart = assist::LineStartOf(text, length, p);
  // Forward over the line: comment and string state, and the character
  // starts of the part an expression of the longest length can reach.
  int window = std::max(lineStart, p - 2 * kMaxMemberExpression);
  std::vector<int> starts;
  std::vector<bool> inString;
  bool str = false;
  for (int i = lineStart; i <= p;) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"') {
      str = !str;
    } else if (!str && c == '\'') {
      return false;
    }
    if (i >= window) {
      starts.push_back(i);
      inString.push_back(c == '"' || str);
    }
    i += SjisCharLen(text + i, text + length);
  }
  if (str || starts.empty() || starts.back() != p) return false;
  // Backwards from p over word bytes, "->" pairs and bracketed groups.
  int k = static_cast<int>(starts.size()) - 1;
  int first = p;
  while (k >= 0) {
    int pos = starts[k];
    unsigned char c = static_cast<unsigned char>(text[pos]);
    bool single = (k + 1 < static_cast<int>(starts.size()) ? starts[k + 1] : p + 1) - pos == 1;
    if (!single) break;
    if (IsWordChar(c)) {
      first = pos;
      --k;
    } else if (c == '>' && k > 0 && text[starts[k - 1]] == '-') {
      first = starts[k - 1];
      k -= 2;
    } else if ((c == ']' || c == ')') && !inString[k]) {
      int depth = 0;
      int j = k;
      for (; j >= 0; --j) {
        if (inString[j]) continue;
        char b = text[starts[j]];
        if (b == ']' || b == ')') ++depth;
        if ((b == '[' || b == '(') && --depth == 0) break;
      }
      if (j < 0) {
        if (window > lineStart) return false;  // the group is longer than any expression
        break;
      }
      first = starts[j];
      k = j - 1;
    } else {
      break;
    }
    if (p + 1 - first > kMaxMemberExpression) return false;
  }
  expr.assign(text + first, text + p + 1);
  if (StartsWithOperator(expr)) {
    std::string prefix;
    if (!WithPrefix(text, length, first, backNumSetting, prefix) || prefix.empty()) return false;
    expr.insert(0, prefix);
    if (expr.size() > static_cast<size_t>(kMaxMemberExpression)) return false;
  }
  return true;
}

bool OpenMemberList(const char* text, int length, int p, int backNumSetting,
                    const ProgramIndex& program, int programCaret,
                    std::vector<CompletionItem>& items, int& startByte) {
  items.clear();
  std::string expr;
  if (!CollectMemberExpression(text, length, p, backNumSetting, expr)) return false;
  int type = ResolveExpressionType(program, programCaret, expr);
  if (type < 0) return false;
  EnumerateMembers(program, type, items);
  if (items.empty()) return false;
  startByte = p + 1;
  return true;
}
