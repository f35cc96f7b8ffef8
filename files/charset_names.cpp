#include "files/charset_names.h"

namespace {
const char* const kCharsetNames[kCharsetCount] = {"Shift-JIS", "EUC", "JIS", "UTF-8"};
const char* const kNewlineNames[kNewlineCount] = {"CRLF", "LF", "CR"};
const char* const kNewlineEntries[kNewlineCount] = {"CRLF(Windows)", "LF(Unix)", "CR(Macintosh)"};
}  // namespace

const char* CharsetName(int code) { return kCharsetNames[code >= 0 && code < kCharsetCount ? code : 0]; }
const char* NewlineName(int code) { return kNewlineNames[code >= 0 && code < kNewlineCount ? code : 0]; }
const char* NewlineDialogEntry(int code) {
  return kNewlineEntries[code >= 0 && code < kNewlineCount ? code : 0];
}
