// Selection conversions: case, TABs and spaces, wrapping and quoting.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editing_test_support.h"
#include "platform/sjis.h"

namespace {

constexpr Conversion kLower = Conversion::kLower, kUpper = Conversion::kUpper, kHalf = Conversion::kHalfWidth,
                     kFull = Conversion::kFullWidth, kKata = Conversion::kKatakana;
constexpr Conversion kTabs = Conversion::kTabsToSpaces, kSpaces = Conversion::kSpacesToTabs,
                     kQuote = Conversion::kQuoteWrap, kWrap = Conversion::kWrap;

TextLayout Layout(int tab, int maxLen) {
  TextLayout l;
  l.tabSize = tab;
  l.maxOneLineTextLength = maxLen;
  return l;
}

TEST(Conversions, CaseMappingLeavesDoubleByteCharactersAlone) {
  // ア is 0x83 0x41 and ヂ 0x83 0x61: their second bytes have the values of A and a.
  const std::string mixed = "aBz ア ヂ ソ表能 \xB1 Zq";
  EXPECT_EQ(AsciiCase(mixed, true), "ABZ ア ヂ ソ表能 \xB1 ZQ");
  EXPECT_EQ(AsciiCase(mixed, false), "abz ア ヂ ソ表能 \xB1 zq");
  // A lead byte at the very end is a single byte; the byte is left as it is.
  EXPECT_EQ(AsciiCase("a\x83", true), "A\x83");
  EXPECT_EQ(AsciiCase("\x83" "a", true), "\x83" "a");
}

TEST(Conversions, CaseOfTheSelectionIsOneUndoableStep) {
  EditSlot s("keep THIS Text\r\nnext");
  s.Select(5, 14);
  ASSERT_TRUE(ConvertSelection(s.text, kLower, nullptr));
  EXPECT_EQ(s.Text(), "keep this text\r\nnext");
  EXPECT_EQ(s.ring().entries[0].kind, UndoKind::kReplace);
  s.Select(0, 4);
  ASSERT_TRUE(ConvertSelection(s.text, kUpper, nullptr));
  EXPECT_EQ(s.Text(), "KEEP this text\r\nnext");
  ASSERT_TRUE(Undo(s.text));
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "keep THIS Text\r\nnext");
  // Nothing to change: no step.
  s.Select(0, 4);
  EXPECT_FALSE(ConvertSelection(s.text, kLower, nullptr));
  EXPECT_EQ(RedoStepCount(s.ring()), 2);
}

TEST(Conversions, TabsBecomeExactlyTabSizeSpaces) {
  EXPECT_EQ(TabsToSpaces("a\tb", 4), "a    b");
  EXPECT_EQ(TabsToSpaces("abc\td", 4), "abc    d");
  EXPECT_EQ(TabsToSpaces("\t\t", 2), "    ");
  EXPECT_EQ(TabsToSpaces("表\t", 3), "表   ");
  // After a lead byte a TAB is that character's second byte, as the document reads it.
  EXPECT_EQ(TabsToSpaces("\x83\t\t", 2), "\x83\t  ");
  EXPECT_EQ(TabsToSpaces("a\x83", 2), "a\x83");
  EditSlot s("x\r\nabc\td", DocumentKind::kText, Layout(4, 75));
  s.Select(3, 8);
  ASSERT_TRUE(ConvertSelection(s.text, kTabs, nullptr));
  EXPECT_EQ(s.Text(), "x\r\nabc    d");
  EditSlot t("a\tb", DocumentKind::kText, Layout(8, 75));
  t.Select(0, 3);
  ASSERT_TRUE(ConvertSelection(t.text, kTabs, nullptr));
  EXPECT_EQ(t.Text(), "a        b");
}

TEST(Conversions, RunsOfTabSizeSpacesBecomeTabs) {
  EXPECT_EQ(SpacesToTabs("        x", 4), "\t\tx");
  EXPECT_EQ(SpacesToTabs("   x", 4), "   x");
  EXPECT_EQ(SpacesToTabs("a     b", 4), "a\t b");
  EXPECT_EQ(SpacesToTabs("  あ    ", 2), "\tあ\t\t");
  EXPECT_EQ(SpacesToTabs("\x83   ", 2), "\x83 \t");
  EXPECT_EQ(SpacesToTabs("  \x83", 2), "\t\x83");
  EditSlot s("      y", DocumentKind::kText, Layout(3, 75));
  s.Select(0, 7);
  ASSERT_TRUE(ConvertSelection(s.text, kSpaces, nullptr));
  EXPECT_EQ(s.Text(), "\t\ty");
}

