#pragma once
// Newline codes of files against the CR LF of memory, and the other
// clean-ups of a text read from a file. Single passes.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text_codes.h"

// The code of the first line end: CR LF, a lone CR or LF; no line end: CR LF.
Newline DetectNewline(std::string_view text);

// LF: every LF becomes CR LF; CR: every CR becomes CR LF; CR LF:
// the text unchanged (pass it with std::move to avoid a copy). Taken
// literally, so under CR a CR LF becomes CR LF LF, and under LF CR LF
// becomes CR CR LF.
std::string ToCrLf(std::string text, Newline code);

// In place: LF turns every CR LF into LF, CR into CR; CR LF leaves the text
// alone. Lone CRs and LFs stay.
void CrLfTo(std::string& text, Newline code);

// Every NUL byte becomes a blank; returns how many there were.
size_t NulToBlank(char* text, size_t length);
inline size_t NulToBlank(std::string& text) { return NulToBlank(text.data(), text.size()); }
