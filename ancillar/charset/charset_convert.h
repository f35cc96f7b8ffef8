#pragma once
// The converter engine: Shift-JIS (code page 932) to and from EUC-JP,
// ISO-2022-JP and UTF-8, with detection of the input encoding.
//
// Mapping choices:
// - Shift-JIS <-> EUC <-> JIS is row/cell arithmetic over JIS rows 1-94, which
//   includes NEC row 13 and the NEC-selected IBM rows 89-92, so every code
//   there round-trips byte for byte.
// - IBM extensions (0xFA40-0xFC4B) have no rows of their own in EUC or JIS;
//   every one of them is a duplicate of a character in rows 1-94, and EUC and
//   JIS output use that code (the character is kept; the bytes read back are
//   the NEC/JIS duplicate).
// - The user-defined area (0xF040-0xF9FC) has no EUC or JIS form: lost. In
//   UTF-8 it is U+E000-U+E757, as cp932 maps it.
// - EUC 0x8F (JIS X 0212) and ESC $ ( D decode to the cp932 character where
//   cp932 has one (mostly IBM extension kanji), else lost.
// - UTF-8 uses the generated cp932 table; decoding picks cp932's own code for
//   each character, encoding gives each double-byte code its Unicode. The
//   characters cp932 encodes only one way (U+301C WAVE DASH and 8 more) are
//   decoded to their cp932 counterpart and counted as lost, since saving
//   cannot restore them.
// - A UTF-8 byte order mark is dropped when decoding and reported; it is
//   written only when asked (utf8Bom).
// - Anything not convertible becomes the geta mark (Shift-JIS 0x81AC) and is
//   counted. Shift-JIS to Shift-JIS copies every byte unchanged, also bytes
//   that are not valid Shift-JIS, and counts nothing.
#include <cstddef>
#include <string>
#include <string_view>

#include "ancillar/charset/charset_detect.h"

constexpr int kCharsetAuto = -1;

struct ConvertOptions {
  int input = kCharsetAuto;   // CharsetCode, or detect
  int output = kCharsetSjis;  // CharsetCode
  bool keepHalfKana = true;   // the "x" option; without it half-width kana widen
  bool utf8Bom = false;       // start UTF-8 output with a byte order mark
};

struct ConvertResult {
  size_t size = 0;         // bytes of the whole result, without the NUL
  size_t written = 0;      // bytes stored in the buffer, without the NUL
  size_t lost = 0;         // characters not converted faithfully
  int detected = kCharsetSjis;  // the input encoding used
  bool bom = false;        // the input started with a UTF-8 byte order mark
  bool truncated = false;  // size > written
};

// Converts [in, in + length) into out, which holds capacity bytes including
// the terminating NUL. With capacity 0 (or no buffer) it only measures. When
// the result does not fit, out holds a prefix of it cut at a character
// boundary (possibly empty; JIS still ends in ASCII) and size tells the
// capacity needed (size + 1). Never reads past the input or writes past
// capacity; out is always NUL-terminated when capacity > 0.
ConvertResult ConvertCharset(const ConvertOptions& options, const char* in, size_t length, char* out,
                             size_t capacity);

// The same into a string (sized exactly).
std::string ConvertCharsetToString(const ConvertOptions& options, std::string_view in,
                                   ConvertResult* result = nullptr);

// An upper bound of the result size for any input of `length` bytes.
size_t MaxConvertedSize(const ConvertOptions& options, size_t length);
