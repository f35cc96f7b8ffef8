// The converter engine: mappings, half-width katakana, loss accounting.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ancillar/charset/charset_convert.h"
#include "ancillar/charset/cp932_map.h"
#include "charset_test_support.h"

using charset_test::Conv;
using charset_test::Hex;

namespace {

constexpr int S = kCharsetSjis, E = kCharsetEuc, J = kCharsetJis, W = kCharsetUtf8;

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s.push_back(static_cast<char>(c));
  return s;
}

}  // namespace

TEST(CharsetConvert, KnownCodesInEveryEncoding) {
  // あ: JIS 0x2422; 漢: JIS 0x3441; 表 (0x5C trail): JIS 0x493D.
  const std::string sjis = "あ漢表";
  EXPECT_EQ(Hex(Conv(S, E, sjis)), "A4 A2 B4 C1 C9 BD");
  EXPECT_EQ(Hex(Conv(S, J, sjis)), "1B 24 42 24 22 34 41 49 3D 1B 28 42");
  EXPECT_EQ(Conv(S, W, sjis), "\xE3\x81\x82\xE6\xBC\xA2\xE8\xA1\xA8");
  for (int in : {E, J, W}) EXPECT_EQ(Conv(in, S, Conv(S, in, sjis)), sjis) << in;
}

TEST(CharsetConvert, RealisticTextRoundTripsThroughEveryEncoding) {
  const std::string text = charset_test::RealisticText();
  for (int enc : {E, J, W}) {
    ConvertResult out, back;
    std::string encoded = Conv(S, enc, text, &out);
    EXPECT_EQ(out.lost, 0u) << enc;
    EXPECT_EQ(Conv(enc, S, encoded, &back), text) << enc;
    EXPECT_EQ(back.lost, 0u) << enc;
    // And the encoded file reads back to itself.
    EXPECT_EQ(Conv(S, enc, Conv(enc, S, encoded)), encoded) << enc;
  }
}

TEST(CharsetConvert, EveryJisRowsCodeRoundTripsByteForByte) {
  // Rows 1-94 are arithmetic in EUC and JIS, assigned or not.
  std::string all;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      all.push_back(static_cast<char>(lead));
      all.push_back(static_cast<char>(trail));
    }
  }
  for (int enc : {E, J}) {
    ConvertResult r;
    std::string encoded = Conv(S, enc, all, &r);
    EXPECT_EQ(r.lost, 0u);
    EXPECT_EQ(Conv(enc, S, encoded), all) << enc;
  }
}

TEST(CharsetConvert, PreferredCodesRoundTripThroughUtf8) {
  // Every assigned double-byte code that cp932 itself encodes its character to.
  std::string all;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      uint16_t u = Cp932DoubleUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (u && Cp932FromUnicode(u) == (lead << 8 | trail)) {
        all.push_back(static_cast<char>(lead));
        all.push_back(static_cast<char>(trail));
      }
    }
  }
  EXPECT_GT(all.size(), 2u * 9000);
  ConvertResult r;
  EXPECT_EQ(Conv(W, S, Conv(S, W, all), &r), all);
  EXPECT_EQ(r.lost, 0u);
}

TEST(CharsetConvert, NecAndIbmExtensions) {
  // ① (NEC row 13) and 纊 (NEC-selected 0xED40) keep their bytes in EUC and JIS.
  EXPECT_EQ(Hex(Conv(S, E, "\x87\x40")), "AD A1");
  EXPECT_EQ(Hex(Conv(S, E, "\xED\x40")), "F9 A1");
  EXPECT_EQ(Conv(E, S, "\xAD\xA1\xF9\xA1"), "\x87\x40\xED\x40");
  // IBM 纊 (0xFA5C) leaves as its NEC-selected duplicate; ⅰ (0xFA40) likewise;
  // IBM ∵ (0xFA5B) as the JIS X 0208 ∵ (0x81E6).
  ConvertResult r;
  EXPECT_EQ(Hex(Conv(S, E, "\xFA\x5C\xFA\x40\xFA\x5B", &r)), Hex(Conv(S, E, "\xED\x40\xEE\xEF\x81\xE6")));
  EXPECT_EQ(r.lost, 0u);
  EXPECT_EQ(Conv(J, S, Conv(S, J, "\xFA\x5C")), "\xED\x40");
  // UTF-8 gives duplicates one character; reading picks cp932's code for it.
  EXPECT_EQ(Conv(S, W, "\xED\x40"), Conv(S, W, "\xFA\x5C"));
  EXPECT_EQ(Conv(W, S, Conv(S, W, "\xED\x40")), "\xFA\x5C");
  EXPECT_EQ(Conv(W, S, Conv(S, W, "\x87\x9A")), "\x81\xE6");   // NEC ∵ -> JIS ∵
  EXPECT_EQ(Conv(W, S, Conv(S, W, "\xEE\xF9")), "\x81\xCA");   // NEC-selected ￢
  EXPECT_EQ(Conv(W, S, Conv(S, W, "\xFA\x4A")), "\x87\x54");   // IBM Ⅰ -> NEC Ⅰ
}

