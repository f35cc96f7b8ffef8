#include "ancillar/charset/half_kana.h"

namespace {
// 63 full-width characters for 0xA1-0xDF; the literal is compiled to Shift-JIS.
const char kWide[] =
    "。「」、・ヲァィゥェォャュョッー"
    "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン"
    "゛゜";
static_assert(sizeof(kWide) == 63 * 2 + 1, "one double-byte character per half-width kana");

bool IsKaToTo(unsigned char h) { return h >= 0xB6 && h <= 0xC4; }  // ｶ-ﾄ
bool IsHaToHo(unsigned char h) { return h >= 0xCA && h <= 0xCE; }  // ﾊ-ﾎ
constexpr unsigned char kHalfU = 0xB3;                              // ｳ
constexpr uint16_t kWideVu = 0x8394;                                // ヴ
}  // namespace

uint16_t WideKana(unsigned char half) {
  int i = (half - 0xA1) * 2;
  return static_cast<uint16_t>((static_cast<unsigned char>(kWide[i]) << 8) | static_cast<unsigned char>(kWide[i + 1]));
}

bool KanaTakesMark(unsigned char half) { return half == kHalfU || IsKaToTo(half) || IsHaToHo(half); }

uint16_t WideKanaWithMark(unsigned char half, unsigned char mark) {
  // In Shift-JIS the voiced form follows its base, the semi-voiced one next.
  if (mark == 0xDE) {
    if (half == kHalfU) return kWideVu;
    if (IsKaToTo(half) || IsHaToHo(half)) return static_cast<uint16_t>(WideKana(half) + 1);
  } else if (mark == 0xDF && IsHaToHo(half)) {
    return static_cast<uint16_t>(WideKana(half) + 2);
  }
  return 0;
}
