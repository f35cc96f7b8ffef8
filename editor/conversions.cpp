// Conversions of the selection: case, TABs and spaces, hard wrapping, and the
// locale mappings supplied by the Win32 layer.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "editor/editing.h"
#include "platform/sjis.h"

namespace {

// The next byte c in [p, end) that is a character of its own (not the second
// byte of a double-byte character), or end. p starts a character.
const char* NextSingleByte(const char* p, const char* end, char c) {
  const char* q = p;
  while ((q = static_cast<const char*>(std::memchr(q, c, static_cast<size_t>(end - q)))) != nullptr) {
    size_t leads = 0;
    while (q - leads > p && IsSjisLead(static_cast<unsigned char>(q[-1 - static_cast<std::ptrdiff_t>(leads)]))) ++leads;
    if (leads % 2 == 0) return q;
    ++q;
  }
  return end;
}

}  // namespace

std::string AsciiCase(std::string_view text, bool upper) {
  std::string out(text);
  char* p = out.data();
  char* end = p + out.size();
  while (p < end) {
    const int len = SjisCharLen(p, end);
    if (len == 1) {
      if (upper && *p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
      if (!upper && *p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
    }
    p += len;
  }
  return out;
}

std::string TabsToSpaces(std::string_view text, int tabSize) {
  tabSize = std::max(tabSize, 1);
  const size_t tabs = static_cast<size_t>(std::count(text.begin(), text.end(), '\t'));
  std::string out;
  out.reserve(text.size() + tabs * static_cast<size_t>(tabSize - 1));
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* q = NextSingleByte(p, end, '\t');
    out.append(p, static_cast<size_t>(q - p));
    if (q == end) break;
    out.append(static_cast<size_t>(tabSize), ' ');
    p = q + 1;
  }
  return out;
}

std::string SpacesToTabs(std::string_view text, int tabSize) {
  tabSize = std::max(tabSize, 1);
  std::string out;
  out.reserve(text.size());
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* q = NextSingleByte(p, end, ' ');
    out.append(p, static_cast<size_t>(q - p));
    p = q;
    while (p < end && *p == ' ') {
      if (end - p >= tabSize && std::all_of(p, p + tabSize, [](char c) { return c == ' '; })) {
        out += '\t';
        p += tabSize;
      } else {
        out += ' ';
        ++p;
      }
    }
  }
  return out;
}

std::string WrapLines(std::string_view text, int tabSize, int limit, bool quote) {
  tabSize = std::max(tabSize, 1);
  limit = std::max(limit, 0);
  static const auto kWord = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c) t[static_cast<size_t>(c)] = IsWordChar(static_cast<unsigned char>(c));
    return t;
  }();
  const std::string lineBreak = quote ? "\r\n> " : "\r\n";
  std::string out;
  out.reserve(text.size() + text.size() / 32 + lineBreak.size());
  out.append(lineBreak, 2, std::string::npos);
  int col = 0;
  // The run of single-byte word characters that ends the output, if any.
  size_t runStart = std::string::npos;
  int runCol = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '\r' && p + 1 < end && p[1] == '\n') {
      out += lineBreak;
      p += 2;
      col = 0;
      runStart = std::string::npos;
      continue;
    }
    const bool wide = IsSjisLead(c) && p + 1 < end;
    if (col > limit) {
      if (runStart != std::string::npos && out.size() - runStart >= 2 && runCol >= 2) {
        out.insert(runStart, lineBreak);
        runStart += lineBreak.size();
        col -= runCol;
        runCol = 0;
      } else {
        out += lineBreak;
        col = 0;
        runStart = std::string::npos;
      }
    }
    if (wide) {
      runStart = std::string::npos;
      out.push_back(static_cast<char>(c));
      out.push_back(p[1]);
      p += 2;
      col += 2;
      continue;
    }
    if (kWord[c]) {
      if (runStart == std::string::npos) {
        runStart = out.size();
        runCol = col;
      }
    } else {
      runStart = std::string::npos;
    }
    out.push_back(static_cast<char>(c));
    ++p;
    col += c == '\t' ? tabSize - col % tabSize : 1;
  }
  return out;
}

bool ConvertSelection(EditableText& text, Conversion conversion, LocaleMapFn localeMap) {
  TextDocument& doc = text.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  if (conversion == Conversion::kWrap || conversion == Conversion::kQuoteWrap) {
    s = doc.LineStartOf(s);
    // A selection ending at a line start (a margin click, Shift+Down from
    // column 0) does not take in that line, as with block indent.
    const bool endsAtLineStart = e > s && doc.LineStartOf(e) == e;
    e = doc.LineEnd(doc.LineOfByte(e) - (endsAtLineStart ? 1 : 0));
    doc.PlaceSelection(e, s);
  }
  const std::string work = doc.Substr(s, e);
  const TextLayout& layout = doc.Layout();
  std::string result;
  switch (conversion) {
    case Conversion::kLower:
    case Conversion::kUpper:
      result = AsciiCase(work, conversion == Conversion::kUpper);
      break;
    case Conversion::kTabsToSpaces:
      result = TabsToSpaces(work, layout.tabSize);
      break;
    case Conversion::kSpacesToTabs:
      result = SpacesToTabs(work, layout.tabSize);
      break;
    case Conversion::kWrap:
      result = WrapLines(work, layout.tabSize, layout.maxOneLineTextLength - 2, false);
      break;
    case Conversion::kQuoteWrap:
      result = WrapLines(work, layout.tabSize, layout.maxOneLineTextLength - 4, true);
      break;
    case Conversion::kHalfWidth:
    case Conversion::kFullWidth:
    case Conversion::kKatakana:
    case Conversion::kHiragana:
      if (!localeMap || !localeMap(conversion, work, result)) return false;
      break;
  }
  if (result == work) return false;
  EditSelection(text, result, EditOrigin::kPasted);
  return true;
}
