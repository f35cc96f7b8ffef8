#pragma once
// Case folding and character classes of code page 932 characters, given as
// codes: a single byte is its own value, a double-byte character is
// (lead << 8) | trail. Shared by the regular-expression engine and the
// program's plain search, so both fold exactly the same letters.
#include <cstdint>

// Lower-case partner of an upper-case letter: ASCII, full-width Latin, and the
// Greek and Cyrillic rows of cp932. Every other code is returned unchanged.
inline uint32_t SjisToLower(uint32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 0x20 : c;
  if (c >= 0x8260 && c <= 0x8279) return c + 0x21;  // Ａ-Ｚ -> ａ-ｚ
  if (c >= 0x839F && c <= 0x83B6) return c + 0x20;  // Greek
  if (c >= 0x8440 && c <= 0x8460) {                 // Cyrillic; 0x847F is no character
    uint32_t i = c - 0x8440;
    return i < 15 ? 0x8470 + i : 0x8480 + (i - 15);
  }
  return c;
}

inline uint32_t SjisToUpper(uint32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
  if (c >= 0x8281 && c <= 0x829A) return c - 0x21;
  if (c >= 0x83BF && c <= 0x83D6) return c - 0x20;
  if (c >= 0x8470 && c <= 0x8491 && c != 0x847F) {
    return c < 0x847F ? 0x8440 + (c - 0x8470) : 0x8440 + 15 + (c - 0x8480);
  }
  return c;
}

// Character class bits.
enum SjisClass : uint32_t {
  kSjisUpper = 1u << 0,
  kSjisLower = 1u << 1,
  kSjisLetterOther = 1u << 2,  // kana, kanji, iteration marks, half-width kana
  kSjisDigit = 1u << 3,        // 0-9
  kSjisWideDigit = 1u << 4,    // ０-９
  kSjisSpace = 1u << 5,        // \t \n \v \f \r, blank, ideographic space
  kSjisBlank = 1u << 6,        // blank, tab, ideographic space
  kSjisCntrl = 1u << 7,
  kSjisPunct = 1u << 8,        // ASCII punctuation, double-byte symbols
  kSjisXdigit = 1u << 9,
  kSjisUnderscore = 1u << 10,
  kSjisNonAscii = 1u << 11,
  kSjisVertical = 1u << 12,    // \n \v \f \r
  kSjisHorizontal = 1u << 13,  // blank, tab, ideographic space
};

inline uint32_t SjisClassifyAscii(uint32_t c) {
  uint32_t m = 0;
  if (c >= 'A' && c <= 'Z') m |= kSjisUpper;
  else if (c >= 'a' && c <= 'z') m |= kSjisLower;
  else if (c >= '0' && c <= '9') m |= kSjisDigit;
  else if (c == ' ') m |= kSjisSpace | kSjisBlank | kSjisHorizontal;
  else if (c == '\t') m |= kSjisSpace | kSjisBlank | kSjisHorizontal | kSjisCntrl;
  else if (c >= '\n' && c <= '\r') m |= kSjisSpace | kSjisVertical | kSjisCntrl;
  else if (c < 0x20 || c == 0x7F) m |= kSjisCntrl;
  else m |= kSjisPunct;
  if (c == '_') m |= kSjisUnderscore;
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')) m |= kSjisXdigit;
  return m;
}

inline uint32_t SjisClassify(uint32_t c) {
  if (c < 0x80) return SjisClassifyAscii(c);
  uint32_t m = kSjisNonAscii;
  if (c <= 0xFF) {  // single byte: half-width katakana and its punctuation
    if (c >= 0xA6 && c <= 0xDF) m |= kSjisLetterOther;
    else if (c >= 0xA1 && c <= 0xA5) m |= kSjisPunct;
    return m;
  }
  if (c == 0x8140) return m | kSjisSpace | kSjisBlank | kSjisHorizontal;
  if (c >= 0x8152 && c <= 0x815B && c != 0x8156) return m | kSjisLetterOther;  // ヽヾゝゞ仝々〆〇ー
  if (c >= 0x8141 && c <= 0x81FC) return m | kSjisPunct;
  if (c >= 0x824F && c <= 0x8258) return m | kSjisWideDigit;
  if (SjisToLower(c) != c) return m | kSjisUpper;
  if (SjisToUpper(c) != c) return m | kSjisLower;
  if ((c >= 0x829F && c <= 0x82F1) || (c >= 0x8340 && c <= 0x8396)) return m | kSjisLetterOther;
  if ((c >= 0x849F && c <= 0x84BE) || (c >= 0x8740 && c <= 0x879C)) return m | kSjisPunct;
  if ((c >= 0x889F && c <= 0x9FFC) || (c >= 0xE040 && c <= 0xEAA4) ||
      (c >= 0xED40 && c <= 0xEEEC) || (c >= 0xFA5C && c <= 0xFC4B)) {
    return m | kSjisLetterOther;  // kanji, including the NEC/IBM extensions
  }
  return m;
}
