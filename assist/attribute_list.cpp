#include "assist/attribute_list.h"

#include <string>

#include "lang/html_tags.h"
#include "assist/text_scan.h"
#include "platform/sjis.h"

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }

}  // namespace

int BuildAttributeItems(std::string_view tag, std::vector<CompletionItem>& items) {
  items.clear();
  HtmlTagAttributes found;
  if (!FindHtmlTagAttributes(tag, found)) return 0;
  for (const char* const* a = found.names; *a; ++a) items.push_back({*a, 0, kItemTagAttribute});
  if (found.common) {
    for (const char* a : {"class", "id", "style"}) items.push_back({a, 0, kItemCommonAttribute});
  }
  return 1;
}

bool OpenAttributeList(const char* text, int length, int p,
                       std::vector<CompletionItem>& items, int& startByte) {
  items.clear();
  if (p < 0 || p >= length) return false;
  int lineStart = assist::LineStartOf(text, length, p);
  const char* end = text + p;
  std::string name;
  bool inValue = false;
  for (const char* q = text + lineStart; q < end;) {
    unsigned char c = static_cast<unsigned char>(*q);
    if (c == '<') {
      inValue = false;
      q = assist::SkipBlanks(q + 1, end);
      const char* n = q;
      if (n < end && IsAsciiLetter(static_cast<unsigned char>(*n))) {
        while (n < end && (IsAsciiLetter(static_cast<unsigned char>(*n)) ||
                           IsAsciiDigit(static_cast<unsigned char>(*n))))
          ++n;
      }
      name.assign(q, n);
      q = n;
      continue;
    }
    if (c == '>' && !inValue) {
      name.clear();
    } else if (c == '"' && !name.empty()) {
      inValue = !inValue;
    }
    q += SjisCharLen(q, end);
  }
  if (inValue || !BuildAttributeItems(name, items)) return false;
  startByte = p + 1;
  return true;
}
