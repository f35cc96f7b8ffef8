#pragma once
// Half-width katakana (0xA1-0xDF) widened to full-width Shift-JIS, for
// conversions without the "x" option.
#include <cstdint>

// Full-width Shift-JIS code of a half-width katakana byte.
uint16_t WideKana(unsigned char half);
// Whether a voiced (0xDE) or semi-voiced (0xDF) mark can join the kana.
bool KanaTakesMark(unsigned char half);
// The joined full-width code of kana + mark, 0 when they do not join.
uint16_t WideKanaWithMark(unsigned char half, unsigned char mark);