TEST(CharsetConvert, UserDefinedAreaOnlyInUtf8) {
  const std::string gaiji = "\xF0\x40\xF9\xFC";
  EXPECT_EQ(Conv(S, W, gaiji), "\xEE\x80\x80\xEE\x9D\x97");  // U+E000, U+E757
  EXPECT_EQ(Conv(W, S, Conv(S, W, gaiji)), gaiji);
  for (int enc : {E, J}) {
    ConvertResult r;
    std::string out = Conv(S, enc, "a" + gaiji, &r);
    EXPECT_EQ(r.lost, 2u);
    EXPECT_EQ(Conv(enc, S, out), "a\x81\xAC\x81\xAC");  // two geta marks
  }
}

TEST(CharsetConvert, JisX0212InEucAndJis) {
  // JIS X 0212 0x3029 is an IBM extension kanji (0xFA68); 0x222F is not in cp932.
  ConvertResult r;
  EXPECT_EQ(Conv(E, S, "\x8F\xB0\xA9", &r), "\xFA\x68");
  EXPECT_EQ(r.lost, 0u);
  EXPECT_EQ(Conv(J, S, "\x1B$(D\x30\x29\x1B(B", &r), "\xFA\x68");
  EXPECT_EQ(Conv(E, S, "x\x8F\xA2\xAFy", &r), "x\x81\xACy");
  EXPECT_EQ(r.lost, 1u);
}

TEST(CharsetConvert, HalfWidthKatakanaKeptWithX) {
  const std::string kana = "ｱｲｳｶﾞﾊﾟ｡ﾟ";
  EXPECT_EQ(Hex(Conv(S, E, kana)), "8E B1 8E B2 8E B3 8E B6 8E DE 8E CA 8E DF 8E A1 8E DF");
  EXPECT_EQ(Conv(S, J, "aｱｲb"), "a\x1B(I\x31\x32\x1B(Bb");
  EXPECT_EQ(Conv(S, W, "ｱﾟ"), "\xEF\xBD\xB1\xEF\xBE\x9F");
  for (int enc : {E, J, W}) EXPECT_EQ(Conv(enc, S, Conv(S, enc, kana)), kana) << enc;
  // Older JIS forms: SO/SI shifts and 8-bit katakana bytes.
  EXPECT_EQ(Conv(J, S, "a\x0E\x31\x32\x0F" "b\xB3"), "aｱｲbｳ");
}

TEST(CharsetConvert, HalfWidthKatakanaWidenWithoutX) {
  EXPECT_EQ(Conv(S, S, "ｶﾞﾊﾟﾊﾞｳﾞｱﾞﾀ", nullptr, false), "ガパバヴア゛タ");
  EXPECT_EQ(Conv(S, E, "ｶﾞ", nullptr, false), Conv(S, E, "ガ"));
  EXPECT_EQ(Conv(E, S, "\x8E\xCA\x8E\xDF", nullptr, false), "パ");
  // A kana waiting for its mark is not lost at the end.
  EXPECT_EQ(Conv(S, W, "xﾊ", nullptr, false), Conv(S, W, "xハ"));
}

TEST(CharsetConvert, ShiftJisBytesPassThroughUnchanged) {
  std::string odd = Bytes({0x80, 0xA0, 0xFD, 0xFE, 0xFF, 0x81, 0x20, 'a', 0x82, 0x7F, 0x00, 'z', 0x9F});
  ConvertResult r;
  EXPECT_EQ(Conv(S, S, odd, &r), odd);
  EXPECT_EQ(r.lost, 0u);
  // Cut output of Shift-JIS never splits a double-byte character.
  std::string buf(4, '\xEE');
  r = ConvertCharset(charset_test::Opts(S, S), "ab漢", 4, buf.data(), 4);
  EXPECT_TRUE(r.truncated);
  EXPECT_EQ(r.size, 4u);
  EXPECT_EQ(std::string(buf.data()), "ab");
}

TEST(CharsetConvert, InvalidInputBecomesVisibleAndCounted) {
  ConvertResult r;
  // EUC: a lone byte, a lead before ASCII, a cut SS3 sequence at the end.
  EXPECT_EQ(Conv(E, S, "\x80" "a\xB0" "b\x8F\xA1", &r), "〓a〓b〓");
  EXPECT_EQ(r.lost, 3u);
  // UTF-8: a stray continuation, an overlong form, a surrogate, a cut sequence.
  EXPECT_EQ(Conv(W, S, "\x80|\xC0\xAF|\xED\xA0\x80|\xE3\x81", &r), "〓|〓〓|〓〓〓|〓");
  EXPECT_EQ(r.lost, 7u);
  // JIS: a kanji pair cut by a line end, katakana outside its range.
  EXPECT_EQ(Conv(J, S, "\x1B$B\x30\r\n\x1B(I\x7E\x1B(B", &r), "〓\r\n〓");
  EXPECT_EQ(r.lost, 2u);
  // Shift-JIS to the others: invalid bytes and lone lead bytes.
  EXPECT_EQ(Conv(S, E, "\x80z\x81", &r), "\xA2\xAEz\xA2\xAE");
  EXPECT_EQ(r.lost, 2u);
}

