#include "search/find_history.h"

#include <algorithm>

void HistoryAdd(SearchHistory& history, const std::string& text) {
  if (text.empty()) return;
  auto it = std::find(history.begin(), history.end(), text);
  if (it == history.end()) it = history.end() - 1;  // the 20th is dropped
  std::rotate(history.begin(), it, it + 1);
  history.front() = text;
}
