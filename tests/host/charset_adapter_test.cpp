// The program's adapter to nkf32.dll, with the engine standing in for the DLL,
// together with the newline steps of reading and saving a file.
#include <gtest/gtest.h>

#include <string>

#include "charset_test_support.h"
#include "files/charset_names.h"
#include "files/newline.h"
#include "files/nkf_adapter.h"

using charset_test::Conv;

namespace {

constexpr Charset S = Charset::kShiftJis, E = Charset::kEuc, J = Charset::kJis, W = Charset::kUtf8;

struct Loaded {
  std::string text;  // in memory: Shift-JIS, CR LF, no NUL
  Charset charset = Charset::kShiftJis;
  Newline newline = Newline::kCrLf;
  size_t lost = 0;
};

// Reading a file's bytes as the file-open code does.
Loaded Load(std::string bytes) {
  Loaded d;
  NulToBlank(bytes);
  d.newline = DetectNewline(bytes);
  std::string crlf = ToCrLf(bytes, d.newline);
  NkfDecoded dec = NkfDecodeToSjis(crlf);
  d.text = dec.text;
  d.charset = dec.charset;
  d.lost = dec.lost;
  return d;
}

// Saving: character set first, then line ends.
std::string Save(const std::string& text, Charset charset, Newline newline) {
  NkfEncoded enc = NkfEncodeFromSjis(text, charset);
  EXPECT_TRUE(enc.ok);
  EXPECT_EQ(enc.lost, 0u);
  CrLfTo(enc.bytes, newline);
  return enc.bytes;
}

}  // namespace

TEST(CharsetAdapter, FourCharsetsTimesThreeNewlinesRoundTrip) {
  charset_test::EngineLoaded engine;
  const std::string text = charset_test::RealisticText();
  for (Charset cs : {S, E, J, W}) {
    for (Newline nl : {Newline::kCrLf, Newline::kLf, Newline::kCr}) {
      std::string file = Save(text, cs, nl);
      Loaded d = Load(file);
      EXPECT_EQ(d.text, text) << CharsetName(cs) << " " << NewlineName(nl);
      EXPECT_EQ(d.charset, cs) << CharsetName(cs) << " " << NewlineName(nl);
      EXPECT_EQ(d.newline, nl) << CharsetName(cs) << " " << NewlineName(nl);
      EXPECT_EQ(d.lost, 0u);
      EXPECT_EQ(Save(d.text, d.charset, d.newline), file) << CharsetName(cs) << " " << NewlineName(nl);
    }
  }
}

TEST(CharsetAdapter, ShiftJisFileWithOddBytesSavesIdentically) {
  charset_test::EngineLoaded engine;
  std::string file = "漢字\x80\xA0\xFD\xFE\xFF\r\nかな\x81";
  Loaded d = Load(file);
  EXPECT_EQ(d.charset, S);
  EXPECT_EQ(d.text, file);
  EXPECT_EQ(Save(d.text, d.charset, d.newline), file);
}

TEST(CharsetAdapter, DetectedCodeRules) {
  EXPECT_EQ(ResolveDetectedCharset(7, "abc"), S);
  EXPECT_EQ(ResolveDetectedCharset(-1, "漢"), S);
  // EUC or JIS that turned out plain ASCII is Shift-JIS; UTF-8 stays.
  EXPECT_EQ(ResolveDetectedCharset(1, "abc\r\n"), S);
  EXPECT_EQ(ResolveDetectedCharset(2, "abc"), S);
  EXPECT_EQ(ResolveDetectedCharset(3, "abc"), W);
  EXPECT_EQ(ResolveDetectedCharset(1, "a漢"), E);
  // Half-width katakana alone keep the code, so saving does not rewrite them.
  EXPECT_EQ(ResolveDetectedCharset(1, "ｶﾅ"), E);

  // A converter that calls everything EUC: a pure ASCII file is Shift-JIS.
  NkfProcs eucOnly = charset_test::EngineProcs();
  eucOnly.guessCode = [](const char*, size_t, int*) { return 1; };
  NkfUseProcs(&eucOnly);
  NkfDecoded d = NkfDecodeToSjis("Print 1\r\n");
  EXPECT_EQ(d.charset, S);
  EXPECT_EQ(d.text, "Print 1\r\n");
  // And a converter reporting nonsense codes reads the bytes as Shift-JIS.
  NkfProcs odd = charset_test::EngineProcs();
  odd.guessCode = [](const char*, size_t, int*) { return 9; };
  NkfUseProcs(&odd);
  d = NkfDecodeToSjis("漢字");
  EXPECT_EQ(d.charset, S);
  EXPECT_EQ(d.text, "漢字");
  NkfUseProcs(nullptr);
}

TEST(CharsetAdapter, LossIsReportedBothWays) {
  charset_test::EngineLoaded engine;
  NkfDecoded d = NkfDecodeToSjis("\xEF\xBB\xBF" "a\xF0\x9F\x98\x80\xE6\xBC\xA2");  // BOM a 😀 漢
  EXPECT_EQ(d.charset, W);
  EXPECT_TRUE(d.utf8Bom);
  EXPECT_EQ(d.lost, 1u);
  EXPECT_EQ(d.text, "a〓漢");
  NkfEncoded e = NkfEncodeFromSjis("a\xF0\x40", E);  // user-defined character
  EXPECT_TRUE(e.ok);
  EXPECT_EQ(e.lost, 1u);
  EXPECT_EQ(NkfEncodeFromSjis("a", W, true).bytes, "\xEF\xBB\xBF" "a");
}

TEST(CharsetAdapter, LongJisOutputIsComplete) {
  // Far beyond the first buffer guess: the adapter converts again, sized.
  charset_test::EngineLoaded engine;
  std::string in;
  for (int i = 0; i < 5000; ++i) in += "aｱ";
  NkfEncoded e = NkfEncodeFromSjis(in, J);
  ASSERT_TRUE(e.ok);
  EXPECT_GT(e.bytes.size(), 3 * in.size());
  EXPECT_EQ(Conv(kCharsetJis, kCharsetSjis, e.bytes), in);
  EXPECT_EQ(NkfDecodeToSjis(e.bytes).text, in);
}

TEST(CharsetAdapter, WithoutTheDll) {
  NkfUseProcs(nullptr);
  EXPECT_FALSE(NkfAvailable());
  NkfDecoded d = NkfDecodeToSjis("\xA4\xA2");  // EUC あ, taken as Shift-JIS
  EXPECT_EQ(d.text, "\xA4\xA2");
  EXPECT_EQ(d.charset, S);
  EXPECT_TRUE(d.converterMissing);
  EXPECT_FALSE(NkfDecodeToSjis("plain\r\n").converterMissing);
  EXPECT_TRUE(NkfEncodeFromSjis("漢", S).ok);
  NkfEncoded e = NkfEncodeFromSjis("漢", W);
  EXPECT_FALSE(e.ok);
  EXPECT_TRUE(e.converterMissing);
  std::string m = NkfMissingSaveMessage("C:\\a.txt", W);
  EXPECT_NE(m.find("\"C:\\a.txt\""), std::string::npos);
  EXPECT_NE(m.find("UTF-8"), std::string::npos);
  EXPECT_NE(NkfMissingReadMessage("C:\\b.txt").find("\"C:\\b.txt\""), std::string::npos);
}
