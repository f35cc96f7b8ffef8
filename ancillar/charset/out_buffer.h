#pragma once
// A bounded output: bytes go into the caller's buffer while they fit; once a
// character does not fit, nothing more is written (so the text is cut at a
// character boundary) but the full size is still counted.
#include <cstddef>
#include <cstring>

// Hot per-character helpers must inline into the decoder loops, where the
// output state is a local copy that the compiler keeps in registers.
#if defined(__GNUC__)
#define CHARSET_INLINE inline __attribute__((always_inline))
#define CHARSET_LAMBDA_INLINE __attribute__((always_inline))
#else
#define CHARSET_INLINE inline
#define CHARSET_LAMBDA_INLINE
#endif

struct OutBuffer {
  char* begin;
  char* p;
  char* end;             // last byte usable for text; the NUL goes at p
  size_t overflow = 0;   // bytes of the result that did not fit

  // capacity counts the NUL; 0 (or no buffer) counts only.
  OutBuffer(char* out, size_t capacity)
      : begin(out), p(out), end(out && capacity ? out + capacity - 1 : out) {}

  size_t Written() const { return static_cast<size_t>(p - begin); }
  size_t Size() const { return Written() + overflow; }
  bool Truncated() const { return overflow != 0; }
  size_t Room() const { return static_cast<size_t>(end - p); }

  // True when k bytes plus `reserve` more fit; otherwise the output is closed.
  CHARSET_INLINE bool Take(size_t k, size_t reserve = 0) {
    if (Room() >= k + reserve) return true;
    overflow += k;
    end = p;
    return false;
  }
  CHARSET_INLINE void Put1(unsigned char a) {
    if (Take(1)) *p++ = static_cast<char>(a);
  }
  CHARSET_INLINE void Put2(unsigned char a, unsigned char b) {
    if (Take(2)) {
      p[0] = static_cast<char>(a);
      p[1] = static_cast<char>(b);
      p += 2;
    }
  }
  CHARSET_INLINE void Put3(unsigned char a, unsigned char b, unsigned char c) {
    if (Take(3)) {
      p[0] = static_cast<char>(a);
      p[1] = static_cast<char>(b);
      p[2] = static_cast<char>(c);
      p += 3;
    }
  }
  // Single-byte characters only: any cut is a character boundary.
  CHARSET_INLINE void PutRun(const unsigned char* s, size_t n) {
    size_t room = Room();
    if (n <= room) {
      if (n) std::memcpy(p, s, n);
      p += n;
    } else {
      if (room) std::memcpy(p, s, room);
      p += room;
      overflow += n - room;
      end = p;
    }
  }
  void Terminate() {
    if (begin && p) *p = '\0';
  }
};

// Length of the run of bytes below 0x80 at s (at most n).
inline size_t AsciiRunLength(const unsigned char* s, size_t n) {
  size_t i = 0;
  while (i + 8 <= n) {
    unsigned long long w;
    std::memcpy(&w, s + i, 8);
    if (w & 0x8080808080808080ULL) break;
    i += 8;
  }
  while (i < n && s[i] < 0x80) ++i;
  return i;
}
