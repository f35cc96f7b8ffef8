#pragma once
// Newline codes of files (0 CR LF, 1 LF, 2 CR) against the CR LF of memory,
// and the other clean-ups of a text read from a file. Single passes.
#include <cstddef>
#include <string>
#include <string_view>

constexpr int kNewlineCrLf = 0;
constexpr int kNewlineLf = 1;
constexpr int kNewlineCr = 2;

// The code of the first line end: CR LF 0, lone CR 2, LF 1; no line end 0.
int DetectNewline(std::string_view text);

// Code 1: every LF becomes CR LF; code 2: every CR becomes CR LF; other codes:
// the text unchanged (pass it with std::move to avoid a copy). Taken
// literally, so under code 2 a CR LF becomes CR LF LF, and under code 1 CR LF
// becomes CR CR LF.
std::string ToCrLf(std::string text, int code);

// In place: code 1 turns every CR LF into LF, code 2 into CR; other codes
// leave the text alone. Lone CRs and LFs stay.
void CrLfTo(std::string& text, int code);

// Every NUL byte becomes a blank.
void NulToBlank(char* text, size_t length);
inline void NulToBlank(std::string& text) { NulToBlank(text.data(), text.size()); }