TEST(Conversions, WrapBreaksBeforeTheCharacterPastTheLimit) {
  // limit 10: a line holds characters starting at columns 0 to 10.
  EXPECT_EQ(WrapLines("0123456789ab", 4, 10, false), "0123456789a\r\nb");
  EXPECT_EQ(WrapLines("0123456789a", 4, 10, false), "0123456789a");
  // Existing line ends restart the count.
  EXPECT_EQ(WrapLines("aaaaaaaaaaa\r\nbbbbbbbbbbb", 4, 10, false), "aaaaaaaaaaa\r\nbbbbbbbbbbb");
  // A TAB advances to the next tab stop.
  EXPECT_EQ(WrapLines("aaaaaaaaa\tb", 4, 10, false), "aaaaaaaaa\t\r\nb");
  // A double-byte character counts two columns and is never split.
  EXPECT_EQ(WrapLines("aaaaaaaaa あい", 4, 10, false), "aaaaaaaaa あ\r\nい");
  // The second byte of ア has the value of "A", yet it is no word character.
  EXPECT_EQ(WrapLines("aaaaaaaaaアb", 4, 10, false), "aaaaaaaaaア\r\nb");
  EXPECT_EQ(WrapLines("", 4, 10, false), "");
}

TEST(Conversions, WrapMovesWordRunsOfTwoOrMoreBytes) {
  EXPECT_EQ(WrapLines("aaaa bbbbbbbb", 4, 10, false), "aaaa \r\nbbbbbbbb");
  // A run of one byte stays.
  EXPECT_EQ(WrapLines("xxxxxxxxx bc", 4, 10, false), "xxxxxxxxx b\r\nc");
  // A run reaching column 1 or 0 stays; from column 2 it moves.
  EXPECT_EQ(WrapLines("-bbbbbbbbbbbb", 4, 10, false), "-bbbbbbbbbb\r\nbb");
  EXPECT_EQ(WrapLines("--bbbbbbbbbbb", 4, 10, false), "--\r\nbbbbbbbbbbb");
  EXPECT_EQ(WrapLines("bbbbbbbbbbbbbbbbbbbbbbbb", 4, 10, false), "bbbbbbbbbbb\r\nbbbbbbbbbbb\r\nbb");
  // Full stops and digits belong to words.
  EXPECT_EQ(WrapLines("say: obj.f12(", 4, 10, false), "say: \r\nobj.f12(");
}

TEST(Conversions, WrapAtTheDefaultLineLength) {
  const std::string line = std::string(70, 'x') + " abcdefgh";
  EditSlot s("top\r\n" + line + "\r\nend");
  s.Select(10, 12);  // inside the long line
  ASSERT_TRUE(ConvertSelection(s.text, kWrap, nullptr));
  EXPECT_EQ(s.Text(), "top\r\n" + std::string(70, 'x') + " \r\nabcdefgh\r\nend");
  EXPECT_EQ(UndoStepCount(s.ring()), 1);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "top\r\n" + line + "\r\nend");
}

TEST(Conversions, QuoteAndWrapPrefixesEveryLine) {
  EXPECT_EQ(WrapLines("aaaaaaaaaaaa", 4, 8, true), "> aaaaaaaaa\r\n> aaa");
  EXPECT_EQ(WrapLines("a\r\n\r\nb", 4, 8, true), "> a\r\n> \r\n> b");
  EXPECT_EQ(WrapLines("", 4, 8, true), "> ");
  EXPECT_EQ(WrapLines("ab cdefghij", 4, 8, true), "> ab \r\n> cdefghij");
  // The limit never goes below column 0: one character per line, no endless loop.
  EXPECT_EQ(WrapLines("abc", 4, -2, true), "> a\r\n> b\r\n> c");

  EditSlot s("one\r\ntwo words here\r\nthree", DocumentKind::kText, Layout(4, 12));
  s.Select(5, 13);  // inside the second line
  ASSERT_TRUE(ConvertSelection(s.text, kQuote, nullptr));
  EXPECT_EQ(s.Text(), "one\r\n> two \r\n> words \r\n> here\r\nthree");
  EditSlot t("", DocumentKind::kText);
  ASSERT_TRUE(ConvertSelection(t.text, kQuote, nullptr));
  EXPECT_EQ(t.Text(), "> ");
  // A selection ending at a line start leaves that line alone (a margin
  // click selects a line with its CR LF); an empty one at a line start takes its line.
  struct Case {
    int anchor, caret;
    const char* expected;
  };
  const Case cases[] = {
      {5, 21, "one\r\n> two words here\r\nthree"},
      {0, 5, "> one\r\ntwo words here\r\nthree"},
      {5, 5, "one\r\n> two words here\r\nthree"},
      {5, 22, "one\r\n> two words here\r\n> three"},
  };
  for (const Case& c : cases) {
    EditSlot u("one\r\ntwo words here\r\nthree", DocumentKind::kText);
    u.Select(c.caret, c.anchor);
    ASSERT_TRUE(ConvertSelection(u.text, kQuote, nullptr)) << c.anchor << "," << c.caret;
    EXPECT_EQ(u.Text(), c.expected) << c.anchor << "," << c.caret;
  }
}

