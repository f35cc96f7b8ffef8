#pragma once
// The statement keywords of the BASIC dialect, as colouring marks them. The
// lookup is inline: colouring asks it for every word of a text.
#include <cstddef>
#include <cstdint>

namespace lang {

// A word of at most 16 bytes folded to lower case and packed into two words,
// so that a lookup is a hash and one comparison.
struct PackedWord {
  uint64_t a = 0, b = 0;
  bool operator==(const PackedWord& o) const { return a == o.a && b == o.b; }
};
constexpr int kMaxPacked = 16;

inline PackedWord Pack(const unsigned char* p, int n) {
  PackedWord w;
  for (int i = 0; i < n; ++i) {
    uint64_t c = p[i];
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (i < 8)
      w.a |= c << (8 * i);
    else
      w.b |= c << (8 * (i - 8));
  }
  return w;
}

inline size_t Hash(const PackedWord& w) {
  uint64_t h = (w.a ^ (w.b * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
  return static_cast<size_t>(h >> 57);  // 0..127
}

class KeywordTable {
 public:
  KeywordTable();
  bool Contains(const unsigned char* p, int n) const {
    // Most identifiers fail on their first letter and length alone.
    if (n <= 0 || n > kMaxPacked || !(lengths_[Fold(p[0])] & (1u << n))) return false;
    PackedWord w = Pack(p, n);
    for (size_t h = Hash(w); used_[h]; h = (h + 1) % kSize)
      if (words_[h] == w) return true;
    return false;
  }

 private:
  static unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

  static constexpr size_t kSize = 128;
  PackedWord words_[kSize];
  bool used_[kSize] = {};
  uint32_t lengths_[256] = {};  // by folded first byte: bit n set when a keyword has length n
};

extern const KeywordTable kSourceKeywordTable;

}  // namespace lang

// True when the n bytes at p are a keyword (any letter case).
inline bool IsSourceKeyword(const unsigned char* p, int n) { return lang::kSourceKeywordTable.Contains(p, n); }
