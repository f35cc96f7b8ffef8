#pragma once
// Literal search at character starts in Shift-JIS (or single-byte) text,
// optionally folding letter case as sjis_case.h does. Shared by the regular-
// expression engine (its literal-prefix scan) and the program's plain search.
#include <cstddef>
#include <cstring>

#include "ancillar/regex/sjis_case.h"
#include "platform/sjis.h"

namespace sjis_find_detail {

// Code and length of the character at p within [p, end).
inline unsigned DecodeAt(const unsigned char* p, const unsigned char* end, bool sjis, int& len) {
  if (sjis && IsSjisLead(*p) && p + 1 < end) {
    len = 2;
    return (static_cast<unsigned>(p[0]) << 8) | p[1];
  }
  len = 1;
  return *p;
}

inline const unsigned char* RawFind(const unsigned char* from, const unsigned char* end,
                                    const unsigned char* needle, size_t nlen) {
  if (static_cast<size_t>(end - from) < nlen) return nullptr;
#if defined(__GLIBC__)
  return static_cast<const unsigned char*>(memmem(from, end - from, needle, nlen));
#else
  const unsigned char* last = end - nlen;
  for (const unsigned char* p = from; p <= last;) {
    p = static_cast<const unsigned char*>(std::memchr(p, needle[0], last - p + 1));
    if (!p) return nullptr;
    if (std::memcmp(p + 1, needle + 1, nlen - 1) == 0) return p;
    ++p;
  }
  return nullptr;
#endif
}

// Does needle end with a lead byte that has no trail byte inside the needle?
inline bool EndsWithLoneLead(const unsigned char* needle, size_t nlen) {
  size_t i = 0;
  bool lone = false;
  while (i < nlen) {
    if (IsSjisLead(needle[i]) && i + 1 < nlen) {
      i += 2;
      lone = false;
    } else {
      lone = IsSjisLead(needle[i]);
      i += 1;
    }
  }
  return lone;
}

}  // namespace sjis_find_detail

// First occurrence of needle in [from, end) that starts at a character start
// (and does not end inside a character), or nullptr. `from` must be a
// character start. Time is proportional to the distance to the match.
inline const unsigned char* SjisFindLiteral(const unsigned char* from, const unsigned char* end,
                                            const unsigned char* needle, size_t nlen, bool icase,
                                            bool sjis) {
  using namespace sjis_find_detail;
  if (nlen == 0 || !from || from > end) return nullptr;
  const bool loneLeadEnd = sjis && EndsWithLoneLead(needle, nlen);
  if (!icase) {
    // A candidate is a character start when, counted from the last known
    // boundary, the run of lead-range bytes before it has even length.
    const unsigned char* known = from;
    const unsigned char* p = from;
    for (;;) {
      const unsigned char* q = RawFind(p, end, needle, nlen);
      if (!q) return nullptr;
      bool aligned = true;
      if (sjis) {
        const unsigned char* b = q;
        while (b > known && IsSjisLead(b[-1])) --b;
        aligned = ((q - b) % 2) == 0;
        known = aligned ? q : q + 1;
      }
      if (aligned && (!loneLeadEnd || q + nlen == end)) return q;
      p = q + 1;
    }
  }
  int flen = 0;
  const unsigned firstFold = SjisToLower(DecodeAt(needle, needle + nlen, sjis, flen));
  const unsigned char* last = end - nlen;
  for (const unsigned char* p = from; p <= last && p < end;) {
    int len = 0;
    unsigned c = DecodeAt(p, end, sjis, len);
    if (len == flen && SjisToLower(c) == firstFold) {
      const unsigned char* t = p + len;
      size_t k = static_cast<size_t>(flen);
      bool same = true;
      while (k < nlen) {
        int tl = 0, nl = 0;
        if (t >= end) { same = false; break; }
        unsigned tc = DecodeAt(t, end, sjis, tl);
        unsigned nc = DecodeAt(needle + k, needle + nlen, sjis, nl);
        if (tl != nl || SjisToLower(tc) != SjisToLower(nc)) { same = false; break; }
        t += tl;
        k += static_cast<size_t>(nl);
      }
      if (same) return p;
    }
    p += len;
  }
  return nullptr;
}
