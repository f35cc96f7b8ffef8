#include "shell/settings_keys.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "files/paths.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The comma-separated field `index` of s, or "" when s has fewer fields.
std::string_view Field(std::string_view s, int index) {
  size_t start = 0;
  for (int k = 0; k < index; ++k) {
    size_t comma = s.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  size_t end = s.find(',', start);
  return s.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

void AppendKey(std::string& out, std::string_view key) {
  out.append(key);
  out += '=';
}

void AppendNumber(std::string& out, int value) {
  char buf[16];
  int n = std::snprintf(buf, sizeof buf, "%d", value);
  out.append(buf, static_cast<size_t>(n));
}

}  // namespace

bool FindIniValue(std::string_view text, std::string_view key, std::string_view& value) {
  if (key.empty()) return false;
  size_t pos = 0;
  for (;;) {
    if (text.size() - pos > key.size() && text.compare(pos, key.size(), key) == 0 &&
        text[pos + key.size()] == '=') {
      size_t begin = pos + key.size() + 1;
      size_t end = text.find(kCrLf, begin);
      if (end == std::string_view::npos) end = text.size();
      value = TruncateSjis(text.substr(begin, end - begin), kMaxIniValueBytes);
      return true;
    }
    size_t lineEnd = text.find(kCrLf, pos);
    if (lineEnd == std::string_view::npos) return false;
    pos = lineEnd + kCrLf.size();
  }
}

int ParseLeadingInt(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int64_t value = 0;
  const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value >= limit) {
      value = limit;
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

DWORD ParseLeadingHex(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  if (i + 2 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X') && HexDigit(s[i + 2]) >= 0) {
    i += 2;
  }
  uint64_t value = 0;
  for (; i < s.size() && HexDigit(s[i]) >= 0; ++i) {
    value = value * 16 + static_cast<uint64_t>(HexDigit(s[i]));
    if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  }
  return static_cast<DWORD>(value);
}

bool ReadIniInt(std::string_view text, std::string_view key, int& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  out = ParseLeadingInt(v);
  return true;
}

bool ReadIniHex(std::string_view text, std::string_view key, DWORD& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  out = ParseLeadingHex(v);
  return true;
}

bool ReadIniString(std::string_view text, std::string_view key, size_t maxBytes, std::string& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  out.assign(TruncateSjis(v, maxBytes));
  return true;
}

bool ReadIniRect(std::string_view text, std::string_view key, RECT& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  out.left = ParseLeadingInt(Field(v, 0));
  out.top = ParseLeadingInt(Field(v, 1));
  out.right = ParseLeadingInt(Field(v, 2));
  out.bottom = ParseLeadingInt(Field(v, 3));
  return true;
}

bool ReadIniFont(std::string_view text, std::string_view key, LOGFONTA& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  int n[13];
  size_t start = 0;
  for (int k = 0; k < 13; ++k) {
    size_t comma = v.find(',', start);
    if (comma == std::string_view::npos) return false;
    n[k] = ParseLeadingInt(v.substr(start, comma - start));
    start = comma + 1;
  }
  std::string_view face = v.substr(v.rfind(',') + 1);
  out = MakeLogFont(n[0], n[1], n[2], n[3], n[4], n[5], n[6], n[7], n[8], n[9], n[10], n[11], n[12], face);
  return true;
}

bool ReadIniBand(std::string_view text, std::string_view key, RebarBand& out) {
  std::string_view v;
  if (!FindIniValue(text, key, v)) return false;
  out.id = ParseLeadingInt(Field(v, 0));
  out.width = ParseLeadingInt(Field(v, 1));
  out.flags = ParseLeadingInt(Field(v, 2));
  return true;
}

std::string_view SingleLine(std::string_view s) { return s.substr(0, s.find_first_of("\r\n")); }

void AppendIniInt(std::string& out, std::string_view key, int value) {
  AppendKey(out, key);
  AppendNumber(out, value);
  out.append(kCrLf);
}

void AppendIniHex(std::string& out, std::string_view key, DWORD value) {
  AppendKey(out, key);
  char buf[16];
  int n = std::snprintf(buf, sizeof buf, "%x", static_cast<unsigned>(value));
  out.append(buf, static_cast<size_t>(n));
  out.append(kCrLf);
}

void AppendIniString(std::string& out, std::string_view key, std::string_view value) {
  AppendKey(out, key);
  out.append(value);
  out.append(kCrLf);
}

void AppendIniRect(std::string& out, std::string_view key, const RECT& r) {
  AppendKey(out, key);
  const int values[] = {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                        static_cast<int>(r.bottom)};
  for (int k = 0; k < 4; ++k) {
    if (k) out += ',';
    AppendNumber(out, values[k]);
  }
  out.append(kCrLf);
}

void AppendIniFont(std::string& out, std::string_view key, const LOGFONTA& f) {
  AppendKey(out, key);
  const int values[] = {static_cast<int>(f.lfHeight),    static_cast<int>(f.lfWidth),
                        static_cast<int>(f.lfEscapement), static_cast<int>(f.lfOrientation),
                        static_cast<int>(f.lfWeight),     f.lfItalic,
                        f.lfUnderline,                    f.lfStrikeOut,
                        f.lfCharSet,                      f.lfOutPrecision,
                        f.lfClipPrecision,                f.lfQuality,
                        f.lfPitchAndFamily};
  for (int v : values) {
    AppendNumber(out, v);
    out += ',';
  }
  out.append(f.lfFaceName, strnlen(f.lfFaceName, sizeof f.lfFaceName));
  out.append(kCrLf);
}

void AppendIniBand(std::string& out, std::string_view key, const RebarBand& band) {
  AppendKey(out, key);
  AppendNumber(out, band.id);
  out += ',';
  AppendNumber(out, band.width);
  out += ',';
  AppendNumber(out, band.flags);
  out.append(kCrLf);
}

LOGFONTA MakeLogFont(int height, int width, int escapement, int orientation, int weight, int italic,
                     int underline, int strikeOut, int charSet, int outPrecision, int clipPrecision,
                     int quality, int pitchAndFamily, std::string_view face) {
  LOGFONTA f{};
  f.lfHeight = height;
  f.lfWidth = width;
  f.lfEscapement = escapement;
  f.lfOrientation = orientation;
  f.lfWeight = weight;
  f.lfItalic = static_cast<unsigned char>(italic);
  f.lfUnderline = static_cast<unsigned char>(underline);
  f.lfStrikeOut = static_cast<unsigned char>(strikeOut);
  f.lfCharSet = static_cast<unsigned char>(charSet);
  f.lfOutPrecision = static_cast<unsigned char>(outPrecision);
  f.lfClipPrecision = static_cast<unsigned char>(clipPrecision);
  f.lfQuality = static_cast<unsigned char>(quality);
  f.lfPitchAndFamily = static_cast<unsigned char>(pitchAndFamily);
  std::string_view cut = TruncateSjis(face, kMaxFaceNameBytes);
  std::memcpy(f.lfFaceName, cut.data(), cut.size());
  f.lfFaceName[cut.size()] = '\0';
  return f;
}
