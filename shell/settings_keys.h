#pragma once
// Readers and writers of "key=value" lines (editor.ini, a theme's design.ini).
// A key is found at the start of the text or right after a CR LF when the line
// starts with the key (case-sensitive) directly followed by "="; the first such
// line wins. The value runs to the next CR LF or the end of the text.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/win_types.h"
#include "shell/editor_settings.h"

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kMaxIniValueBytes = 8191;
constexpr size_t kMaxFaceNameBytes = LF_FACESIZE - 1;

// The value of key, at most kMaxIniValueBytes bytes (never splitting a
// double-byte character). False when the key is not found.
bool FindIniValue(std::string_view text, std::string_view key, std::string_view& value);

// Leading decimal number of s after optional blanks and sign; 0 when there is
// none; clamped to the int range.
int ParseLeadingInt(std::string_view s);
// Leading hexadecimal number (optional "0x"); 0 when none; clamped to 32 bits.
DWORD ParseLeadingHex(std::string_view s);

// Each reader leaves `out` untouched and returns false when the key is missing.
bool ReadIniInt(std::string_view text, std::string_view key, int& out);
bool ReadIniHex(std::string_view text, std::string_view key, DWORD& out);
// The value cut to maxBytes bytes at a character boundary.
bool ReadIniString(std::string_view text, std::string_view key, size_t maxBytes, std::string& out);
// "left,top,right,bottom"; missing numbers read 0.
bool ReadIniRect(std::string_view text, std::string_view key, RECT& out);
// Thirteen numbers, then the face name: everything after the last comma of the
// line, blanks kept, cut to 31 bytes. A value with fewer than thirteen commas
// is malformed: false, out untouched.
bool ReadIniFont(std::string_view text, std::string_view key, LOGFONTA& out);
// "id,width,flags"; missing numbers read 0.
bool ReadIniBand(std::string_view text, std::string_view key, RebarBand& out);

// The part of s before its first CR or LF: a written value never breaks its line.
std::string_view SingleLine(std::string_view s);

// Writers append one line ending in CR LF.
void AppendIniInt(std::string& out, std::string_view key, int value);                 // "%s=%d"
void AppendIniHex(std::string& out, std::string_view key, DWORD value);               // "%s=%x"
void AppendIniString(std::string& out, std::string_view key, std::string_view value);  // "%s=%s"
void AppendIniRect(std::string& out, std::string_view key, const RECT& r);
void AppendIniFont(std::string& out, std::string_view key, const LOGFONTA& font);
void AppendIniBand(std::string& out, std::string_view key, const RebarBand& band);

// A LOGFONTA from its thirteen numbers and face (cut to 31 bytes).
LOGFONTA MakeLogFont(int height, int width, int escapement, int orientation, int weight, int italic,
                     int underline, int strikeOut, int charSet, int outPrecision, int clipPrecision,
                     int quality, int pitchAndFamily, std::string_view face);
