#pragma once
// A document's character set and newline code on disk. The numbers are those
// of the encoding dialog's lists and of the converter's codes.
enum class Charset : int { kShiftJis = 0, kEuc = 1, kJis = 2, kUtf8 = 3 };
enum class Newline : int { kCrLf = 0, kLf = 1, kCr = 2 };

constexpr int kCharsetCount = 4;
constexpr int kNewlineCount = 3;

// A stored or listed number as a code; anything outside the range is the first.
constexpr Charset CharsetFromInt(int n) { return n >= 0 && n < kCharsetCount ? static_cast<Charset>(n) : Charset::kShiftJis; }
constexpr Newline NewlineFromInt(int n) { return n >= 0 && n < kNewlineCount ? static_cast<Newline>(n) : Newline::kCrLf; }
