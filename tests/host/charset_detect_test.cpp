// Detection of the input encoding.
#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

#include "ancillar/charset/charset_detect.h"
#include "charset_test_support.h"

using charset_test::Conv;

namespace {

constexpr int S = kCharsetSjis, E = kCharsetEuc, J = kCharsetJis, W = kCharsetUtf8;

int Detect(const std::string& s) { return DetectCharset(s.data(), s.size()).code; }

}  // namespace

TEST(CharsetDetect, TheRequiredCases) {
  // ちわ\ in UTF-8 is also valid Shift-JIS, but implausible as such.
  EXPECT_EQ(Detect("\xE3\x81\xA1\xE3\x82\x8F\x5C"), W);
  // 20 bytes of Shift-JIS kanji, level 1 and level 2.
  EXPECT_EQ(Detect("日本語文字列変換検出"), S);
  EXPECT_EQ(Detect("亞乂亟亠亢亰亳亶从仍"), S);
  // 20 KB of ASCII, then Japanese in UTF-8.
  EXPECT_EQ(Detect(std::string(20 * 1024, 'a') + Conv(S, W, "日本語のテキスト")), W);
  // Plain ASCII is Shift-JIS (code 0), also empty text.
  EXPECT_EQ(Detect("Print \"Hello\"\r\n"), S);
  EXPECT_EQ(Detect(""), S);
}

TEST(CharsetDetect, RealisticTextInEachEncoding) {
  const std::string text = charset_test::RealisticText();
  for (int enc : {S, E, J, W}) EXPECT_EQ(Detect(Conv(S, enc, text)), enc) << enc;
  // And short samples: one word of kana, a single character.
  for (const char* word : {"ひらがな", "カタカナ", "漢", "あ"}) {
    for (int enc : {S, E, J, W}) EXPECT_EQ(Detect(Conv(S, enc, word)), enc) << word << " " << enc;
  }
}

TEST(CharsetDetect, MarksAndEscapes) {
  DetectResult r = DetectCharset("\xEF\xBB\xBF" "abc", 6);
  EXPECT_EQ(r.code, W);
  EXPECT_TRUE(r.bom);
  // 7-bit text: only a designation of a Japanese set makes it JIS.
  EXPECT_EQ(Detect("a\x1B$B\x30\x21\x1B(Bb"), J);
  EXPECT_EQ(Detect("a\x1B(Ib"), J);
  EXPECT_EQ(Detect("\x1B[31mred\x1B[0m"), S);
  EXPECT_EQ(Detect("cut \x1B$"), S);
  // With 8-bit bytes around, escapes do not decide.
  EXPECT_EQ(Detect("\x1B$B" + std::string("日本語の文章")), S);
}

TEST(CharsetDetect, ErrorsOutweighPlausibility) {
  // A Shift-JIS text with a few stray bytes stays Shift-JIS.
  EXPECT_EQ(Detect("漢字\x80かな\xFF" + charset_test::RealisticText()), S);
  // UTF-8 cut in the middle of its last character is still UTF-8 when long enough.
  std::string utf8 = Conv(S, W, charset_test::RealisticText());
  EXPECT_EQ(Detect(utf8 + "\xE3\x81"), W);
  // EUC half-width katakana (SS2) next to kanji.
  EXPECT_EQ(Detect(Conv(S, E, "ﾃﾞｰﾀを読み込みます")), E);
}

TEST(CharsetDetect, LongInputCountsEqualTheSumOfItsLines) {
  // Large inputs are scanned in interleaved parts split after a byte below
  // 0x40; the counts must equal those of scanning line by line.
  std::mt19937 rng(5020);
  const std::string pieces[] = {charset_test::RealisticText(), Conv(S, E, "漢字かなｶﾅ"),
                                Conv(S, W, "文字コード"), "\x80\xFF\xE3\x81", "\x8F\xA1", "plain ascii line"};
  std::uniform_int_distribution<int> pick(0, 5);
  std::string big;
  std::vector<std::string> lines;
  while (big.size() < 600 * 1024) {
    std::string line = pieces[pick(rng)] + pieces[pick(rng)] + "\n";
    lines.push_back(line);
    big += line;
  }
  DetectScores whole = ScoreCharsets(big.data(), big.size());
  DetectScores sum;
  for (const std::string& l : lines) {
    DetectScores one = ScoreCharsets(l.data(), l.size());
    for (int c = 0; c < 4; ++c) sum.value[c] += one.value[c];
  }
  for (int c : {S, E, W}) EXPECT_EQ(whole.value[c], sum.value[c]) << c;

  // Beyond 8 MB two threads share the scan: the same again, against parts.
  std::string huge;
  while (huge.size() < 9u << 20) huge += big;
  DetectScores threaded = ScoreCharsets(huge.data(), huge.size());
  for (int c : {S, E, W}) EXPECT_EQ(threaded.value[c], whole.value[c] * static_cast<int64_t>(huge.size() / big.size())) << c;
}
