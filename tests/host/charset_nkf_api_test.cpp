// nkf32.dll's entry points as the engine serves them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ancillar/charset/nkf_api.h"
#include "charset_test_support.h"

using charset_test::Conv;

namespace {

constexpr int S = kCharsetSjis, E = kCharsetEuc, J = kCharsetJis, W = kCharsetUtf8;

// Runs the classic NkfConvert into exactly 2 * strlen(in) + 1 bytes followed
// by guard bytes, and checks the guard.
std::string Classic(const std::string& in) {
  size_t cap = 2 * in.size() + 1;
  std::vector<char> buf(cap + 16, '\x5A');
  nkfapi::Convert(buf.data(), in.c_str());
  for (size_t i = cap; i < buf.size(); ++i) EXPECT_EQ(buf[i], '\x5A') << "written past 2x+1 at " << i;
  return std::string(buf.data());
}

}  // namespace

TEST(CharsetNkfApi, OptionParsing) {
  ConvertOptions o;
  ASSERT_TRUE(nkfapi::ParseOptions("-sx", &o));
  EXPECT_EQ(o.output, S);
  EXPECT_EQ(o.input, kCharsetAuto);  // reading detects
  EXPECT_TRUE(o.keepHalfKana);
  ASSERT_TRUE(nkfapi::ParseOptions("-jx", &o));
  EXPECT_EQ(o.output, J);
  EXPECT_EQ(o.input, S);  // writing starts from Shift-JIS
  ASSERT_TRUE(nkfapi::ParseOptions(" -w  -E --bom ", &o));
  EXPECT_EQ(o.output, W);
  EXPECT_EQ(o.input, E);
  EXPECT_FALSE(o.keepHalfKana);
  EXPECT_TRUE(o.utf8Bom);
  ASSERT_TRUE(nkfapi::ParseOptions("", &o));
  EXPECT_EQ(o.output, S);
  for (const char* bad : {"-q", "sx", "-", "--bomb", "-s x"}) EXPECT_FALSE(nkfapi::ParseOptions(bad, &o)) << bad;
}

TEST(CharsetNkfApi, ClassicCallsReadAndWrite) {
  char version[32];
  nkfapi::GetVersion(version);
  EXPECT_LT(std::strlen(version), sizeof version);

  const std::string text = "漢字とｶﾅ\r\n";
  ASSERT_EQ(nkfapi::SetOption("-ex"), 0);
  std::string euc = Classic(text);
  EXPECT_EQ(euc, Conv(S, E, text));
  EXPECT_EQ(nkfapi::GetKanjiCode(), S);

  ASSERT_EQ(nkfapi::SetOption("-sx"), 0);
  EXPECT_EQ(Classic(euc), text);
  EXPECT_EQ(nkfapi::GetKanjiCode(), E);
  NkfConvertResult last;
  nkfapi::GetLastResult(&last);
  EXPECT_EQ(last.lost, 0u);
  EXPECT_EQ(last.truncated, 0);

  // A bad option keeps the options in force.
  EXPECT_EQ(nkfapi::SetOption("-?"), -1);
  EXPECT_EQ(Classic(Conv(S, W, text)), text);
  EXPECT_EQ(nkfapi::GetKanjiCode(), W);
}

TEST(CharsetNkfApi, ClassicConvertNeverPassesTwiceTheInput) {
  // JIS and UTF-8 output of half-width katakana needs more than 2x + 1.
  for (const char* opt : {"-jx", "-wx"}) {
    std::string in;
    for (int i = 0; i < 40; ++i) in += opt[1] == 'j' ? "aｱ" : "ｱｲ";
    ASSERT_EQ(nkfapi::SetOption(opt), 0);
    std::string out = Classic(in);
    NkfConvertResult last;
    nkfapi::GetLastResult(&last);
    EXPECT_EQ(last.truncated, 1) << opt;
    EXPECT_GT(last.size, 2 * in.size());
    EXPECT_EQ(out.size(), last.written);
  }
  // Reading into 2x + 1 always fits, whatever the bytes.
  ASSERT_EQ(nkfapi::SetOption("-sx"), 0);
  std::string junk;
  for (int b = 1; b < 256; ++b) junk.push_back(static_cast<char>(b));
  for (const std::string& s : {junk, Conv(S, W, junk), std::string(50, '\x80'), std::string(50, '\xF0')}) {
    Classic(s);
    NkfConvertResult last;
    nkfapi::GetLastResult(&last);
    EXPECT_EQ(last.truncated, 0);
  }
}

TEST(CharsetNkfApi, SizedCallMeasuresThenConverts) {
  std::string in;
  for (int i = 0; i < 40; ++i) in += "漢ｱa";
  NkfConvertResult r;
  EXPECT_EQ(nkfapi::ConvertSized("-jx", in.data(), in.size(), nullptr, 0, &r), 1);
  std::vector<char> out(r.size + 1);
  EXPECT_EQ(nkfapi::ConvertSized("-jx", in.data(), in.size(), out.data(), out.size(), &r), 0);
  EXPECT_EQ(r.written, r.size);
  EXPECT_EQ(std::string(out.data()), Conv(S, J, in));
  EXPECT_EQ(nkfapi::ConvertSized("-k", in.data(), in.size(), out.data(), out.size(), &r), -1);
  EXPECT_EQ(out[0], '\0');
  // Input not NUL-terminated, with NUL bytes inside: the length rules.
  const char raw[] = {'a', '\0', 'b'};
  char small[8];
  EXPECT_EQ(nkfapi::ConvertSized("-sxS", raw, 3, small, sizeof small, &r), 0);
  EXPECT_EQ(r.written, 3u);
  EXPECT_EQ(std::memcmp(small, raw, 3), 0);
  int bom = -1;
  EXPECT_EQ(nkfapi::GuessCode("\xEF\xBB\xBFx", 4, &bom), W);
  EXPECT_EQ(bom, 1);
  EXPECT_EQ(nkfapi::GuessCode(nullptr, 5, nullptr), S);
}
