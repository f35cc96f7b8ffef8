#include "project/control_text.h"

void AppendEscapedControlText(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '"': out += "\\1"; break;
      case '\\': out += "\\\\"; break;
      case '\r':
      case '\n': out += ' '; break;
      default: out += c; break;
    }
  }
}

std::string EscapeControlText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  AppendEscapedControlText(out, text);
  return out;
}

std::string UnescapeControlText(std::string_view escaped) {
  if (escaped.find('\\') == std::string_view::npos) return std::string(escaped);
  std::string out;
  out.reserve(escaped.size());
  for (size_t i = 0; i < escaped.size(); ++i) {
    char c = escaped[i];
    if (c == '\\' && i + 1 < escaped.size()) {
      if (escaped[i + 1] == '1') {
        out += '"';
        ++i;
        continue;
      }
      if (escaped[i + 1] == '\\') {
        out += '\\';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}
