// Newline codes, the NUL clean-up and the names shown for both codes.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "files/charset_names.h"
#include "files/newline.h"

TEST(NewlineConvert, DetectFromTheFirstLineEnd) {
  EXPECT_EQ(DetectNewline("a\r\nb\nc"), kNewlineCrLf);
  EXPECT_EQ(DetectNewline("a\nb\r\n"), kNewlineLf);
  EXPECT_EQ(DetectNewline("a\rb\r\n"), kNewlineCr);
  EXPECT_EQ(DetectNewline("no line end"), kNewlineCrLf);
  EXPECT_EQ(DetectNewline(""), kNewlineCrLf);
  EXPECT_EQ(DetectNewline("ends in CR\r"), kNewlineCr);
  // Shift-JIS trail bytes are never CR or LF: ソ表 hold 0x5C, not line ends.
  EXPECT_EQ(DetectNewline("ソ表\n"), kNewlineLf);
}

TEST(NewlineConvert, ToCrLfTakesEveryLineEndOfTheCode) {
  EXPECT_EQ(ToCrLf("a\nb\n", kNewlineLf), "a\r\nb\r\n");
  EXPECT_EQ(ToCrLf("a\rb\r", kNewlineCr), "a\r\nb\r\n");
  // Literally: under CR the later CR LF becomes CR LF LF, under LF a CR CR LF.
  EXPECT_EQ(ToCrLf("a\rb\r\nc", kNewlineCr), "a\r\nb\r\n\nc");
  EXPECT_EQ(ToCrLf("a\nb\r\nc", kNewlineLf), "a\r\nb\r\r\nc");
  EXPECT_EQ(ToCrLf("a\nb", kNewlineCrLf), "a\nb");
  EXPECT_EQ(ToCrLf("", kNewlineLf), "");
  EXPECT_EQ(ToCrLf("\n\n", kNewlineLf), "\r\n\r\n");
}

TEST(NewlineConvert, CrLfToInPlace) {
  std::string s = "a\r\nb\r\n\r\nc";
  CrLfTo(s, kNewlineLf);
  EXPECT_EQ(s, "a\nb\n\nc");
  s = "a\r\nb\r\n";
  CrLfTo(s, kNewlineCr);
  EXPECT_EQ(s, "a\rb\r");
  // Lone CRs and LFs stay; a CR at the very end is a lone CR.
  s = "x\ry\nz\r\r\n\r";
  CrLfTo(s, kNewlineLf);
  EXPECT_EQ(s, "x\ry\nz\r\n\r");
  s = "a\r\nb";
  CrLfTo(s, kNewlineCrLf);
  EXPECT_EQ(s, "a\r\nb");
}

TEST(NewlineConvert, TextWithoutLineEndsIsItselfUnderEveryCode) {
  const std::string t = "漢字 text ソ表";
  for (int code = 0; code < kNewlineCount; ++code) {
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
    for (int code : {kNewlineLf, kNewlineCr}) {
      std::string f = t;
      CrLfTo(f, code);
      EXPECT_EQ(f.find(code == kNewlineLf ? '\r' : '\n'), std::string::npos);
      EXPECT_EQ(ToCrLf(f, code), t);
    }
  }
}

TEST(NewlineConvert, NulBytesBecomeBlanks) {
  std::string s("a\0b\0\0", 5);
  NulToBlank(s);
  EXPECT_EQ(s, "a b  ");
  NulToBlank(nullptr, 3);
}

TEST(NewlineConvert, Names) {
  const char* charsets[] = {"Shift-JIS", "EUC", "JIS", "UTF-8"};
  for (int i = 0; i < kCharsetCount; ++i) EXPECT_STREQ(CharsetName(i), charsets[i]);
  EXPECT_STREQ(CharsetName(9), "Shift-JIS");
  const char* newlines[] = {"CRLF", "LF", "CR"};
  const char* entries[] = {"CRLF(Windows)", "LF(Unix)", "CR(Macintosh)"};
  for (int i = 0; i < kNewlineCount; ++i) {
    EXPECT_STREQ(NewlineName(i), newlines[i]);
    EXPECT_STREQ(NewlineDialogEntry(i), entries[i]);
  }
  EXPECT_STREQ(NewlineName(-1), "CRLF");
}
