#pragma once
// Names shown for a document's character-set and newline codes.
#include "platform/text_codes.h"

// "Shift-JIS", "EUC", "JIS", "UTF-8".
const char* CharsetName(Charset code);
// "CRLF", "LF", "CR".
const char* NewlineName(Newline code);
// The entries of the encoding dialog's newline list: "CRLF(Windows)",
// "LF(Unix)", "CR(Macintosh)".
const char* NewlineDialogEntry(Newline code);
