#include "shell/settings_keys.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

std::string Face(const LOGFONTA& f) { return std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE)); }

}  // namespace

TEST(SettingsKeys, LookupIsCaseSensitiveAndAtLineStarts) {
  int tab = 4;
  EXPECT_FALSE(ReadIniInt("tabsize=8\r\n", "TabSize", tab));
  EXPECT_EQ(tab, 4);
  EXPECT_FALSE(ReadIniInt("TABSIZE=8\r\n", "TabSize", tab));
  EXPECT_EQ(tab, 4);
  // Not at a line start: inside another line, or after a lone LF or CR.
  EXPECT_FALSE(ReadIniInt("X=1 TabSize=8\r\n", "TabSize", tab));
  EXPECT_FALSE(ReadIniInt("X=1\nTabSize=8\r\n", "TabSize", tab));
  EXPECT_FALSE(ReadIniInt("X=1\rTabSize=8\r\n", "TabSize", tab));
  EXPECT_EQ(tab, 4);
  // The key must be followed by "=" directly.
  EXPECT_FALSE(ReadIniInt("TabSize =8\r\nTabSizeX=9\r\n", "TabSize", tab));
  EXPECT_FALSE(ReadIniInt("TabSize\r\n", "TabSize", tab));
  EXPECT_EQ(tab, 4);
  // A longer key sharing the prefix does not hide the real one later.
  EXPECT_TRUE(ReadIniInt("TabSizeX=9\r\nTabSize=6\r\n", "TabSize", tab));
  EXPECT_EQ(tab, 6);
}

