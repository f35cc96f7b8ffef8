#include "assist/completion_items.h"

#include <algorithm>

#include "assist/text_scan.h"
#include "editor/text_document.h"

int CompletionImageIndex(const CompletionItem& item) {
  if (item.kind >= kItemBlock) return item.kind;
  int image = item.kind == kItemPublic ? 1 : 0;
  if (item.flags != kItemVariable) image += 2;
  return image;
}

int CompareItemText(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = assist::FoldCase(static_cast<unsigned char>(a[i]));
    unsigned char y = assist::FoldCase(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

void SortCompletionItems(std::vector<CompletionItem>& items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const CompletionItem& a, const CompletionItem& b) {
                     return CompareItemText(a.text, b.text) < 0;
                   });
}

bool TypedCharClosesList(unsigned char c, bool blockList) {
  if (blockList && c == ' ') return false;
  return c == '.' || !IsWordChar(c);
}

TrackResult TrackCaret(const std::vector<CompletionItem>& items, bool blockList,
                       const char* text, int length, int caret, int startByte,
                       int typedLength) {
  TrackResult r;
  if (caret < startByte || caret > startByte + typedLength || typedLength < 0 ||
      startByte < 0 || startByte + typedLength > length) {
    r.action = TrackResult::kClose;
    return r;
  }
  if (typedLength == 0) {
    if (blockList) r.action = TrackResult::kClose;
    return r;
  }
  std::string_view typed(text + startByte, static_cast<size_t>(typedLength));
  if (blockList) {
    for (size_t i = 0; i < items.size(); ++i) {
      std::string_view t = items[i].text;
      if (t.size() < typed.size()) continue;
      if (CompareItemText(t.substr(0, typed.size()), typed) != 0) continue;
      r.item = static_cast<int>(i);
      r.action = t.size() == typed.size() ? TrackResult::kInsert : TrackResult::kSelect;
      return r;
    }
    r.action = TrackResult::kClose;
    return r;
  }
  if (items.empty()) return r;
  r.action = TrackResult::kSelect;
  r.item = static_cast<int>(items.size()) - 1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (CompareItemText(items[i].text, typed) >= 0) {
      r.item = static_cast<int>(i);
      break;
    }
  }
  return r;
}
