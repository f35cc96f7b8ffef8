#pragma once
// Input decoders: each walks its bytes once and hands Shift-JIS characters to
// a sink (charset_sinks.h). An invalid sequence becomes one Lost event for
// its longest valid beginning (at least one byte); nothing is read past n.
// Internal to the converter.
#include <cstddef>
#include <cstdint>

#include "ancillar/charset/cp932_map.h"
#include "ancillar/charset/out_buffer.h"

inline bool IsEucByte(unsigned char b) { return b >= 0xA1 && b <= 0xFE; }
inline bool IsJisByte(unsigned char b) { return b >= 0x21 && b <= 0x7E; }
inline bool IsUtf8Cont(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// A cp932 code from a table (single byte or double) as an event; -1 is Lost.
template <class Sink>
inline void EmitCp932(Sink& k, int code) {
  if (code < 0) {
    k.Lost();
  } else if (code < 0x80) {
    k.Ascii(static_cast<unsigned char>(code));
  } else if (code < 0x100) {
    k.Kana(static_cast<unsigned char>(code));
  } else {
    k.Double(static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code & 0xFF));
  }
}

// An invalid sequence of len bytes: one Lost event; returns len.
template <class Sink>
CHARSET_INLINE size_t LoseBytes(Sink& k, size_t len) {
  k.Lost();
  return len;
}

// A JIS X 0208 character by 0-based row and cell (EUC and ISO-2022-JP).
template <class Sink>
CHARSET_INLINE void EmitJisRowCell(Sink& k, const uint16_t* toSjis, int row, int cell) {
  uint16_t c = toSjis[row * 94 + cell];
  k.Double(static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c & 0xFF));
}

// The loop of the decoders whose bytes below 0x80 are always ASCII: such runs
// go to the sink whole; at any other byte b = s[i], step(k, i, b) emits one
// character (or one Lost) and returns the bytes it took.
template <class Sink, class Step>
CHARSET_INLINE void DecodeLoop(const unsigned char* s, size_t n, Sink& sink, Step step) {
  Sink k = sink;  // a local copy stays in registers
  size_t i = 0;
  while (i < n) {
    unsigned char b = s[i];
    if (b < 0x80) {
      size_t r = AsciiRunLength(s + i, n - i);
      k.AsciiRun(s + i, r);
      i += r;
    } else {
      i += step(k, i, b);
    }
  }
  sink = k;
}

template <class Sink>
void DecodeSjis(const unsigned char* s, size_t n, Sink& sink) {
  DecodeLoop(s, n, sink, [s, n](Sink& k, size_t i, unsigned char b) CHARSET_LAMBDA_INLINE -> size_t {
    if (IsHalfKana(b)) {
      k.Kana(b);
      return 1;
    }
    if (IsSjisLead(b) && i + 1 < n && IsCp932Trail(s[i + 1])) {
      k.Double(b, s[i + 1]);
      return 2;
    }
    k.Raw(b);
    return 1;
  });
}

template <class Sink>
void DecodeEuc(const unsigned char* s, size_t n, Sink& sink) {
  const uint16_t* toSjis = JisToSjisTable();
  DecodeLoop(s, n, sink, [s, n, toSjis](Sink& k, size_t i, unsigned char b) CHARSET_LAMBDA_INLINE -> size_t {
    if (IsEucByte(b)) {
      if (!(i + 1 < n && IsEucByte(s[i + 1]))) return LoseBytes(k, 1);
      EmitJisRowCell(k, toSjis, b - 0xA1, s[i + 1] - 0xA1);
      return 2;
    }
    if (b == 0x8E) {  // SS2: half-width katakana
      if (!(i + 1 < n && IsHalfKana(s[i + 1]))) return LoseBytes(k, 1);
      k.Kana(s[i + 1]);
      return 2;
    }
    if (b == 0x8F) {  // SS3: JIS X 0212
      if (!(i + 1 < n && IsEucByte(s[i + 1]))) return LoseBytes(k, 1);
      if (!(i + 2 < n && IsEucByte(s[i + 2]))) return LoseBytes(k, 2);
      EmitCp932(k, Cp932FromJisx0212(static_cast<uint16_t>(((s[i + 1] & 0x7F) << 8) | (s[i + 2] & 0x7F))));
      return 3;
    }
    return LoseBytes(k, 1);
  });
}

