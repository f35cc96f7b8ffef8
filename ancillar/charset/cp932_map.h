#pragma once
// Lookups over the generated cp932 table and the row/cell arithmetic that
// relates Shift-JIS to JIS X 0208 (and so to EUC and ISO-2022-JP).
#include <cstdint>

#include "ancillar/charset/cp932_table.h"
#include "platform/sjis.h"

// The geta mark, shown for every character that could not be converted.
constexpr uint16_t kGetaSjis = 0x81AC;
constexpr uint16_t kGetaJis = 0x222E;
constexpr uint16_t kGetaUnicode = 0x3013;

inline bool IsHalfKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// Unicode of a double-byte code (lead + valid trail), 0 when unassigned.
inline uint16_t Cp932DoubleUnicode(unsigned char lead, unsigned char trail) {
  return kCp932DoubleToUnicode[Cp932DoubleIndex(lead, trail)];
}

// cp932 code of a Unicode scalar: a single byte (< 0x100) or a double-byte
// code (>= 0x8140), the preferred one where several exist; -1 when none.
int Cp932FromUnicode(uint32_t u);
// The table behind it for hot loops: index by a BMP scalar; 0 means none
// (except at U+0000, which is 0x00).
const uint16_t* Cp932FromUnicodeTable();

// cp932 code of a Unicode character that cp932 encodes only one way (U+301C
// WAVE DASH, which other converters write for 0x8160); -1 when u is not one.
int Cp932FromOneWayUnicode(uint32_t u);

// cp932 code of a JIS X 0212 code (bytes 0x21-0x7E), -1 when cp932 has none.
int Cp932FromJisx0212(uint16_t jis);

// Lead bytes 0x81-0xEF hold JIS rows 1-94 (including NEC row 13 and the NEC
// selected IBM rows 89-92); 0xF0-0xF9 are user-defined, 0xFA-0xFC IBM.
inline bool IsJisRowsLead(unsigned char lead) { return lead <= 0xEF; }

// Shift-JIS pair with lead 0x81-0xEF and valid trail -> JIS bytes (0x21-0x7E each).
inline uint16_t SjisToJis(unsigned char lead, unsigned char trail) {
  int row = (lead <= 0x9F ? lead - 0x81 : lead - 0xC1) * 2;  // 0-based, even
  int cell;
  if (trail >= 0x9F) {
    ++row;
    cell = trail - 0x9F;
  } else {
    cell = trail - 0x40 - (trail > 0x7F ? 1 : 0);
  }
  return static_cast<uint16_t>(((row + 0x21) << 8) | (cell + 0x21));
}

// JIS bytes (0x21-0x7E each) -> Shift-JIS code.
inline uint16_t JisToSjis(unsigned char j1, unsigned char j2) {
  int row = j1 - 0x21;
  int cell = j2 - 0x21;
  int lead = (row >> 1) + (row < 62 ? 0x81 : 0xC1);
  int trail;
  if (row & 1) {
    trail = cell + 0x9F;
  } else {
    trail = cell + 0x40 + (cell >= 63 ? 1 : 0);
  }
  return static_cast<uint16_t>((lead << 8) | trail);
}

// SjisToJis(SjisForJisRows(...)) of every double-byte code, indexed by
// Cp932DoubleIndex; 0 where there is none.
const uint16_t* SjisToJisTable();
// JisToSjis of every JIS code, indexed by (row - 1) * 94 + (cell - 1).
const uint16_t* JisToSjisTable();

// The JIS-rows code of a double-byte code for EUC and ISO-2022-JP output:
// itself in rows 1-94, the duplicate in rows 1-94 for an IBM extension
// character; 0 when there is none (user-defined area, unassigned IBM codes).
inline uint16_t SjisForJisRows(unsigned char lead, unsigned char trail) {
  if (IsJisRowsLead(lead)) return static_cast<uint16_t>((lead << 8) | trail);
  if (lead >= 0xFA) return kCp932IbmToJisRows[(lead - 0xFA) * kCp932TrailCount + Cp932TrailIndex(trail)];
  return 0;
}