TEST(SettingsKeys, EmptyLinesFirstMatchAndEmptyValues) {
  int v = -1;
  EXPECT_TRUE(ReadIniInt("A=1\r\n\r\nTabSize=7\r\n", "TabSize", v));
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(ReadIniInt("\r\n\r\nTabSize=3", "TabSize", v));  // last line without CR LF
  EXPECT_EQ(v, 3);
  EXPECT_TRUE(ReadIniInt("TabSize=2\r\nTabSize=9\r\n", "TabSize", v));
  EXPECT_EQ(v, 2);
  EXPECT_TRUE(ReadIniInt("TabSize=\r\nTabSize=9\r\n", "TabSize", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(ReadIniInt("TabSize=", "TabSize", v));
  EXPECT_EQ(v, 0);
  std::string_view value;
  EXPECT_FALSE(FindIniValue("", "TabSize", value));
  EXPECT_FALSE(FindIniValue("=1\r\n", "", value));
  ASSERT_TRUE(FindIniValue("K=a\rb\r\nL=c", "K", value));
  EXPECT_EQ(value, "a\rb");  // a lone CR does not end the value
}

TEST(SettingsKeys, IntegersAndHexadecimals) {
  EXPECT_EQ(ParseLeadingInt("42abc"), 42);
  EXPECT_EQ(ParseLeadingInt("-19"), -19);
  EXPECT_EQ(ParseLeadingInt("+5"), 5);
  EXPECT_EQ(ParseLeadingInt("  12"), 12);
  EXPECT_EQ(ParseLeadingInt("abc"), 0);
  EXPECT_EQ(ParseLeadingInt("-"), 0);
  EXPECT_EQ(ParseLeadingInt(""), 0);
  EXPECT_EQ(ParseLeadingInt("2147483647"), INT_MAX);
  EXPECT_EQ(ParseLeadingInt("-2147483648"), INT_MIN);
  EXPECT_EQ(ParseLeadingInt("99999999999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseLeadingInt("-99999999999999999999999999"), INT_MIN);

  EXPECT_EQ(ParseLeadingHex("e6e6e6"), 0xE6E6E6u);
  EXPECT_EQ(ParseLeadingHex("FFDCC8\r\n"), 0xFFDCC8u);
  EXPECT_EQ(ParseLeadingHex("0x1f"), 0x1Fu);
  EXPECT_EQ(ParseLeadingHex("0xg"), 0u);
  EXPECT_EQ(ParseLeadingHex("zz"), 0u);
  EXPECT_EQ(ParseLeadingHex("123456789abcdef"), 0xFFFFFFFFu);
  DWORD colour = 7;
  EXPECT_TRUE(ReadIniHex("rgbComment=8000\r\n", "rgbComment", colour));
  EXPECT_EQ(colour, 0x8000u);
}

TEST(SettingsKeys, FontFaceIsEverythingAfterTheLastComma) {
  LOGFONTA f{};
  ASSERT_TRUE(ReadIniFont("EditorFont=-19,0,0,0,400,0,0,0,128,1,2,1,1,Courier  New \r\n", "EditorFont", f));
  EXPECT_EQ(f.lfHeight, -19);
  EXPECT_EQ(f.lfWeight, 400);
  EXPECT_EQ(f.lfCharSet, 128);
  EXPECT_EQ(f.lfPitchAndFamily, 1);
  EXPECT_EQ(Face(f), "Courier  New ");

  // A face holding a comma keeps only its part after the last comma.
  ASSERT_TRUE(ReadIniFont("F=1,2,3,4,5,6,7,8,9,10,11,12,13,Foo, Bar", "F", f));
  EXPECT_EQ(f.lfHeight, 1);
  EXPECT_EQ(f.lfPitchAndFamily, 13);
  EXPECT_EQ(Face(f), " Bar");

  // Japanese faces; long ones are cut at 31 bytes without splitting a character.
  ASSERT_TRUE(ReadIniFont("F=0,0,0,0,0,0,0,0,0,0,0,0,0,ＭＳ Ｐゴシック", "F", f));
  EXPECT_EQ(Face(f), "ＭＳ Ｐゴシック");
  ASSERT_TRUE(ReadIniFont("F=0,0,0,0,0,0,0,0,0,0,0,0,0,a表表表表表表表表表表表表表表表表表", "F", f));
  EXPECT_EQ(Face(f), "a表表表表表表表表表表表表表表表");  // 31 bytes
  ASSERT_TRUE(ReadIniFont("F=0,0,0,0,0,0,0,0,0,0,0,0,0,", "F", f));
  EXPECT_EQ(Face(f), "");

  // Fewer than thirteen numbers: malformed, the font stays as it was.
  LOGFONTA keep{};
  keep.lfHeight = 77;
  EXPECT_FALSE(ReadIniFont("F=1,2,3,Arial", "F", keep));
  EXPECT_FALSE(ReadIniFont("F=Arial", "F", keep));
  EXPECT_EQ(keep.lfHeight, 77);
}

TEST(SettingsKeys, RectsBandsAndStrings) {
  RECT r{9, 9, 9, 9};
  ASSERT_TRUE(ReadIniRect("WindowRect=10,-20,300,400\r\n", "WindowRect", r));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, -20);
  EXPECT_EQ(r.right, 300);
  EXPECT_EQ(r.bottom, 400);
  ASSERT_TRUE(ReadIniRect("WindowRect=5,6\r\n", "WindowRect", r));
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 6);
  EXPECT_EQ(r.right, 0);
  EXPECT_EQ(r.bottom, 0);

  RebarBand b{};
  ASSERT_TRUE(ReadIniBand("RebarBand1=2,277,1\r\n", "RebarBand1", b));
  EXPECT_EQ(b.id, 2);
  EXPECT_EQ(b.width, 277);
  EXPECT_EQ(b.flags, 1);

  std::string s = "old";
  ASSERT_TRUE(ReadIniString("PageStr=ページ &n\r\n", "PageStr", 255, s));
  EXPECT_EQ(s, "ページ &n");
  ASSERT_TRUE(ReadIniString("P=表示表示", "P", 5, s));
  EXPECT_EQ(s, "表示");  // the third character would cross the bound
  ASSERT_TRUE(ReadIniString("P=ab\x81", "P", 255, s));
  EXPECT_EQ(s, "ab\x81");  // a lone lead byte at the end is one byte
}

TEST(SettingsKeys, ValuesAreBoundedTo8191Bytes) {
  std::string text = "Big=" + std::string(20000, 'x') + "\r\nNext=5\r\n";
  std::string_view value;
  ASSERT_TRUE(FindIniValue(text, "Big", value));
  EXPECT_EQ(value.size(), kMaxIniValueBytes);
  int next = 0;
  EXPECT_TRUE(ReadIniInt(text, "Next", next));
  EXPECT_EQ(next, 5);
  // The bound never splits a double-byte character.
  std::string sjis = "K=";
  for (int i = 0; i < 5000; ++i) sjis += "表";
  ASSERT_TRUE(FindIniValue(sjis, "K", value));
  EXPECT_EQ(value.size(), kMaxIniValueBytes - 1);
}

TEST(SettingsKeys, WritersProduceTheExactLineFormats) {
  std::string out;
  AppendIniInt(out, "TabSize", -4);
  AppendIniHex(out, "rgbDefault", 0x00ABCDEF);
  AppendIniString(out, "PageStr", "ページ &n");
  AppendIniRect(out, "WindowRect", RECT{1, 2, 3, 4});
  AppendIniBand(out, "RebarBand0", RebarBand{1, 150, 0});
  AppendIniFont(out, "HintFont", MakeLogFont(-12, 0, 0, 0, 100, 0, 0, 0, 0, 1, 2, 1, 2, "ＭＳ Ｐゴシック"));
  EXPECT_EQ(out,
            "TabSize=-4\r\n"
            "rgbDefault=abcdef\r\n"
            "PageStr=ページ &n\r\n"
            "WindowRect=1,2,3,4\r\n"
            "RebarBand0=1,150,0\r\n"
            "HintFont=-12,0,0,0,100,0,0,0,0,1,2,1,2,ＭＳ Ｐゴシック\r\n");

  // What is written reads back.
  int tab = 0;
  DWORD colour = 0;
  LOGFONTA font{};
  ASSERT_TRUE(ReadIniInt(out, "TabSize", tab));
  ASSERT_TRUE(ReadIniHex(out, "rgbDefault", colour));
  ASSERT_TRUE(ReadIniFont(out, "HintFont", font));
  EXPECT_EQ(tab, -4);
  EXPECT_EQ(colour, 0xABCDEFu);
  EXPECT_EQ(font.lfWeight, 100);
  EXPECT_EQ(font.lfPitchAndFamily, 2);
  EXPECT_EQ(Face(font), "ＭＳ Ｐゴシック");
}
