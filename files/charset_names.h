#pragma once
// Names shown for a document's character-set and newline codes.

// 0 "Shift-JIS", 1 "EUC", 2 "JIS", 3 "UTF-8"; other codes count as 0.
const char* CharsetName(int code);
// 0 "CRLF", 1 "LF", 2 "CR"; other codes count as 0.
const char* NewlineName(int code);
// The entries of the encoding dialog's newline list: "CRLF(Windows)",
// "LF(Unix)", "CR(Macintosh)"; other codes count as 0.
const char* NewlineDialogEntry(int code);

constexpr int kCharsetCount = 4;
constexpr int kNewlineCount = 3;
