#pragma once
// Code page 932 as data, generated from iconv by tools/gen_cp932_table.py so
// that every build converts identically without a locale.
#include <cstdint>

constexpr int kCp932LeadCount = 60;    // 0x81-0x9F, 0xE0-0xFC
constexpr int kCp932TrailCount = 188;  // 0x40-0x7E, 0x80-0xFC

// Unicode of each single byte; 0xFFFF where the byte is not a character.
extern const uint16_t kCp932SingleToUnicode[256];
// Unicode of each double-byte code by DoubleIndex; 0 where unassigned.
extern const uint16_t kCp932DoubleToUnicode[kCp932LeadCount * kCp932TrailCount];

// For each Unicode character with several codes, the code cp932 encodes it as.
struct Cp932Preferred {
  uint16_t unicode;
  uint16_t code;
};
extern const Cp932Preferred kCp932Preferred[];
extern const int kCp932PreferredCount;

// Unicode characters that cp932 encodes but decodes to another one (U+301C
// WAVE DASH -> 0x8160, which reads back as U+FF5E), sorted by Unicode.
extern const Cp932Preferred kCp932OneWay[];
extern const int kCp932OneWayCount;

// IBM extension codes (leads 0xFA-0xFC) -> the code of the same character in
// JIS rows 1-94, where EUC and JIS can hold it; 0 where unassigned.
extern const uint16_t kCp932IbmToJisRows[3 * kCp932TrailCount];

// JIS X 0212 code (row and cell bytes 0x21-0x7E) -> cp932 code, sorted by jis.
struct Jisx0212ToCp932 {
  uint16_t jis;
  uint16_t code;
};
extern const Jisx0212ToCp932 kJisx0212ToCp932[];
extern const int kJisx0212ToCp932Count;

inline int Cp932LeadIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}
inline bool IsCp932Trail(unsigned char t) { return t >= 0x40 && t <= 0xFC && t != 0x7F; }
inline int Cp932TrailIndex(unsigned char t) { return t < 0x7F ? t - 0x40 : t - 0x41; }
// Index into kCp932DoubleToUnicode of a lead byte and a valid trail byte.
inline int Cp932DoubleIndex(unsigned char lead, unsigned char trail) {
  return Cp932LeadIndex(lead) * kCp932TrailCount + Cp932TrailIndex(trail);
}
