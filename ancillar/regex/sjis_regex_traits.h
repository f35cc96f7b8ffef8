#pragma once
// Boost.Regex traits for code page 932 codes (see sjis_case.h): case folding
// of ASCII, full-width Latin, Greek and Cyrillic letters, and character
// classes that place kana and kanji among the word characters.
//   \w  letters of every script above, kana, kanji, digits (also ０-９), "_"
//   \d  0-9 and ０-９        \s  ASCII white space and the ideographic space
//   ranges such as [ぁ-ん] compare cp932 codes.
#include <boost/regex.hpp>

#include <cstdint>
#include <locale>
#include <string>
#include <vector>

#include "ancillar/regex/sjis_case.h"

class SjisRegexTraits {
 public:
  using char_type = char32_t;
  using size_type = std::size_t;
  using string_type = std::vector<char32_t>;
  using locale_type = std::locale;
  using char_class_type = std::uint32_t;
  struct boost_extensions_tag {};

  SjisRegexTraits() = default;

  static size_type length(const char_type* p) {
    size_type n = 0;
    while (p[n]) ++n;
    return n;
  }
  boost::regex_constants::syntax_type syntax_type(char_type c) const {
    return (c > 0 && c < 0x7F) ? boost::BOOST_REGEX_DETAIL_NS::get_default_syntax_type(static_cast<char>(c))
                               : boost::regex_constants::syntax_char;
  }
  boost::regex_constants::escape_syntax_type escape_syntax_type(char_type c) const {
    return (c > 0 && c < 0x7F)
               ? boost::BOOST_REGEX_DETAIL_NS::get_default_escape_syntax_type(static_cast<char>(c))
               : boost::regex_constants::syntax_char;
  }
  char_type translate(char_type c) const { return c; }
  char_type translate_nocase(char_type c) const { return SjisToLower(c); }
  char_type translate(char_type c, bool icase) const { return icase ? SjisToLower(c) : c; }
  char_type tolower(char_type c) const { return SjisToLower(c); }
  char_type toupper(char_type c) const { return SjisToUpper(c); }
  // Collation is by code: cp932 orders each script's letters ascending.
  string_type transform(const char_type* p1, const char_type* p2) const { return string_type(p1, p2); }
  string_type transform_primary(const char_type* p1, const char_type* p2) const {
    string_type s;
    for (; p1 != p2; ++p1) s.push_back(SjisToLower(*p1));
    return s;
  }
  char_class_type lookup_classname(const char_type* p1, const char_type* p2) const;
  string_type lookup_collatename(const char_type* p1, const char_type* p2) const;
  bool isctype(char_type c, char_class_type f) const { return (SjisClassify(c) & f) != 0; }
  std::intmax_t toi(const char_type*& p1, const char_type* p2, int radix) const {
    return boost::BOOST_REGEX_DETAIL_NS::global_toi(p1, p2, radix, *this);
  }
  int value(char_type c, int radix) const {
    int v = -1;
    if (c >= '0' && c <= '9') v = static_cast<int>(c - '0');
    else if (c >= 'a' && c <= 'z') v = static_cast<int>(c - 'a') + 10;
    else if (c >= 'A' && c <= 'Z') v = static_cast<int>(c - 'A') + 10;
    return v < radix ? v : -1;
  }
  locale_type imbue(locale_type l) { return l; }
  locale_type getloc() const { return locale_type(); }
  std::string error_string(boost::regex_constants::error_type n) const {
    return boost::BOOST_REGEX_DETAIL_NS::get_default_error_string(n);
  }

 private:
  SjisRegexTraits(const SjisRegexTraits&) = delete;
  SjisRegexTraits& operator=(const SjisRegexTraits&) = delete;
};

inline SjisRegexTraits::char_class_type SjisRegexTraits::lookup_classname(const char_type* p1,
                                                                          const char_type* p2) const {
  constexpr char_class_type alpha = kSjisUpper | kSjisLower | kSjisLetterOther;
  constexpr char_class_type digit = kSjisDigit | kSjisWideDigit;
  constexpr char_class_type graph = alpha | digit | kSjisPunct;
  // Order of boost's default class ids: alnum alpha blank cntrl d digit graph
  // h l lower print punct s space u unicode upper v w word xdigit.
  static const char_class_type masks[] = {
      alpha | digit, alpha, kSjisBlank, kSjisCntrl, digit, digit, graph,
      kSjisHorizontal, kSjisLower, kSjisLower, graph | kSjisBlank, kSjisPunct, kSjisSpace, kSjisSpace,
      kSjisUpper, kSjisNonAscii, kSjisUpper, kSjisVertical, alpha | digit | kSjisUnderscore,
      alpha | digit | kSjisUnderscore, kSjisXdigit,
  };
  int id = boost::BOOST_REGEX_DETAIL_NS::get_default_class_id(p1, p2);
  if (id < 0) {
    std::vector<char_type> lower;
    for (const char_type* p = p1; p != p2; ++p) lower.push_back(SjisToLower(*p));
    if (!lower.empty()) id = boost::BOOST_REGEX_DETAIL_NS::get_default_class_id(lower.data(), lower.data() + lower.size());
  }
  if (id < 0 || static_cast<std::size_t>(id) >= sizeof(masks) / sizeof(masks[0])) return 0;
  return masks[id];
}

inline SjisRegexTraits::string_type SjisRegexTraits::lookup_collatename(const char_type* p1,
                                                                       const char_type* p2) const {
  std::string name;
  for (const char_type* p = p1; p != p2; ++p) {
    if (*p >= 0x80) return p2 - p1 == 1 ? string_type(p1, p2) : string_type();
    name.push_back(static_cast<char>(*p));
  }
  std::string s = boost::BOOST_REGEX_DETAIL_NS::lookup_default_collate_name(name);
  if (!s.empty()) {
    string_type r;
    for (char ch : s) r.push_back(static_cast<unsigned char>(ch));
    return r;
  }
  if (p2 - p1 == 1) return string_type(p1, p2);
  return string_type();
}
