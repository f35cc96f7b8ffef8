#pragma once
// Detection of the encoding of a text: Shift-JIS, EUC-JP, ISO-2022-JP or UTF-8.
#include <cstddef>
#include <cstdint>

enum CharsetCode { kCharsetSjis = 0, kCharsetEuc = 1, kCharsetJis = 2, kCharsetUtf8 = 3 };

struct DetectResult {
  int code = kCharsetSjis;
  bool bom = false;  // the text starts with a UTF-8 byte order mark
};

// A UTF-8 byte order mark means UTF-8. A text of 7-bit bytes is JIS when it
// holds a designation of a Japanese set (ESC $ @, $ B, $ ( D, ( I), else
// Shift-JIS. Otherwise the whole text is read as Shift-JIS, EUC and UTF-8 at
// once; each reading scores the plausibility of its characters (kana and
// common kanji score highest) less a penalty per invalid sequence, and the
// best score wins, Shift-JIS on ties. Single pass, no allocation.
DetectResult DetectCharset(const char* text, size_t length);

// The figures behind the decision, for tests and tuning: per reading (indexed
// by CharsetCode, JIS unused) the plausibility score less the error penalty.
struct DetectScores {
  int64_t value[4] = {};
};
DetectScores ScoreCharsets(const char* text, size_t length);

constexpr int kDetectErrorPenalty = 32;