// Whatever the text, wrapping only adds line breaks (and prefixes), never
// splits a character, and no character starts past the limit.
TEST(Conversions, WrapPropertiesOnRandomText) {
  std::mt19937 rng(4183);
  const char* pieces[] = {"a", "bc", "word", ".", " ", "\t", "\r\n", "表", "ア", "\r", "\n", "(", "12"};
  for (int round = 0; round < 400; ++round) {
    std::string in;
    const int n = static_cast<int>(rng() % 40);
    for (int i = 0; i < n; ++i) in += pieces[rng() % (sizeof(pieces) / sizeof(pieces[0]))];
    const int tab = 1 + static_cast<int>(rng() % 8);
    const int limit = static_cast<int>(rng() % 12);
    const bool quote = rng() % 2;
    const std::string out = WrapLines(in, tab, limit, quote);
    std::string strippedIn, strippedOut;
    for (size_t i = 0; i < in.size(); ++i) {
      if (in.compare(i, 2, "\r\n") == 0)
        ++i;
      else
        strippedIn += in[i];
    }
    size_t i = 0;
    while (i <= out.size()) {
      size_t lineEnd = out.find("\r\n", i);
      if (lineEnd == std::string::npos) lineEnd = out.size();
      std::string line = out.substr(i, lineEnd - i);
      if (quote) {
        ASSERT_EQ(line.compare(0, 2, "> "), 0) << out;
        line.erase(0, 2);
      }
      strippedOut += line;
      int col = 0;
      for (size_t k = 0; k < line.size();) {
        ASSERT_LE(col, limit) << "in: " << in << " out: " << out;
        const int len = SjisCharLen(line.data() + k, line.data() + line.size());
        col += len == 2 ? 2 : (line[k] == '\t' ? tab - col % tab : 1);
        k += static_cast<size_t>(len);
      }
      i = lineEnd + 2;
    }
    ASSERT_EQ(strippedOut, strippedIn) << out;
  }
}

bool FakeLocaleMap(Conversion c, std::string_view in, std::string& out) {
  out = "[" + std::to_string(static_cast<int>(c)) + ":" + std::string(in) + "]";
  return true;
}
bool FailingLocaleMap(Conversion, std::string_view, std::string&) { return false; }

TEST(Conversions, LocaleMappingsGoThroughTheSuppliedFunction) {
  EditSlot s("abc");
  s.Select(1, 2);
  ASSERT_TRUE(ConvertSelection(s.text, kKata, FakeLocaleMap));
  EXPECT_EQ(s.Text(), "a[4:b]c");
  EXPECT_EQ(s.ring().entries[0].kind, UndoKind::kReplace);
  s.Select(0, 1);
  EXPECT_FALSE(ConvertSelection(s.text, kHalf, FailingLocaleMap));
  EXPECT_FALSE(ConvertSelection(s.text, kFull, nullptr));
  EXPECT_EQ(s.Text(), "a[4:b]c");
}

TEST(Conversions, EmptySelectionInsertsAPastedBlock) {
  EditSlot s("ab");
  s.Place(1);
  ASSERT_TRUE(ConvertSelection(s.text, kHalf, FakeLocaleMap));
  EXPECT_EQ(s.Text(), "a[2:]b");
  EXPECT_EQ(s.ring().entries[0].kind, UndoKind::kBlock);
}

}  // namespace