TEST(CharsetConvert, Utf8CharactersShiftJisCannotHold) {
  ConvertResult r;
  // 😀 (4 bytes), 𠮷 (4 bytes), é (2 bytes): one geta each.
  EXPECT_EQ(Conv(W, S, "a\xF0\x9F\x98\x80" "b\xF0\xA0\xAE\xB7" "c\xC3\xA9", &r), "a〓b〓c〓");
  EXPECT_EQ(r.lost, 3u);
  // WAVE DASH and YEN SIGN: shown as cp932's ～ and \, counted (saving writes U+FF5E and \).
  EXPECT_EQ(Conv(W, S, "\xE3\x80\x9C\xC2\xA5", &r), "～\\");
  EXPECT_EQ(r.lost, 2u);
}

TEST(CharsetConvert, ByteOrderMark) {
  ConvertResult r;
  EXPECT_EQ(Conv(W, S, "\xEF\xBB\xBF\xE3\x81\x82", &r), "あ");
  EXPECT_TRUE(r.bom);
  EXPECT_EQ(r.lost, 0u);
  ConvertOptions o = charset_test::Opts(S, W);
  o.utf8Bom = true;
  EXPECT_EQ(ConvertCharsetToString(o, "a"), "\xEF\xBB\xBF" "a");
  // A byte order mark later in the text is a character cp932 lacks.
  EXPECT_EQ(Conv(W, S, "a\xEF\xBB\xBF", &r), "a〓");
}

TEST(CharsetConvert, JisEndsInAsciiAndHandlesOldEscapes) {
  EXPECT_EQ(Conv(S, J, "漢"), "\x1B$B\x34\x41\x1B(B");
  EXPECT_EQ(Conv(S, J, "漢\r\n"), "\x1B$B\x34\x41\x1B(B\r\n");
  // JIS C 6226 and JIS Roman designations, the 1990 announcer, an unknown escape.
  EXPECT_EQ(Conv(J, S, "\x1B$@\x34\x41\x1B(Jx\x1B&@\x1B$B\x34\x41\x1B(B\x1B[0m"), "漢x漢\x1B[0m");
}

TEST(CharsetConvert, SizedOutputReportsWhatIsNeeded) {
  // Alternating ASCII and katakana: JIS needs far more than twice the input.
  std::string in;
  for (int i = 0; i < 50; ++i) in += "aｱ";
  ConvertOptions o = charset_test::Opts(S, J);
  ConvertResult full = ConvertCharset(o, in.data(), in.size(), nullptr, 0);
  EXPECT_GT(full.size, 2 * in.size() + 1);
  EXPECT_LE(full.size, MaxConvertedSize(o, in.size()));
  std::string exact(full.size + 1, '\xEE');
  ConvertResult r = ConvertCharset(o, in.data(), in.size(), exact.data(), exact.size());
  EXPECT_FALSE(r.truncated);
  EXPECT_EQ(r.written, full.size);
  EXPECT_EQ(Conv(J, S, exact.c_str()), in);
  // Every smaller buffer: cut, terminated, ending in ASCII, a prefix of the text.
  for (size_t cap = 1; cap <= full.size; ++cap) {
    std::string buf(cap, '\xEE');
    r = ConvertCharset(o, in.data(), in.size(), buf.data(), buf.size());
    ASSERT_TRUE(r.truncated);
    EXPECT_EQ(r.size, full.size);
    ASSERT_LT(r.written, cap);
    EXPECT_EQ(buf[r.written], '\0');
    std::string cut = buf.c_str();
    size_t esc = cut.rfind('\x1B');
    EXPECT_TRUE(esc == std::string::npos || cut.compare(esc, 3, "\x1B(B") == 0) << Hex(cut);
    std::string back = Conv(J, S, cut);
    EXPECT_EQ(in.compare(0, back.size(), back), 0) << cap;
  }
}

TEST(CharsetConvert, RandomRowsTextRoundTrips) {
  // Seeded: random ASCII, katakana and JIS-rows kanji/kana through EUC and JIS.
  std::mt19937 rng(932);
  std::uniform_int_distribution<int> kind(0, 3), ascii(0x20, 0x7E), kana(0xA1, 0xDF), row(0, 93), cell(0, 93);
  for (int round = 0; round < 50; ++round) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
      switch (kind(rng)) {
        case 0: text.push_back(static_cast<char>(ascii(rng))); break;
        case 1: text.push_back(static_cast<char>(kana(rng))); break;
        default: {
          uint16_t c = JisToSjis(static_cast<unsigned char>(0x21 + row(rng)), static_cast<unsigned char>(0x21 + cell(rng)));
          text.push_back(static_cast<char>(c >> 8));
          text.push_back(static_cast<char>(c & 0xFF));
        }
      }
    }
    for (int enc : {E, J}) ASSERT_EQ(Conv(enc, S, Conv(S, enc, text)), text) << round << " " << enc;
  }
}
