#include "ancillar/regex/regex_prefix.h"

#include <cstring>

namespace {

bool IsMeta(char32_t c) { return c == 0 || (c < 0x80 && std::strchr("\\^$.[]()*+?{}|#", static_cast<int>(c))); }

bool IsOptionalQuantifier(char32_t c) { return c == '*' || c == '?' || c == '{'; }

// Index of the ")" closing the group opened at `open`, or npos.
size_t MatchingParen(const std::u32string& p, size_t open) {
  int depth = 0;
  for (size_t i = open; i < p.size(); ++i) {
    char32_t c = p[i];
    if (c == '\\') {
      ++i;
    } else if (c == '[') {
      size_t k = i + 1;
      if (k < p.size() && p[k] == '^') ++k;
      if (k < p.size() && p[k] == ']') ++k;
      while (k < p.size() && p[k] != ']') k += (p[k] == '\\') ? 2 : 1;
      if (k >= p.size()) return std::u32string::npos;
      i = k;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (--depth == 0) return i;
    }
  }
  return std::u32string::npos;
}

}  // namespace

std::u32string RequiredLiteralPrefix(const std::u32string& pattern) {
  if (pattern.find(U'|') != std::u32string::npos) return std::u32string();
  size_t i = 0;
  size_t groups = 0;
  while (i < pattern.size() && pattern[i] == '(' && (i + 1 >= pattern.size() || pattern[i + 1] != '?')) {
    ++i;
    ++groups;
  }
  std::u32string prefix;
  while (i < pattern.size() && !IsMeta(pattern[i])) prefix.push_back(pattern[i++]);
  if (i < pattern.size() && IsOptionalQuantifier(pattern[i]) && !prefix.empty()) prefix.pop_back();
  if (prefix.empty()) return prefix;
  for (size_t g = 0; g < groups; ++g) {
    size_t close = MatchingParen(pattern, g);
    if (close == std::u32string::npos) return std::u32string();
    if (close + 1 < pattern.size() && IsOptionalQuantifier(pattern[close + 1])) return std::u32string();
  }
  return prefix;
}
