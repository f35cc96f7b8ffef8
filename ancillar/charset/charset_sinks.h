#pragma once
// Output encoders. Decoders hand them Shift-JIS characters as events:
//   AsciiRun/Ascii  bytes 0x00-0x7F        Kana  half-width katakana 0xA1-0xDF
//   Double          a lead byte with a valid trail byte
//   Raw             a Shift-JIS byte that is no character (only Shift-JIS keeps it)
//   Lost            an input character that cannot be converted (geta, counted)
//   NoteLoss        counts a character that is converted but will not round-trip
// Internal to the converter.
#include <cstddef>
#include <cstdint>

#include "ancillar/charset/cp932_map.h"
#include "ancillar/charset/half_kana.h"
#include "ancillar/charset/out_buffer.h"

struct SinkBase {
  OutBuffer out;
  size_t lost = 0;
  size_t size = 0;  // set by Finish: bytes of the whole result
  SinkBase(char* o, size_t cap) : out(o, cap) {}
  void NoteLoss() { ++lost; }
};

struct SjisSink : SinkBase {
  using SinkBase::SinkBase;
  CHARSET_INLINE void AsciiRun(const unsigned char* s, size_t n) { out.PutRun(s, n); }
  CHARSET_INLINE void Ascii(unsigned char b) { out.Put1(b); }
  CHARSET_INLINE void Kana(unsigned char b) { out.Put1(b); }
  CHARSET_INLINE void Double(unsigned char l, unsigned char t) { out.Put2(l, t); }
  CHARSET_INLINE void Raw(unsigned char b) { out.Put1(b); }
  CHARSET_INLINE void Lost() {
    ++lost;
    out.Put2(kGetaSjis >> 8, kGetaSjis & 0xFF);
  }
  void Finish() { size = out.Size(); }
};

struct EucSink : SinkBase {
  const uint16_t* toJis = SjisToJisTable();
  using SinkBase::SinkBase;
  CHARSET_INLINE void AsciiRun(const unsigned char* s, size_t n) { out.PutRun(s, n); }
  CHARSET_INLINE void Ascii(unsigned char b) { out.Put1(b); }
  CHARSET_INLINE void Kana(unsigned char b) { out.Put2(0x8E, b); }
  CHARSET_INLINE void Double(unsigned char l, unsigned char t) {
    uint16_t j = toJis[Cp932DoubleIndex(l, t)];
    if (!j) return Lost();
    out.Put2((j >> 8) | 0x80, (j & 0xFF) | 0x80);
  }
  CHARSET_INLINE void Raw(unsigned char) { Lost(); }
  CHARSET_INLINE void Lost() {
    ++lost;
    out.Put2((kGetaJis >> 8) | 0x80, (kGetaJis & 0xFF) | 0x80);
  }
  void Finish() { size = out.Size(); }
};

// ISO-2022-JP: ESC ( B ASCII, ESC ( I half-width katakana, ESC $ B kanji. The
// text always ends in ASCII; a cut text too, because every character written
// outside ASCII leaves room for the closing escape.
struct JisSink : SinkBase {
  enum Mode { kAscii, kKana, kKanji };
  int mode = kAscii;         // of the whole result
  int writtenMode = kAscii;  // of the bytes actually written
  char* limit;               // the real end of the buffer
  const uint16_t* toJis = SjisToJisTable();

  JisSink(char* o, size_t cap) : SinkBase(o, cap), limit(out.end) {}