// ISO-2022-JP and its common relatives: ESC ( B / ( J / ( H ASCII, ESC ( I and
// SO/SI half-width katakana, ESC $ @ / $ B / $ ( B kanji, ESC $ ( D JIS X
// 0212, ESC & @ ignored, and 8-bit half-width katakana bytes. Controls and
// blanks are themselves in every mode; an unknown escape is kept as text.
template <class Sink>
void DecodeJis(const unsigned char* s, size_t n, Sink& sink) {
  Sink k = sink;  // a local copy stays in registers
  const uint16_t* toSjis = JisToSjisTable();
  enum { kAscii, kKana, kKanji, kSupp };
  int mode = kAscii;
  int shifted = -1;  // mode before SO, while shifted out
  size_t i = 0;
  auto at = [&](size_t j) -> int { return j < n ? s[j] : -1; };
  while (i < n) {
    unsigned char b = s[i];
    if (b == 0x1B) {
      int c1 = at(i + 1), c2 = at(i + 2), c3 = at(i + 3);
      int next = -1;
      size_t len = 3;
      if (c1 == '(' && (c2 == 'B' || c2 == 'J' || c2 == 'H')) {
        next = kAscii;
      } else if (c1 == '(' && c2 == 'I') {
        next = kKana;
      } else if (c1 == '$' && (c2 == '@' || c2 == 'B')) {
        next = kKanji;
      } else if (c1 == '$' && c2 == '(' && (c3 == 'B' || c3 == '@')) {
        next = kKanji;
        len = 4;
      } else if (c1 == '$' && c2 == '(' && c3 == 'D') {
        next = kSupp;
        len = 4;
      } else if (c1 == '&' && c2 == '@') {
        i += 3;
        continue;
      }
      if (next < 0) {
        k.Ascii(b);
        ++i;
      } else {
        mode = next;
        shifted = -1;
        i += len;
      }
    } else if (b == 0x0E) {
      if (shifted < 0) shifted = mode;
      mode = kKana;
      ++i;
    } else if (b == 0x0F) {
      if (shifted >= 0) mode = shifted;
      shifted = -1;
      ++i;
    } else if (b <= 0x20 || b == 0x7F) {
      k.Ascii(b);
      ++i;
    } else if (b >= 0x80) {
      if (IsHalfKana(b)) {
        k.Kana(b);
      } else {
        k.Lost();
      }
      ++i;
    } else if (mode == kAscii) {
      size_t r = 1;
      while (i + r < n && s[i + r] >= 0x20 && s[i + r] < 0x7F) ++r;
      k.AsciiRun(s + i, r);
      i += r;
    } else if (mode == kKana) {
      if (b <= 0x5F) {
        k.Kana(static_cast<unsigned char>(b + 0x80));
      } else {
        k.Lost();
      }
      ++i;
    } else if (i + 1 < n && IsJisByte(s[i + 1])) {
      if (mode == kKanji) {
        EmitJisRowCell(k, toSjis, b - 0x21, s[i + 1] - 0x21);
      } else {
        EmitCp932(k, Cp932FromJisx0212(static_cast<uint16_t>((b << 8) | s[i + 1])));
      }
      i += 2;
    } else {
      k.Lost();
      ++i;
    }
  }
  sink = k;
}

// Strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
// Characters cp932 cannot hold are Lost; those it holds only one way are
// converted and counted.
template <class Sink>
void DecodeUtf8(const unsigned char* s, size_t n, Sink& sink) {
  const uint16_t* table = Cp932FromUnicodeTable();
  DecodeLoop(s, n, sink, [s, n, table](Sink& k, size_t i, unsigned char b) CHARSET_LAMBDA_INLINE -> size_t {
    uint32_t u;
    size_t len;
    if (b >= 0xC2 && b <= 0xDF) {
      if (!(i + 1 < n && IsUtf8Cont(s[i + 1]))) return LoseBytes(k, 1);
      u = ((b & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu);
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      unsigned char lo = b == 0xE0 ? 0xA0 : 0x80;
      unsigned char hi = b == 0xED ? 0x9F : 0xBF;
      if (!(i + 1 < n && s[i + 1] >= lo && s[i + 1] <= hi)) return LoseBytes(k, 1);
      if (!(i + 2 < n && IsUtf8Cont(s[i + 2]))) return LoseBytes(k, 2);
      u = ((b & 0x0Fu) << 12) | ((s[i + 1] & 0x3Fu) << 6) | (s[i + 2] & 0x3Fu);
      len = 3;
    } else if (b >= 0xF0 && b <= 0xF4) {
      // Beyond the BMP: never in cp932; one Lost for the whole sequence.
      unsigned char lo = b == 0xF0 ? 0x90 : 0x80;
      unsigned char hi = b == 0xF4 ? 0x8F : 0xBF;
      len = 1;
      if (i + 1 < n && s[i + 1] >= lo && s[i + 1] <= hi) {
        len = 2;
        if (i + 2 < n && IsUtf8Cont(s[i + 2])) {
          len = 3;
          if (i + 3 < n && IsUtf8Cont(s[i + 3])) len = 4;
        }
      }
      return LoseBytes(k, len);
    } else {
      return LoseBytes(k, 1);
    }
    uint16_t c = table[u];
    if (c) {
      EmitCp932(k, c);
    } else {
      int oneWay = Cp932FromOneWayUnicode(u);
      if (oneWay >= 0) k.NoteLoss();
      EmitCp932(k, oneWay);
    }
    return len;
  });
}
