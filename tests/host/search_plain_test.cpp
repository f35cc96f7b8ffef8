#include <gtest/gtest.h>

#include <string>

#include "search/plain_search.h"

namespace {

int Find(const std::string& text, const std::string& needle, bool matchCase, int from = 0) {
  return PlainSearch(text.data(), static_cast<int>(text.size()), from, needle, matchCase);
}

}  // namespace

TEST(SearchPlain, StepsByCharacters) {
  // "ａ" is 0x82 0x81, "ア" 0x83 0x41, "ー" 0x81 0x5B: trail bytes look like ASCII.
  EXPECT_EQ(Find("ア", "A", true), -1);
  EXPECT_EQ(Find("ア", "a", false), -1);
  EXPECT_EQ(Find("アA", "A", true), 2);
  // 0x61 ("a") as the trail byte of a double-byte character (0x83 0x61 "ャ").
  EXPECT_EQ(Find("\x83\x61" "b", "a", false), -1);
  EXPECT_EQ(Find("\x83\x61" "b", "ab", true), -1);
  EXPECT_EQ(Find("ソ表能", "\\", true), -1);
  EXPECT_EQ(Find("ソ表能\\", "\\", true), 6);
  // A needle that starts with a trail-byte value followed by a lead: the
  // byte sequence 0x5C 0x94 occurs across "表能" but not at a character start.
  EXPECT_EQ(Find("表能", "\x5c\x94", true), -1);
  // Runs of lead-range bytes: "院院" is 0x89 0x40 0x89 0x40; "@\x89" only across.
  EXPECT_EQ(Find("院院", "@\x89", true), -1);
  EXPECT_EQ(Find("\x89\x89\x89\x89" "A", "\x89" "A", true), -1);
  EXPECT_EQ(Find("\x89\x89\x89" "A", "\x89" "A", true), 2);
}

TEST(SearchPlain, IgnoringCaseFoldsWholeCharacters) {
  EXPECT_EQ(Find("xxHELLO", "hello", false), 2);
  EXPECT_EQ(Find("xxHELLO", "hello", true), -1);
  EXPECT_EQ(Find("あＡＢＣ", "ａｂｃ", false), 2);
  EXPECT_EQ(Find("あＡＢＣ", "ａｂｃ", true), -1);
  EXPECT_EQ(Find("ΣΩ", "σω", false), 0);
  EXPECT_EQ(Find("ПРИВЕТ", "привет", false), 0);
  // No folding across widths.
  EXPECT_EQ(Find("ABC", "ａｂｃ", false), -1);
  // Kana have no case: "ァ" (0x83 0x40) and "ア" (0x83 0x41) stay different.
  EXPECT_EQ(Find("ア", "ァ", false), -1);
}

TEST(SearchPlain, BoundsAndStart) {
  EXPECT_EQ(Find("", "a", true), -1);
  EXPECT_EQ(Find("abc", "", true), -1);
  EXPECT_EQ(Find("abcabc", "abc", true, 1), 3);
  EXPECT_EQ(Find("abcabc", "abc", false, 4), -1);
  EXPECT_EQ(Find("abc", "abcd", false), -1);
  // A lone lead byte at the end of the text is a character of its own.
  EXPECT_EQ(Find("ab\x83", "\x83", true), 2);
  EXPECT_EQ(Find("ab\x83", "\x83", false), 2);
  // A needle ending in a lone lead byte never matches half of a character.
  EXPECT_EQ(Find("xア", "x\x83", true), -1);
  EXPECT_EQ(Find("xア", "x\x83", false), -1);
  // Text without terminator: the search stays inside len.
  const std::string t = "abcdef";
  EXPECT_EQ(PlainSearch(t.data(), 3, 0, "cd", true), -1);
  EXPECT_EQ(PlainSearch(t.data(), 3, 0, "CD", false), -1);
}

TEST(SearchPlain, AgreesWithACharacterByCharacterScan) {
  // Reference: try every character start, compare bytes exactly, and accept
  // only matches that end at a character boundary.
  std::string text;
  const char* pieces[] = {"ア", "A", "表", "\\", "a", "\x89", "@", "院", "ソ", "\r\n"};
  unsigned seed = 12345;
  for (int i = 0; i < 4000; ++i) {
    seed = seed * 1103515245u + 12345u;
    text += pieces[(seed >> 16) % 10];
  }
  for (const char* needle : {"A", "\\", "@", "\x89@", "表\\", "a\x89", "院ソ", "ソ\r\n"}) {
    std::string n = needle;
    auto charLen = [&](size_t p) -> size_t {
      unsigned char c = static_cast<unsigned char>(text[p]);
      return ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && p + 1 < text.size() ? 2 : 1;
    };
    int expected = -1;
    for (size_t p = 0; p < text.size() && expected < 0; p += charLen(p)) {
      if (text.compare(p, n.size(), n) != 0) continue;
      size_t e = p;
      while (e < p + n.size()) e += charLen(e);
      if (e == p + n.size()) expected = static_cast<int>(p);
    }
    EXPECT_EQ(Find(text, n, true), expected) << needle;
    EXPECT_EQ(Find(text, n, false), expected) << needle;
  }
}
