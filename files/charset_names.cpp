#include "files/charset_names.h"

namespace {
const char* const kCharsetNames[kCharsetCount] = {"Shift-JIS", "EUC", "JIS", "UTF-8"};
const char* const kNewlineNames[kNewlineCount] = {"CRLF", "LF", "CR"};
const char* const kNewlineEntries[kNewlineCount] = {"CRLF(Windows)", "LF(Unix)", "CR(Macintosh)"};
}  // namespace

// Codes made by a cast from an unchecked number show as the first entry.
const char* CharsetName(Charset code) { return kCharsetNames[static_cast<int>(CharsetFromInt(static_cast<int>(code)))]; }
const char* NewlineName(Newline code) { return kNewlineNames[static_cast<int>(NewlineFromInt(static_cast<int>(code)))]; }
const char* NewlineDialogEntry(Newline code) {
  return kNewlineEntries[static_cast<int>(NewlineFromInt(static_cast<int>(code)))];
}
