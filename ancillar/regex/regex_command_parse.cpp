#include "ancillar/regex/regex_command_parse.h"

#include <cstdio>

#include "platform/sjis.h"

namespace {

bool IsDelimiter(char c) {
  return c == '/' || c == '#' || c == '@' || c == '|' || c == '!' || c == ',';
}

// Reads one delimited part starting at i; leaves i after the closing delimiter.
bool ReadPart(std::string_view s, size_t& i, char delim, bool sjis, std::string& part) {
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (sjis && IsSjisLead(c) && i + 1 < s.size()) {
      part.append(s.substr(i, 2));
      i += 2;
    } else if (c == '\\' && i + 1 < s.size()) {
      unsigned char next = static_cast<unsigned char>(s[i + 1]);
      if (next == static_cast<unsigned char>(delim)) {
        part.push_back(delim);
        i += 2;
      } else {
        size_t len = (sjis && IsSjisLead(next) && i + 2 < s.size()) ? 3 : 2;
        part.append(s.substr(i, len));
        i += len;
      }
    } else if (c == static_cast<unsigned char>(delim)) {
      ++i;
      return true;
    } else {
      part.push_back(static_cast<char>(c));
      ++i;
    }
  }
  return false;
}

bool ParseAs(std::string_view s, bool sjis, RegexCommand& out, std::string& error) {
  out = RegexCommand();
  if (s.size() < 2 || (s[0] != 'm' && s[0] != 's')) {
    error = "正規表現のコマンドは m/パターン/ または s/パターン/置換文字列/ の形で指定してください。";
    return false;
  }
  out.substitute = s[0] == 's';
  const char delim = s[1];
  if (!IsDelimiter(delim)) {
    error = "正規表現の区切り文字が正しくありません（/ # @ が使えます）。";
    return false;
  }
  size_t i = 2;
  if (!ReadPart(s, i, delim, sjis, out.pattern) ||
      (out.substitute && !ReadPart(s, i, delim, sjis, out.replacement))) {
    error = "正規表現の区切り文字が閉じていません。パターンに / # @ がすべて含まれていると区切れません。";
    return false;
  }
  for (; i < s.size(); ++i) {
    switch (s[i]) {
      case 'k': out.sjis = true; break;
      case 'i': out.icase = true; break;
      case 'g': out.global = true; break;
      case 's': out.dotAll = true; break;
      case 'x': out.extended = true; break;
      case 'm': case 'o': break;
      default: {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char buf[96];
        if (c > 0x20 && c < 0x7F) {
          std::snprintf(buf, sizeof buf, "正規表現のフラグ '%c' は使えません。", c);
        } else {
          std::snprintf(buf, sizeof buf, "正規表現のフラグに不正な文字 (0x%02X) があります。", c);
        }
        error = buf;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

bool ParseRegexCommand(std::string_view command, RegexCommand& out, std::string& error) {
  // The flags, which say whether the text is Shift-JIS, come last: parse as
  // Shift-JIS first, and again byte-wise when the result has no "k".
  std::string sjisError;
  RegexCommand sjisCmd;
  const bool sjisOk = ParseAs(command, true, sjisCmd, sjisError);
  if (sjisOk && sjisCmd.sjis) {
    out = std::move(sjisCmd);
    return true;
  }
  std::string byteError;
  RegexCommand byteCmd;
  if (ParseAs(command, false, byteCmd, byteError) && !byteCmd.sjis) {
    out = std::move(byteCmd);
    return true;
  }
  error = sjisOk ? byteError : sjisError;
  if (error.empty()) error = "正規表現のコマンド文字列が正しくありません。";
  return false;
}
