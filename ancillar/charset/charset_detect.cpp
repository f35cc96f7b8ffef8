#include "ancillar/charset/charset_detect.h"

#include <cstring>
#include <thread>

#include "ancillar/charset/cp932_map.h"
#include "ancillar/charset/out_buffer.h"

namespace {

// Three small machines run as one product automaton. Plausibility is scored
// at the lead byte, 4 per byte for likely Japanese; an invalid sequence costs
// kDetectErrorPenalty.
struct Step {
  int next;
  int err;
  int score;
};

int SjisLeadScore(int b) {
  if ((b >= 0x81 && b <= 0x83) || (b >= 0x88 && b <= 0x98)) return 8;  // symbols, kana, level-1 kanji
  if (b == 0x84 || (b >= 0x99 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEA)) return 4;
  if (b == 0x87 || b == 0xED || b == 0xEE || b >= 0xFA) return 2;  // NEC and IBM extensions
  return 0;
}

Step SjisStep(int st, int b) {
  if (st == 1) {
    if (IsCp932Trail(static_cast<unsigned char>(b))) return {0, 0, 0};
    Step r = SjisStep(0, b);
    ++r.err;
    return r;
  }
  if (b < 0x80) return {0, 0, 0};
  if (IsHalfKana(static_cast<unsigned char>(b))) return {0, 0, 1};
  if (IsSjisLead(static_cast<unsigned char>(b))) return {1, 0, SjisLeadScore(b)};
  return {0, 1, 0};
}

int EucLeadScore(int b) {
  if (b == 0xA1 || b == 0xA4 || b == 0xA5 || (b >= 0xB0 && b <= 0xCF)) return 8;
  if (b == 0xA2 || b == 0xA3 || (b >= 0xA6 && b <= 0xA8) || (b >= 0xD0 && b <= 0xF4)) return 4;
  if (b == 0xAD || (b >= 0xF9 && b <= 0xFC)) return 2;
  return 0;
}

// States: 0 start, 1 second byte, 2 after SS2, 3 first byte after SS3.
Step EucStep(int st, int b) {
  bool euc = b >= 0xA1 && b <= 0xFE;
  if (st == 0) {
    if (b < 0x80) return {0, 0, 0};
    if (euc) return {1, 0, EucLeadScore(b)};
    if (b == 0x8E) return {2, 0, 2};
    if (b == 0x8F) return {3, 0, 2};
    return {0, 1, 0};
  }
  if (st == 1 && euc) return {0, 0, 0};
  if (st == 2 && IsHalfKana(static_cast<unsigned char>(b))) return {0, 0, 0};
  if (st == 3 && euc) return {1, 0, 0};
  Step r = EucStep(0, b);
  ++r.err;
  return r;
}

int Utf8LeadScore(int b) {
  if (b >= 0xE3 && b <= 0xE9) return 12;  // CJK punctuation, kana, ideographs
  if (b == 0xEF) return 10;               // full-width forms
  if (b == 0xE1 || b == 0xE2) return 8;   // general punctuation, symbols
  return 6;
}

// States: number of continuation bytes still needed.
Step Utf8Step(int st, int b) {
  if (st > 0) {
    if (b >= 0x80 && b <= 0xBF) return {st - 1, 0, 0};
    Step r = Utf8Step(0, b);
    ++r.err;
    return r;
  }
  if (b < 0x80) return {0, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {1, 0, 4};
  if (b >= 0xE0 && b <= 0xEF) return {2, 0, Utf8LeadScore(b)};
  if (b >= 0xF0 && b <= 0xF4) return {3, 0, 8};
  return {0, 1, 0};
}

constexpr int kStates = 2 * 4 * 4;

// A table entry: three 15-bit fields, one per reading, holding
// kBias + score - penalty * errors of the byte (never negative), and the next
// state times 256 from bit 48 on. Accumulating whole entries lets the state
// bits pile up harmlessly above the fields, so a byte costs one lookup, one
// shift and one add.
constexpr int kBias = 2 * kDetectErrorPenalty;
constexpr int kFieldBits = 15;
constexpr uint64_t kFieldMask = (1u << kFieldBits) - 1;
constexpr int kStateShift = 48;
constexpr int kFlushEvery = 256;  // 256 * (kBias + 12) < 2^15
static_assert(kFlushEvery * (kBias + 12) < (1 << kFieldBits), "field overflow");

int Pack(int sj, int eu, int u8) { return sj + 2 * (eu + 4 * u8); }

struct Automaton {
  uint64_t entry[kStates * 256] = {};

  Automaton() {
    for (int st = 0; st < kStates; ++st) {
      int sj = st % 2, eu = (st / 2) % 4, u8 = st / 8;
      for (int b = 0; b < 256; ++b) {
        Step steps[3] = {SjisStep(sj, b), EucStep(eu, b), Utf8Step(u8, b)};
        uint64_t e = uint64_t(Pack(steps[0].next, steps[1].next, steps[2].next)) * 256 << kStateShift;
        for (int f = 0; f < 3; ++f) {
          int v = kBias + steps[f].score - kDetectErrorPenalty * steps[f].err;
          e |= uint64_t(v) << (f * kFieldBits);
        }
        entry[st * 256 + b] = e;
      }
    }
  }
};

const uint64_t* Table() {
  static const Automaton automaton;  // filled once, also when threads ask at the same time
  return automaton.entry;
}

struct Totals {
  int64_t v[3] = {};
  int64_t bytes = 0;
  void Add(uint64_t acc, int64_t n) {
    for (int f = 0; f < 3; ++f) v[f] += static_cast<int64_t>((acc >> (f * kFieldBits)) & kFieldMask);
    bytes += n;
  }
};

// Runs the automaton over [p, end) from state st (times 256); returns the end state.
uint64_t ScanRun(const uint64_t* t, uint64_t st, const unsigned char* p, const unsigned char* end, Totals& tot) {
  while (p < end) {
    const unsigned char* stop = end - p > kFlushEvery ? p + kFlushEvery : end;
    int64_t n = stop - p;
    uint64_t acc = 0;
    for (; p < stop; ++p) {
      uint64_t e = t[st + *p];
      st = e >> kStateShift;
      acc += e;
    }
    tot.Add(acc, n);
  }
  return st;
}

// Index just after a byte below 0x40 within kSearch bytes from `from`, or 0.
size_t BoundaryAfter(const unsigned char* s, size_t n, size_t from) {
  constexpr size_t kSearch = 1 << 12;
  for (size_t i = from; i < n && i < from + kSearch; ++i) {
    if (s[i] < 0x40) return i + 1;
  }
  return 0;
}

// Six independent parts run interleaved so that the table lookups of one
// wait for memory while the others proceed. A part boundary lies just after
// a byte below 0x40, which every machine ends on in its start state, so the
// counts equal those of one sequential run. Returns the final state.
int ScanInterleaved(const uint64_t* t, const unsigned char* s, size_t n, Totals& tot) {
  constexpr int kParts = 6;
  constexpr size_t kMinPart = 1 << 16;
  const unsigned char* bound[kParts + 1];
  bound[0] = s;
  int parts = 1;
  if (n >= kParts * kMinPart) {
    for (int k = 1; k < kParts; ++k) {
      size_t b = BoundaryAfter(s, n, n / kParts * k);
      if (b) bound[parts++] = s + b;
    }
  }
  if (parts != kParts) return static_cast<int>(ScanRun(t, 0, s, s + n, tot) / 256);
  bound[kParts] = s + n;

  const unsigned char* pos[kParts];
  size_t common = static_cast<size_t>(bound[1] - bound[0]);
  for (int k = 0; k < kParts; ++k) {
    pos[k] = bound[k];
    size_t len = static_cast<size_t>(bound[k + 1] - bound[k]);
    if (len < common) common = len;
  }
  uint64_t st[kParts] = {};
  for (size_t done = 0; done + kFlushEvery <= common; done += kFlushEvery) {
    uint64_t acc[kParts] = {};
    for (int j = 0; j < kFlushEvery; ++j) {
      for (int k = 0; k < kParts; ++k) {
        uint64_t e = t[st[k] + pos[k][j]];
        st[k] = e >> kStateShift;
        acc[k] += e;
      }
    }
    for (int k = 0; k < kParts; ++k) {
      tot.Add(acc[k], kFlushEvery);
      pos[k] += kFlushEvery;
    }
  }
  // Each part finishes from where it stands; only the last can end mid-sequence.
  uint64_t last = 0;
  for (int k = 0; k < kParts; ++k) last = ScanRun(t, st[k], pos[k], bound[k + 1], tot);
  return static_cast<int>(last / 256);
}

// Large texts are scanned in two halves on two threads (the halves split like
// the interleaved parts, so the counts stay exact); one thread when a thread
// cannot be had.
int ScanParallel(const uint64_t* t, const unsigned char* s, size_t n, Totals& tot) {
  constexpr size_t kThreadMin = 8u << 20;
  size_t half = n >= kThreadMin ? BoundaryAfter(s, n, n / 2) : 0;
  if (!half) return ScanInterleaved(t, s, n, tot);
  Totals first;
  std::thread worker;
  try {
    worker = std::thread([&] { ScanInterleaved(t, s, half, first); });
  } catch (...) {
    return ScanInterleaved(t, s, n, tot);
  }
  int last = ScanInterleaved(t, s + half, n - half, tot);
  worker.join();
  for (int f = 0; f < 3; ++f) tot.v[f] += first.v[f];
  tot.bytes += first.bytes;
  return last;
}

bool HasJisDesignation(const unsigned char* s, size_t n) {
  const unsigned char* end = s + n;
  for (const unsigned char* p = s; (p = static_cast<const unsigned char*>(std::memchr(p, 0x1B, end - p))); ++p) {
    size_t left = static_cast<size_t>(end - p);
    if (left >= 3 && p[1] == '$' && (p[2] == '@' || p[2] == 'B')) return true;
    if (left >= 3 && p[1] == '(' && p[2] == 'I') return true;
    if (left >= 4 && p[1] == '$' && p[2] == '(' && (p[3] == 'D' || p[3] == 'B' || p[3] == '@')) return true;
    if (left < 2) break;
  }
  return false;
}

}  // namespace

DetectScores ScoreCharsets(const char* text, size_t length) {
  DetectScores r;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  if (!s) return r;
  size_t skip = AsciiRunLength(s, length);  // 7-bit bytes change no machine
  Totals tot;
  int last = ScanParallel(Table(), s + skip, length - skip, tot);
  const int codes[3] = {kCharsetSjis, kCharsetEuc, kCharsetUtf8};
  for (int f = 0; f < 3; ++f) r.value[codes[f]] = tot.v[f] - kBias * tot.bytes;
  // A sequence cut off by the end of the text is one more error.
  if (last % 2) r.value[kCharsetSjis] -= kDetectErrorPenalty;
  if ((last / 2) % 4) r.value[kCharsetEuc] -= kDetectErrorPenalty;
  if (last / 8) r.value[kCharsetUtf8] -= kDetectErrorPenalty;
  return r;
}

DetectResult DetectCharset(const char* text, size_t length) {
  DetectResult r;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  if (!s || length == 0) return r;
  if (length >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF) {
    r.code = kCharsetUtf8;
    r.bom = true;
    return r;
  }
  if (AsciiRunLength(s, length) == length) {
    r.code = HasJisDesignation(s, length) ? kCharsetJis : kCharsetSjis;
    return r;
  }
  DetectScores sc = ScoreCharsets(text, length);
  r.code = kCharsetSjis;
  if (sc.value[kCharsetUtf8] > sc.value[r.code]) r.code = kCharsetUtf8;
  if (sc.value[kCharsetEuc] > sc.value[r.code]) r.code = kCharsetEuc;
  return r;
}
