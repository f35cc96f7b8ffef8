#pragma once
// ASCII case folding and blanks as the language tables compare words.
#include <string_view>

namespace lang {

inline bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }
inline unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace lang
