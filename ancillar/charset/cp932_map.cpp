#include "ancillar/charset/cp932_map.h"

#include <algorithm>

namespace {

// Unicode BMP -> cp932 code; 0 means none (U+0000 is handled by the caller).
struct FromUnicodeTable {
  uint16_t code[0x10000] = {};

  FromUnicodeTable() {
    for (int b = 1; b < 256; ++b) {
      uint16_t u = kCp932SingleToUnicode[b];
      if (u != 0xFFFF) code[u] = static_cast<uint16_t>(b);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsCp932Trail(static_cast<unsigned char>(trail))) continue;
        uint16_t u = Cp932DoubleUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (u != 0 && code[u] == 0) code[u] = static_cast<uint16_t>((lead << 8) | trail);
      }
    }
    for (int i = 0; i < kCp932PreferredCount; ++i) code[kCp932Preferred[i].unicode] = kCp932Preferred[i].code;
  }
};

struct JisTables {
  uint16_t sjisToJis[kCp932LeadCount * kCp932TrailCount] = {};
  uint16_t jisToSjis[94 * 94] = {};

  JisTables() {
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsSjisLead(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (!IsCp932Trail(static_cast<unsigned char>(trail))) continue;
        uint16_t c = SjisForJisRows(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        sjisToJis[Cp932DoubleIndex(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))] =
            c ? SjisToJis(c >> 8, c & 0xFF) : 0;
      }
    }
    for (int row = 0; row < 94; ++row) {
      for (int cell = 0; cell < 94; ++cell) {
        jisToSjis[row * 94 + cell] = JisToSjis(static_cast<unsigned char>(row + 0x21), static_cast<unsigned char>(cell + 0x21));
      }
    }
  }
};

const JisTables& Jis() {
  static const JisTables tables;  // filled on first use, once, also when threads ask together
  return tables;
}

}  // namespace

const uint16_t* SjisToJisTable() { return Jis().sjisToJis; }

const uint16_t* JisToSjisTable() { return Jis().jisToSjis; }

const uint16_t* Cp932FromUnicodeTable() {
  static const FromUnicodeTable table;  // filled on first use, once
  return table.code;
}

int Cp932FromUnicode(uint32_t u) {
  if (u == 0) return 0;
  if (u > 0xFFFF) return -1;
  uint16_t c = Cp932FromUnicodeTable()[u];
  return c ? c : -1;
}

int Cp932FromOneWayUnicode(uint32_t u) {
  for (int i = 0; i < kCp932OneWayCount; ++i) {
    if (kCp932OneWay[i].unicode == u) return kCp932OneWay[i].code;
  }
  return -1;
}

int Cp932FromJisx0212(uint16_t jis) {
  const Jisx0212ToCp932* end = kJisx0212ToCp932 + kJisx0212ToCp932Count;
  const Jisx0212ToCp932* it = std::lower_bound(
      kJisx0212ToCp932, end, jis, [](const Jisx0212ToCp932& e, uint16_t j) { return e.jis < j; });
  return (it != end && it->jis == jis) ? it->code : -1;
}
