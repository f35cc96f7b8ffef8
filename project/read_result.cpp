#include "project/read_result.h"

#include <cstring>

#include "project/line_text.h"

ReadResult FormatError(std::string_view fileName, int line, std::string_view detail) {
  ReadResult r;
  r.ok = false;
  r.line = line;
  r.message = "\"";
  r.message += fileName;
  r.message += "\" ファイルの形式が正しくありません（";
  if (line > 0) {
    AppendDecimal(r.message, line);
    r.message += " 行目: ";
  }
  r.message += detail;
  r.message += "）。";
  return r;
}

bool HoldsNul(std::string_view text) {
  return !text.empty() && std::memchr(text.data(), '\0', text.size()) != nullptr;
}
