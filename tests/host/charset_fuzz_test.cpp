// Seeded, time-bounded fuzzing of the detector and the converter on arbitrary
// bytes. Inputs and outputs live in exact-size heap blocks, so AddressSanitizer
// catches any read past the input or write past the stated capacity.
// QUILLET_FUZZ_SECONDS sets the time (default 2 s).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "ancillar/charset/charset_convert.h"
#include "ancillar/charset/nkf_api.h"

namespace {

double FuzzSeconds() {
  const char* s = std::getenv("QUILLET_FUZZ_SECONDS");
  return s ? std::atof(s) : 2.0;
}

// Fragments that sit on the edges of every decoder.
const char* const kFragments[] = {
    "a", "\r\n", "\x1B", "\x1B$", "\x1B$(", "\x1B$(D", "\x1B$B", "\x1B(", "\x1B(I", "\x1B(B", "\x1B&@",
    "\x0E", "\x0F", "\x8E", "\x8E\xB1", "\x8F", "\x8F\xA1", "\x8F\xB0\xA9", "\xA4\xA2", "\xA4",
    "\x82\xA0", "\x82", "\x81\x7F", "\xFA\x5C", "\xF0\x40", "\xFC\xFC", "\xB1", "\xDE", "\x80", "\xFF",
    "\xE3", "\xE3\x81", "\xE3\x81\x82", "\xF0\x9F\x98", "\xF0\x9F\x98\x80", "\xED\xA0\x80", "\xC0\xAF",
    "\xEF\xBB\xBF", "\x30\x21", "\x7E", "\0"};

std::string RandomInput(std::mt19937& rng) {
  std::uniform_int_distribution<int> mode(0, 2), len(0, 300), byte(0, 255);
  std::uniform_int_distribution<size_t> frag(0, sizeof kFragments / sizeof *kFragments - 1);
  std::string s;
  int n = len(rng);
  int m = mode(rng);
  for (int i = 0; i < n; ++i) {
    if (m == 0 || (m == 2 && i % 3 == 0)) {
      s.push_back(static_cast<char>(byte(rng)));
    } else {
      const char* f = kFragments[frag(rng)];
      s.append(f, *f ? std::strlen(f) : 1);
    }
  }
  return s;
}

std::string Hex(const std::string& s) {
  std::string h;
  char b[4];
  for (unsigned char c : s) {
    std::snprintf(b, sizeof b, "%02X ", c);
    h += b;
  }
  return h;
}

// The mode of the bytes of a JIS output at its end: only ESC ( B may be last.
bool EndsInAscii(const char* out, size_t n) {
  for (size_t i = n; i-- > 0;) {
    if (out[i] == '\x1B') return i + 2 < n && out[i + 1] == '(' && out[i + 2] == 'B';
  }
  return true;
}

}  // namespace

TEST(CharsetFuzz, ConverterAndDetectorOnArbitraryBytes) {
  std::mt19937 rng(0x932);
  std::uniform_int_distribution<int> code(-1, 3), out(0, 3), coin(0, 1);
  const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(FuzzSeconds());
  long runs = 0;
  while (std::chrono::steady_clock::now() < stop) {
    std::string sample = RandomInput(rng);
    const size_t n = sample.size();
    std::unique_ptr<char[]> in(new char[n ? n : 1]);
    if (n) std::memcpy(in.get(), sample.data(), n);

    DetectResult d = DetectCharset(in.get(), n);
    ASSERT_GE(d.code, 0);
    ASSERT_LE(d.code, 3);

    ConvertOptions o;
    o.input = code(rng);
    o.output = out(rng);
    o.keepHalfKana = coin(rng);
    o.utf8Bom = coin(rng) && coin(rng);
    ConvertResult full = ConvertCharset(o, in.get(), n, nullptr, 0);
    ASSERT_LE(full.size, MaxConvertedSize(o, n));
    std::uniform_int_distribution<size_t> capPick(0, full.size + 4);
    for (size_t cap : {full.size + 1, capPick(rng), capPick(rng)}) {
      std::unique_ptr<char[]> buf(new char[cap ? cap : 1]);
      ConvertResult r = ConvertCharset(o, in.get(), n, cap ? buf.get() : nullptr, cap);
      ASSERT_EQ(r.size, full.size);
      ASSERT_EQ(r.lost, full.lost);
      ASSERT_EQ(r.truncated, r.size > r.written);
      if (cap == 0) continue;
      ASSERT_LT(r.written, cap);
      ASSERT_EQ(buf[r.written], '\0');
      if (cap > full.size) {
        ASSERT_FALSE(r.truncated);
      }
      // JIS to JIS is a copy, and ESC bytes of other input are copied as text.
      if (o.output == kCharsetJis && r.detected != kCharsetJis && sample.find('\x1B') == std::string::npos) {
        ASSERT_TRUE(EndsInAscii(buf.get(), r.written)) << Hex(sample) << " in " << r.detected << " cap " << cap;
      }
    }
    // The classic entry point with exactly 2x + 1 bytes (input NUL-terminated).
    std::string z = sample.substr(0, sample.find('\0'));
    std::unique_ptr<char[]> zin(new char[z.size() + 1]);
    std::memcpy(zin.get(), z.c_str(), z.size() + 1);
    std::unique_ptr<char[]> zout(new char[2 * z.size() + 1]);
    nkfapi::SetOption(coin(rng) ? "-sx" : "-jx");
    nkfapi::Convert(zout.get(), zin.get());
    NkfConvertResult last;
    nkfapi::GetLastResult(&last);
    ASSERT_LE(last.written, 2 * z.size());
    ASSERT_EQ(zout[last.written], '\0');
    ++runs;
  }
  EXPECT_GT(runs, 0);
}
