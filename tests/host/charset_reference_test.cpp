// The engine against the C library's iconv, an independent implementation of
// the same code pages, over every code.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "ancillar/charset/cp932_map.h"
#include "charset_test_support.h"

using charset_test::Conv;
using charset_test::Hex;

namespace {

constexpr int S = kCharsetSjis, E = kCharsetEuc, W = kCharsetUtf8;

// One conversion; false when iconv rejects the input.
bool Iconv(const char* from, const char* to, const std::string& in, std::string* out) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string buf(in.size() * 4 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = buf.data();
  size_t dstLeft = buf.size();
  size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1) || srcLeft) return false;
  out->assign(buf.data(), buf.size() - dstLeft);
  return true;
}

bool HaveIconv(const char* a, const char* b) {
  iconv_t cd = iconv_open(b, a);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(cd);
  return true;
}

std::string Utf8Of(uint32_t u) {
  std::string s;
  if (u < 0x80) {
    s += static_cast<char>(u);
  } else if (u < 0x800) {
    s += static_cast<char>(0xC0 | (u >> 6));
    s += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (u >> 12));
    s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (u & 0x3F));
  }
  return s;
}

}  // namespace

TEST(CharsetReference, EveryDoubleByteCodeToUtf8) {
  if (!HaveIconv("CP932", "UTF-8")) GTEST_SKIP() << "no CP932 in iconv";
  int compared = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      std::string expected;
      ConvertResult r;
      std::string ours = Conv(S, W, code, &r);
      if (Iconv("CP932", "UTF-8", code, &expected)) {
        ASSERT_EQ(ours, expected) << Hex(code);
        ASSERT_EQ(r.lost, 0u);
        ++compared;
      } else {
        ASSERT_EQ(r.lost, 1u) << Hex(code);
      }
    }
  }
  EXPECT_GT(compared, 9000);
}

TEST(CharsetReference, EveryBmpCharacterToShiftJis) {
  if (!HaveIconv("UTF-8", "CP932")) GTEST_SKIP() << "no CP932 in iconv";
  for (uint32_t u = 1; u < 0x10000; ++u) {
    if ((u >= 0xD800 && u <= 0xDFFF) || u == 0xFEFF) continue;  // U+FEFF alone is a byte order mark
    std::string utf8 = Utf8Of(u), expected;
    ConvertResult r;
    std::string ours = Conv(W, S, utf8, &r);
    if (Iconv("UTF-8", "CP932", utf8, &expected)) {
      ASSERT_EQ(Hex(ours), Hex(expected)) << std::hex << u;
      // Counted as lost only where it will not read back as the same character.
      std::string back;
      ASSERT_TRUE(Iconv("CP932", "UTF-8", expected, &back));
      ASSERT_EQ(r.lost, back == utf8 ? 0u : 1u) << std::hex << u;
    } else {
      ASSERT_EQ(ours, "〓") << std::hex << u;
      ASSERT_EQ(r.lost, 1u);
    }
  }
}

TEST(CharsetReference, JisX0208AndNecRowsToEuc) {
  // The MS flavour of EUC-JP agrees with ours on JIS X 0208, NEC row 13 and
  // half-width katakana. It goes through Unicode, so it is compared on the
  // codes cp932 itself encodes their characters to (and differs by design on
  // the IBM extensions).
  if (!HaveIconv("CP932", "EUC-JP-MS")) GTEST_SKIP() << "no EUC-JP-MS in iconv";
  int compared = 0;
  for (int lead = 0x81; lead <= 0xEA; ++lead) {
    if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      uint16_t u = Cp932DoubleUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (!u || Cp932FromUnicode(u) != (lead << 8 | trail)) continue;
      std::string code{static_cast<char>(lead), static_cast<char>(trail)}, expected;
      if (!Iconv("CP932", "EUC-JP-MS", code, &expected)) continue;
      ASSERT_EQ(Hex(Conv(S, E, code)), Hex(expected)) << Hex(code);
      ++compared;
    }
  }
  for (int kana = 0xA1; kana <= 0xDF; ++kana) {
    std::string code(1, static_cast<char>(kana)), expected;
    ASSERT_TRUE(Iconv("CP932", "EUC-JP-MS", code, &expected));
    ASSERT_EQ(Conv(S, E, code), expected);
  }
  EXPECT_GT(compared, 6000);
}
