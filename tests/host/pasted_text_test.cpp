// Pasted Unicode text made Shift-JIS by our converter: what cannot be kept
// becomes the geta mark, as when a file is read, and is named for the user.
#include <gtest/gtest.h>

#include <string>

#include "charset_test_support.h"
#include "files/pasted_text.h"

TEST(PastedText, Utf16ToUtf8) {
  struct Case {
    std::u16string in;
    std::string out;
  };
  const Case cases[] = {
      {u"", ""},
      {u"abc\r\n", "abc\r\n"},
      {u"\u00E9\u6F22", "\xC3\xA9\xE6\xBC\xA2"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {u"\U00020BB7x", "\xF0\xA0\xAE\xB7x"},
      // Lone surrogates, either half, anywhere.
      {std::u16string(1, u'\xD83D'), "\xEF\xBF\xBD"},
      {std::u16string(u"a") + u'\xDE00' + u"b", "a\xEF\xBF\xBD" "b"},
      {std::u16string(1, u'\xD83D') + u"\U0001F600", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf16ToUtf8(c.in), c.out);
}

TEST(PastedText, ConvertedAsFilesAreReadAndTheLostNamed) {
  charset_test::EngineLoaded engine;
  struct Case {
    std::u16string in;
    std::string sjis;
    size_t lost;
    std::vector<char32_t> named;
  };
  const Case cases[] = {
      {u"abc\r\ndef", "abc\r\ndef", 0, {}},
      {u"漢字かなカナ①ｶﾅ", "漢字かなカナ①ｶﾅ", 0, {}},
      // The report of the issue: five characters Shift-JIS cannot hold.
      {u"\U0001F600 \U00020BB7 \u20AC \u00E9 \u00F1", "〓 〓 〓 〓 〓", 5,
       {0x1F600, 0x20BB7, 0x20AC, 0xE9, 0xF1}},
      // Repeats count each time but are named once.
      {u"\u00E9\u00E9x\u00E9", "〓〓x〓", 3, {0xE9}},
      // The geta mark itself and a WAVE DASH (kept as its Shift-JIS look-alike) are not losses.
      {u"〓\u301C", "〓\x81\x60", 0, {}},
      // A byte order mark at the start is a character like any other here.
      {u"\uFEFFa", "〓a", 1, {0xFEFF}},
      // The text ends at its first NUL.
      {std::u16string(u"ab\0\u00E9", 4), "ab", 0, {}},
      {std::u16string(1, u'\xDC00'), "〓", 1, {0xFFFD}},
  };
  for (const Case& c : cases) {
    PastedText p = ConvertPastedUnicode(c.in);
    SCOPED_TRACE(c.sjis);
    EXPECT_TRUE(p.converted);
    EXPECT_EQ(p.text, c.sjis);
    EXPECT_EQ(p.lost, c.lost);
    EXPECT_EQ(p.lostNamed, c.named);
    EXPECT_FALSE(p.moreLost);
  }
}

TEST(PastedText, ManyDifferentLostCharactersAreNamedUpToALimit) {
  charset_test::EngineLoaded engine;
  std::u16string in;
  for (char16_t c = 0xC0; c < 0xC0 + 15; ++c) in += c;  // À..Î: none in Shift-JIS
  PastedText p = ConvertPastedUnicode(in);
  EXPECT_EQ(p.lost, 15u);
  ASSERT_EQ(p.lostNamed.size(), kNamedLost);
  EXPECT_EQ(p.lostNamed.front(), 0xC0u);
  EXPECT_TRUE(p.moreLost);
  EXPECT_EQ(PasteLossNotice(p),
            "貼り付けたテキストには、Shift-JIS で表せない文字が 15 文字ありました。\n"
            "U+00C0 U+00C1 U+00C2 U+00C3 U+00C4 U+00C5 U+00C6 U+00C7 U+00C8 U+00C9 ほか\n"
            "それらの文字は〓に置き換えて貼り付けました。");
}

TEST(PastedText, NoticeAndNoConverter) {
  charset_test::EngineLoaded engine;
  EXPECT_EQ(PasteLossNotice(ConvertPastedUnicode(u"plain")), "");
  EXPECT_EQ(PasteLossNotice(ConvertPastedUnicode(u"a\U0001F600")),
            "貼り付けたテキストには、Shift-JIS で表せない文字が 1 文字ありました。\nU+1F600\n"
            "それらの文字は〓に置き換えて貼り付けました。");
  NkfUseProcs(nullptr);
  PastedText p = ConvertPastedUnicode(u"a\U0001F600");
  EXPECT_FALSE(p.converted);
  EXPECT_EQ(PasteLossNotice(p), "");
}
