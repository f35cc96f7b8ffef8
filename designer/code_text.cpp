#include "designer/code_text.h"

#include <charconv>

#include "platform/sjis.h"

namespace {

inline bool IsSjisTrail(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }
// Single bytes code page 932 does not define.
inline bool IsUndefinedSingle(unsigned char c) { return c == 0x80 || c == 0xA0 || c >= 0xFD; }

// Bytes that are not copied as they stand in every mode: quotes, percent
// signs, backslashes, line ends, NUL, lead bytes and undefined bytes.
struct AttentionBytes {
  bool table[256];
};
constexpr AttentionBytes MakeAttentionBytes() {
  AttentionBytes a{};
  for (int c = 0; c < 256; ++c) {
    const auto u = static_cast<unsigned char>(c);
    a.table[c] = u == '"' || u == '%' || u == '\\' || u == '\r' || u == '\n' || u == 0 ||
                 (u >= 0x81 && u <= 0x9F) || (u >= 0xE0 && u <= 0xFC) || u == 0x80 || u == 0xA0 || u >= 0xFD;
  }
  return a;
}
constexpr AttentionBytes kAttention = MakeAttentionBytes();

}  // namespace

void CodeBuilder::AppendText(std::string_view s, Mode mode) {
  // Consecutive backslash characters just written (never the trail byte of a
  // double-byte character): an odd run before a closing quote of an Ex"..."
  // literal would escape it.
  size_t backslashes = 0;
  auto closeEx = [&] {
    if (mode == Mode::kEx && backslashes % 2 == 1) text_ += '\\';
  };
  size_t i = 0, run = 0;
  auto flush = [&] {
    if (i > run) {
      text_.append(s.data() + run, i - run);
      backslashes = 0;
    }
  };
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (!kAttention.table[c]) {
      ++i;
      continue;
    }
    flush();
    if (IsSjisLead(c)) {
      if (i + 1 < s.size() && IsSjisTrail(static_cast<unsigned char>(s[i + 1]))) {
        text_.append(s.data() + i, 2);
        ++i;
      } else {
        text_ += '?';  // a lead byte alone would swallow what follows it
      }
      backslashes = 0;
    } else if (c == '\\') {
      text_ += '\\';
      ++backslashes;
    } else {
      if (c == '"' && mode != Mode::kName) {
        closeEx();
        text_ += mode == Mode::kEx ? "\"+Chr$(34)+Ex\"" : "\"+Chr$(34)+\"";
      } else if (c == '\r' || c == '\n' || c == '\0') {
        text_ += ' ';
      } else if (IsUndefinedSingle(c)) {
        text_ += '?';
      } else if (c == '%' && mode == Mode::kFormat) {
        text_ += "%%";
      } else {
        text_ += static_cast<char>(c);
      }
      backslashes = 0;
    }
    run = ++i;
  }
  flush();
  closeEx();
}

CodeBuilder& CodeBuilder::Name(std::string_view s) {
  AppendText(s, Mode::kName);
  return *this;
}

CodeBuilder& CodeBuilder::Quoted(std::string_view s) {
  text_ += '"';
  AppendText(s, Mode::kQuoted);
  text_ += '"';
  return *this;
}

CodeBuilder& CodeBuilder::ExQuoted(std::string_view s) {
  text_ += "Ex\"";
  AppendText(s, Mode::kEx);
  text_ += '"';
  return *this;
}

CodeBuilder& CodeBuilder::FormatTail(std::string_view s) {
  AppendText(s, Mode::kFormat);
  return *this;
}

CodeBuilder& CodeBuilder::Num(int64_t v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  text_.append(buf, static_cast<size_t>(r.ptr - buf));
  return *this;
}

CodeBuilder& CodeBuilder::Hex(uint32_t v) {
  static const char kDigits[] = "0123456789abcdef";
  char buf[10] = {'&', 'H'};
  for (int i = 9; i >= 2; --i) {
    buf[i] = kDigits[v & 0xF];
    v >>= 4;
  }
  text_.append(buf, sizeof buf);
  return *this;
}
