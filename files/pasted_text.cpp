#include "files/pasted_text.h"

#include <cstdio>
#include <unordered_map>

#include "files/nkf_adapter.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kGetaUnicode = 0x3013;
const std::string_view kGetaSjis = "\x81\xAC";

template <typename F>
void ForEachCodePoint(std::u16string_view s, F f) {
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
    }
    f(c);
  }
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Converts each distinct non-ASCII character alone (one per line; LF is never
// a Shift-JIS trail byte) and keeps those that became the geta mark.
void NameLostCharacters(std::u16string_view utf16, PastedText& p, size_t lostByConverter) {
  std::vector<char32_t> distinct;
  std::unordered_map<char32_t, bool> seen;  // character -> lost
  ForEachCodePoint(utf16, [&](char32_t c) {
    if (c >= 0x80 && seen.emplace(c, false).second) distinct.push_back(c);
  });
  std::string list;
  for (char32_t c : distinct) {
    list += '\n';
    AppendUtf8(list, c);
  }
  NkfDecoded one = NkfDecodeUtf8ToSjis(list);
  std::vector<std::string_view> pieces;
  std::string_view rest = one.text;
  for (size_t lf; (lf = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(lf + 1))
    pieces.push_back(rest.substr(0, lf));
  pieces.push_back(rest);
  if (one.converterMissing || pieces.size() != distinct.size() + 1) {
    p.lost = lostByConverter;  // cannot tell which: say how many
    return;
  }
  for (size_t i = 0; i < distinct.size(); ++i) {
    if (pieces[i + 1] != kGetaSjis || distinct[i] == kGetaUnicode) continue;
    seen[distinct[i]] = true;
    if (p.lostNamed.size() < kNamedLost) p.lostNamed.push_back(distinct[i]);
    else p.moreLost = true;
  }
  ForEachCodePoint(utf16, [&](char32_t c) {
    if (c >= 0x80 && seen[c]) ++p.lost;
  });
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  ForEachCodePoint(utf16, [&](char32_t c) { AppendUtf8(out, c); });
  return out;
}

PastedText ConvertPastedUnicode(std::u16string_view utf16) {
  PastedText p;
  utf16 = utf16.substr(0, utf16.find(u'\0'));
  // The leading LF keeps a U+FEFF at the start a character, not a byte order mark.
  NkfDecoded d = NkfDecodeUtf8ToSjis("\n" + Utf16ToUtf8(utf16));
  if (d.converterMissing || d.text.empty() || d.text[0] != '\n') return p;
  p.converted = true;
  p.text = d.text.substr(1);
  if (d.lost > 0) NameLostCharacters(utf16, p, d.lost);
  return p;
}

std::string PasteLossNotice(const PastedText& p) {
  if (p.lost == 0) return std::string();
  std::string names;
  for (char32_t c : p.lostNamed) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c));
    if (!names.empty()) names += ' ';
    names += buf;
  }
  if (p.moreLost) names += " ほか";
  // The names get a line of their own: the box breaks it at blanks only.
  std::string text = "貼り付けたテキストには、Shift-JIS で表せない文字が " +
                     std::to_string(static_cast<unsigned long long>(p.lost)) + " 文字ありました。\n";
  if (!names.empty()) text += names + "\n";
  text += "それらの文字は〓に置き換えて貼り付けました。";
  return text;
}
