#include "ancillar/charset/cp932_map.h"

#include <algorithm>

namespace {

// Unicode BMP -> cp932 code; 0 means none (U+0000 is handled by the caller).
uint16_t g_fromUnicode[0x10000];

bool BuildFromUnicode() {
  for (int b = 1; b < 256; ++b) {
    uint16_t u = kCp932SingleToUnicode[b];
    if (u != 0xFFFF) g_fromUnicode[u] = static_cast<uint16_t>(b);
  }
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsCp932Lead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (!IsCp932Trail(static_cast<unsigned char>(trail))) continue;
      uint16_t u = Cp932DoubleUnicode(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      if (u != 0 && g_fromUnicode[u] == 0) g_fromUnicode[u] = static_cast<uint16_t>((lead << 8) | trail);
    }
  }
  for (int i = 0; i < kCp932PreferredCount; ++i) g_fromUnicode[kCp932Preferred[i].unicode] = kCp932Preferred[i].code;
  return true;
}

uint16_t g_sjisToJis[kCp932LeadCount * kCp932TrailCount];
uint16_t g_jisToSjis[94 * 94];

bool BuildJisTables() {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsCp932Lead(static_cast<unsigned char>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (!IsCp932Trail(static_cast<unsigned char>(trail))) continue;
      uint16_t c = SjisForJisRows(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      g_sjisToJis[Cp932DoubleIndex(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail))] =
          c ? SjisToJis(c >> 8, c & 0xFF) : 0;
    }
  }
  for (int row = 0; row < 94; ++row) {
    for (int cell = 0; cell < 94; ++cell) {
      g_jisToSjis[row * 94 + cell] = JisToSjis(static_cast<unsigned char>(row + 0x21), static_cast<unsigned char>(cell + 0x21));
    }
  }
  return true;
}

bool JisTablesBuilt() {
  static const bool built = BuildJisTables();
  return built;
}

}  // namespace

const uint16_t* SjisToJisTable() {
  (void)JisTablesBuilt();
  return g_sjisToJis;
}

const uint16_t* JisToSjisTable() {
  (void)JisTablesBuilt();
  return g_jisToSjis;
}

const uint16_t* Cp932FromUnicodeTable() {
  static const bool built = BuildFromUnicode();  // thread-safe one-time fill
  (void)built;
  return g_fromUnicode;
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
