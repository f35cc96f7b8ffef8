#pragma once
// Outcome of reading one of the project's files. On failure `message` is the
// whole text for the message box (caption "エラー") and the reader has left
// its target untouched.
#include <string>
#include <string_view>

struct ReadResult {
  bool ok = true;
  int line = 0;         // 1-based line of the fault; 0 for the file as a whole
  std::string message;  // empty when ok
  explicit operator bool() const { return ok; }
};

// "\"%s\" ファイルの形式が正しくありません（%d 行目: %s）。", or without the
// line part when line is 0.
ReadResult FormatError(std::string_view fileName, int line, std::string_view detail);

// Texts that hold a NUL byte are refused as a whole: every string of the
// program ends at its first NUL.
bool HoldsNul(std::string_view text);