  CHARSET_INLINE bool Enter(int m, size_t k) {
    size_t esc = (m != mode) ? 3 : 0;
    bool fits = out.Take(esc + k, m == kAscii ? 0 : 3);
    if (fits && esc) PutEscape(m);
    mode = m;
    if (fits) writtenMode = m;
    return fits;
  }
  CHARSET_INLINE void PutEscape(int m) {
    out.p[0] = 0x1B;
    out.p[1] = m == kKanji ? '$' : '(';
    out.p[2] = m == kKanji ? 'B' : (m == kKana ? 'I' : 'B');
    out.p += 3;
  }
  CHARSET_INLINE void AsciiRun(const unsigned char* s, size_t n) {
    if (n && mode != kAscii) {
      if (Enter(kAscii, 1)) *out.p++ = static_cast<char>(*s);
      ++s;
      --n;
    }
    out.PutRun(s, n);
  }
  CHARSET_INLINE void Ascii(unsigned char b) {
    if (Enter(kAscii, 1)) *out.p++ = static_cast<char>(b);
  }
  CHARSET_INLINE void Kana(unsigned char b) {
    if (Enter(kKana, 1)) *out.p++ = static_cast<char>(b - 0x80);
  }
  CHARSET_INLINE void Kanji(uint16_t j) {
    if (Enter(kKanji, 2)) {
      out.p[0] = static_cast<char>(j >> 8);
      out.p[1] = static_cast<char>(j & 0xFF);
      out.p += 2;
    }
  }
  CHARSET_INLINE void Double(unsigned char l, unsigned char t) {
    uint16_t j = toJis[Cp932DoubleIndex(l, t)];
    if (!j) return Lost();
    Kanji(j);
  }
  CHARSET_INLINE void Raw(unsigned char) { Lost(); }
  CHARSET_INLINE void Lost() {
    ++lost;
    Kanji(kGetaJis);
  }
  void Finish() {
    if (mode != kAscii && out.Take(3)) PutEscape(kAscii);
    size = out.Size();
    if (out.Truncated() && writtenMode != kAscii && limit - out.p >= 3) PutEscape(kAscii);
  }
};

struct Utf8Sink : SinkBase {
  Utf8Sink(char* o, size_t cap, bool bom) : SinkBase(o, cap) {
    if (bom) out.Put3(0xEF, 0xBB, 0xBF);
  }
  CHARSET_INLINE void AsciiRun(const unsigned char* s, size_t n) { out.PutRun(s, n); }
  CHARSET_INLINE void Ascii(unsigned char b) { out.Put1(b); }
  CHARSET_INLINE void Kana(unsigned char b) { Put(0xFF61 + b - 0xA1); }
  CHARSET_INLINE void Double(unsigned char l, unsigned char t) {
    uint16_t u = Cp932DoubleUnicode(l, t);
    if (!u) return Lost();
    Put(u);
  }
  CHARSET_INLINE void Raw(unsigned char) { Lost(); }
  CHARSET_INLINE void Lost() {
    ++lost;
    Put(kGetaUnicode);
  }
  CHARSET_INLINE void Put(uint16_t u) {
    if (u < 0x800) {
      out.Put2(0xC0 | (u >> 6), 0x80 | (u & 0x3F));
    } else {
      out.Put3(0xE0 | (u >> 12), 0x80 | ((u >> 6) & 0x3F), 0x80 | (u & 0x3F));
    }
  }
  void Finish() { size = out.Size(); }
};

// Without the "x" option: half-width katakana become full-width, a following
// voiced or semi-voiced mark joining its kana.
template <class Inner>
struct KanaWidenSink {
  Inner* target;
  unsigned char pending = 0;

  explicit KanaWidenSink(Inner& in) : target(&in) {}
  Inner& inner() { return *target; }
  void Flush() {
    if (pending) {
      uint16_t w = WideKana(pending);
      pending = 0;
      inner().Double(w >> 8, w & 0xFF);
    }
  }
  CHARSET_INLINE void AsciiRun(const unsigned char* s, size_t n) {
    Flush();
    inner().AsciiRun(s, n);
  }
  CHARSET_INLINE void Ascii(unsigned char b) {
    Flush();
    inner().Ascii(b);
  }
  CHARSET_INLINE void Kana(unsigned char b) {
    if (pending) {
      uint16_t joined = WideKanaWithMark(pending, b);
      if (joined) {
        pending = 0;
        return inner().Double(joined >> 8, joined & 0xFF);
      }
      Flush();
    }
    if (KanaTakesMark(b)) {
      pending = b;
      return;
    }
    uint16_t w = WideKana(b);
    inner().Double(w >> 8, w & 0xFF);
  }
  CHARSET_INLINE void Double(unsigned char l, unsigned char t) {
    Flush();
    inner().Double(l, t);
  }
  CHARSET_INLINE void Raw(unsigned char b) {
    Flush();
    inner().Raw(b);
  }
  CHARSET_INLINE void Lost() {
    Flush();
    inner().Lost();
  }
  void NoteLoss() { inner().NoteLoss(); }
  void Finish() {
    Flush();
    inner().Finish();
  }
};
