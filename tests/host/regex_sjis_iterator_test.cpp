// Stepping back through Shift-JIS text must land on character starts, also
// inside long runs of bytes that could all be lead bytes (字 is 0x8E 0x9A).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ancillar/regex/sjis_iterator.h"
#include "platform/sjis.h"
#include "regex_test_api.h"

namespace {

using Byte = unsigned char;

// Pieces whose bytes are all in the lead range, others with an ASCII trail,
// and single bytes.
const char* const kPieces[] = {"字", "亜", "\xE0\x90", "\x81\x81", "ア", "a", "A", "\xB1", "\r\n"};
constexpr int kPieceCount = sizeof kPieces / sizeof kPieces[0];

struct Rng {
  uint64_t s;
  int Next(int n) {
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((s >> 33) % static_cast<uint64_t>(n));
  }
};

std::string RandomText(Rng& rng) {
  std::string text;
  // Sometimes a lone lead-range byte first, so a run's pairs shift by one.
  if (rng.Next(3) == 0) text += "\x8E";
  const int pieces = rng.Next(4) == 0 ? 600 : rng.Next(40);
  const int run = rng.Next(3);  // mostly one lead-range character
  for (int i = 0; i < pieces; ++i) text += kPieces[rng.Next(4) == 0 ? rng.Next(kPieceCount) : run];
  if (rng.Next(4) == 0) text += "\x8E";  // a lead byte at the very end is a byte of its own
  return text;
}

// Character starts by reading forward from the start, plus the end.
std::vector<int> Starts(const std::string& text) {
  std::vector<int> starts;
  const char* end = text.data() + text.size();
  for (const char* p = text.data(); p < end; p += SjisCharLen(p, end)) {
    starts.push_back(static_cast<int>(p - text.data()));
  }
  starts.push_back(static_cast<int>(text.size()));
  return starts;
}

}  // namespace

TEST(RegexSjisIterator, SteppingBackLandsOnTheStartsFoundReadingForward) {
  Rng rng{2024};
  for (int round = 0; round < 300; ++round) {
    const std::string text = RandomText(rng);
    const std::vector<int> starts = Starts(text);
    const Byte* b = reinterpret_cast<const Byte*>(text.data());
    const Byte* e = b + text.size();
    SjisRunCache cache;  // shared by every iterator of the round, as in one search
    SCOPED_TRACE("round " + std::to_string(round));
    // From random starts (no earlier step to remember), a few steps back each.
    for (int probe = 0; probe < 20; ++probe) {
      int k = rng.Next(static_cast<int>(starts.size()));
      SjisIterator it(b + starts[static_cast<size_t>(k)], b, e, true, &cache);
      for (int step = rng.Next(6); step > 0 && k > 0; --step) {
        --it;
        --k;
        ASSERT_EQ(it.base() - b, starts[static_cast<size_t>(k)]);
      }
    }
    // From the end all the way back, with and without a cache.
    for (SjisRunCache* c : {&cache, static_cast<SjisRunCache*>(nullptr)}) {
      SjisIterator it(e, b, e, true, c);
      for (size_t k = starts.size() - 1; k > 0; --k) {
        --it;
        ASSERT_EQ(it.base() - b, starts[k - 1]);
      }
    }
  }
}

TEST(RegexSjisIterator, LookBehindSeesCharactersNotBytePairs) {
  // After a lone lead byte the bytes pair up differently: no "字" is left.
  EXPECT_EQ(EngineMatch("m/(?<=字)A/k", "\x8E字字A").rc, 0);
  EXPECT_EQ(EngineMatch("m/(?<=字)A/k", "a字字A").pos, 5);
  Rng rng{77};
  int matched = 0;
  for (int round = 0; round < 500; ++round) {
    const std::string text = RandomText(rng);
    const std::vector<int> starts = Starts(text);
    // Single characters only (the last piece is two). Two characters back:
    // the second step has no earlier step forward to return to.
    auto pick = [&rng]() -> std::string { return kPieces[rng.Next(4) ? rng.Next(3) : rng.Next(kPieceCount - 1)]; };
    const std::string w = pick();
    const std::string x = pick();
    const std::string y = pick();
    // The first character y preceded by w and x, read forward.
    auto at = [&](size_t k, const std::string& c) {
      const size_t p = static_cast<size_t>(starts[k]);
      return text.compare(p, static_cast<size_t>(starts[k + 1]) - p, c) == 0;
    };
    int expected = -1;
    for (size_t k = 2; k + 1 < starts.size() && expected < 0; ++k) {
      if (at(k - 2, w) && at(k - 1, x) && at(k, y)) expected = starts[k];
    }
    const std::string pattern = "m/(?<=" + w + x + ")" + y + "/k";
    EngineMatchResult got = EngineMatch(pattern, text);
    ASSERT_GE(got.rc, 0) << got.error;
    EXPECT_EQ(got.rc ? got.pos : -1, expected) << "round " << round << " pattern " << pattern;
    matched += expected >= 0;
  }
  EXPECT_GT(matched, 50);  // the rounds do reach matches
}
