#include "project/line_text.h"

#include <charconv>
#include <cstdint>

void AppendLineSafe(std::string& out, std::string_view text) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out.append(text.data() + start, i - start);
      out += ' ';
      start = i + 1;
    }
  }
  out.append(text.data() + start, text.size() - start);
}

std::string KeepOutOfLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendLineSafe(out, text);
  return out;
}

void AppendDecimal(std::string& out, int64_t value) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, static_cast<size_t>(r.ptr - buf));
}

void AppendHex8(std::string& out, uint32_t value) {
  static const char kDigits[] = "0123456789abcdef";
  char buf[10] = {'&', 'H'};
  for (int i = 9; i >= 2; --i) {
    buf[i] = kDigits[value & 0xF];
    value >>= 4;
  }
  out.append(buf, sizeof buf);
}

bool ParseInt32(std::string_view text, int32_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  const size_t first = negative ? 1 : 0;
  // Ten digits at most: more would not fit however many of them are zeros.
  if (text.size() == first || text.size() - first > 10) return false;
  int64_t v = 0;
  for (size_t i = first; i < text.size(); ++i) {
    const unsigned d = static_cast<unsigned char>(text[i]) - '0';
    if (d > 9) return false;
    v = v * 10 + d;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool ParseHex32(std::string_view text, uint32_t& value) {
  if (text.size() < 3 || text.size() > 10 || text[0] != '&' || (text[1] != 'H' && text[1] != 'h')) return false;
  uint32_t v = 0;
  for (size_t i = 2; i < text.size(); ++i) {
    char c = text[i];
    uint32_t d;
    if (c >= '0' && c <= '9') d = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') d = static_cast<uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') d = static_cast<uint32_t>(c - 'A' + 10);
    else return false;
    v = (v << 4) | d;
  }
  value = v;
  return true;
}

bool TakeInt32Field(std::string_view& rest, int32_t& value) {
  size_t i = (!rest.empty() && rest[0] == '-') ? 1 : 0;
  while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') ++i;
  if (i >= rest.size() || rest[i] != ',' || !ParseInt32(rest.substr(0, i), value)) return false;
  rest.remove_prefix(i + 1);
  return true;
}

bool TakeHex32Field(std::string_view& rest, uint32_t& value) {
  size_t i = 2;
  while (i < rest.size() && rest[i] != ',' && i <= 10) ++i;
  if (i >= rest.size() || rest[i] != ',' || !ParseHex32(rest.substr(0, i), value)) return false;
  rest.remove_prefix(i + 1);
  return true;
}

bool LineCursor::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  size_t lf = text_.find('\n', pos_);
  const bool hasEnd = lf != std::string_view::npos;
  size_t end = hasEnd ? lf : text_.size();
  size_t cut = (hasEnd && end > pos_ && text_[end - 1] == '\r') ? end - 1 : end;
  line = text_.substr(pos_, cut - pos_);
  pos_ = hasEnd ? lf + 1 : text_.size();
  ++lineNumber_;
  return true;
}

bool SplitAt(std::string_view& rest, char sep, std::string_view& head) {
  // Fields are short: a plain loop beats a library search call here.
  for (size_t at = 0; at < rest.size(); ++at) {
    if (rest[at] == sep) {
      head = rest.substr(0, at);
      rest.remove_prefix(at + 1);
      return true;
    }
  }
  return false;
}
