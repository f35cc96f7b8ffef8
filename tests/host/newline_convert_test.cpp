// Newline codes, the NUL clean-up and the names shown for both codes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "files/charset_names.h"
#include "files/newline.h"

TEST(NewlineConvert, DetectFromTheFirstLineEnd) {
  EXPECT_EQ(DetectNewline("a\r\nb\nc"), Newline::kCrLf);
  EXPECT_EQ(DetectNewline("a\nb\r\n"), Newline::kLf);
  EXPECT_EQ(DetectNewline("a\rb\r\n"), Newline::kCr);
  EXPECT_EQ(DetectNewline("no line end"), Newline::kCrLf);
  EXPECT_EQ(DetectNewline(""), Newline::kCrLf);
  EXPECT_EQ(DetectNewline("ends in CR\r"), Newline::kCr);
  // Shift-JIS trail bytes are never CR or LF: ソ表 hold 0x5C, not line ends.
  EXPECT_EQ(DetectNewline("ソ表\n"), Newline::kLf);
}

TEST(NewlineConvert, ToCrLfTakesEveryLineEndOfTheCode) {
  EXPECT_EQ(ToCrLf("a\nb\n", Newline::kLf), "a\r\nb\r\n");
  EXPECT_EQ(ToCrLf("a\rb\r", Newline::kCr), "a\r\nb\r\n");
  // Literally: under CR the later CR LF becomes CR LF LF, under LF a CR CR LF.
  EXPECT_EQ(ToCrLf("a\rb\r\nc", Newline::kCr), "a\r\nb\r\n\nc");
  EXPECT_EQ(ToCrLf("a\nb\r\nc", Newline::kLf), "a\r\nb\r\r\nc");
  EXPECT_EQ(ToCrLf("a\nb", Newline::kCrLf), "a\nb");
  EXPECT_EQ(ToCrLf("", Newline::kLf), "");
  EXPECT_EQ(ToCrLf("\n\n", Newline::kLf), "\r\n\r\n");
}

TEST(NewlineConvert, CrLfToInPlace) {
  std::string s = "a\r\nb\r\n\r\nc";
  CrLfTo(s, Newline::kLf);
  EXPECT_EQ(s, "a\nb\n\nc");
  s = "a\r\nb\r\n";
  CrLfTo(s, Newline::kCr);
  EXPECT_EQ(s, "a\rb\r");
  // Lone CRs and LFs stay; a CR at the very end is a lone CR.
  s = "x\ry\nz\r\r\n\r";
  CrLfTo(s, Newline::kLf);
  EXPECT_EQ(s, "x\ry\nz\r\n\r");
  s = "a\r\nb";
  CrLfTo(s, Newline::kCrLf);
  EXPECT_EQ(s, "a\r\nb");
}

TEST(NewlineConvert, TextWithoutLineEndsIsItselfUnderEveryCode) {
  const std::string t = "漢字 text ソ表";
  for (Newline code : {Newline::kCrLf, Newline::kLf, Newline::kCr}) {
    EXPECT_EQ(ToCrLf(t, code), t);
    std::string c = t;
    CrLfTo(c, code);
    EXPECT_EQ(c, t);
  }
}

TEST(NewlineConvert, RoundTripOfRandomTexts) {
  // A CR LF text without lone CR or LF survives both directions for each code.
  std::mt19937 rng(1310);
  std::uniform_int_distribution<int> pick(0, 5);
  const char* parts[] = {"a", "漢字", "\r\n", " ", "ソ", "\t"};
  for (int round = 0; round < 200; ++round) {
    std::string t;
    for (int i = 0; i < 40; ++i) t += parts[pick(rng)];
    for (Newline code : {Newline::kLf, Newline::kCr}) {
      std::string f = t;
      CrLfTo(f, code);
      EXPECT_EQ(f.find(code == Newline::kLf ? '\r' : '\n'), std::string::npos);
      EXPECT_EQ(ToCrLf(f, code), t);
    }
  }
}

TEST(NewlineConvert, NulBytesBecomeBlanks) {
  std::string s("a\0b\0\0", 5);
  EXPECT_EQ(NulToBlank(s), 3u);
  EXPECT_EQ(s, "a b  ");
  EXPECT_EQ(NulToBlank(nullptr, 3), 0u);
  std::string none = "abc";
  EXPECT_EQ(NulToBlank(none), 0u);
}

TEST(NewlineConvert, Names) {
  const char* charsets[] = {"Shift-JIS", "EUC", "JIS", "UTF-8"};
  for (int i = 0; i < kCharsetCount; ++i) EXPECT_STREQ(CharsetName(static_cast<Charset>(i)), charsets[i]);
  EXPECT_STREQ(CharsetName(static_cast<Charset>(9)), "Shift-JIS");
  const char* newlines[] = {"CRLF", "LF", "CR"};
  const char* entries[] = {"CRLF(Windows)", "LF(Unix)", "CR(Macintosh)"};
  for (int i = 0; i < kNewlineCount; ++i) {
    EXPECT_STREQ(NewlineName(static_cast<Newline>(i)), newlines[i]);
    EXPECT_STREQ(NewlineDialogEntry(static_cast<Newline>(i)), entries[i]);
  }
  EXPECT_STREQ(NewlineName(static_cast<Newline>(-1)), "CRLF");
}
