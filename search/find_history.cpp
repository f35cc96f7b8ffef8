#include "search/find_history.h"

#include <algorithm>
#include <cstddef>

void HistoryAdd(SearchHistory& history, const std::string& text) {
  if (text.empty()) return;
  auto it = std::find(history.begin(), history.end(), text);
  if (it == history.end()) it = history.end() - 1;  // the 20th is dropped
  std::rotate(history.begin(), it, it + 1);
  history.front() = text;
}

SearchHistory MergeSearchHistory(const SearchHistory& ours, const SearchHistory& onDisk) {
  SearchHistory merged{};
  size_t n = 0;
  auto add = [&](const SearchHistory& from) {
    for (const std::string& text : from) {
      if (text.empty()) break;  // an empty entry ends the list
      if (n == merged.size()) return;
      if (std::find(merged.begin(), merged.begin() + static_cast<std::ptrdiff_t>(n), text) ==
          merged.begin() + static_cast<std::ptrdiff_t>(n))
        merged[n++] = text;
    }
  };
  add(ours);
  add(onDisk);
  return merged;
}
