#include "shell/settings_history.h"

#include <algorithm>

#include "files/paths.h"

void HistoryAdd(History& history, std::string_view path) {
  path = TruncateSjis(path, History::kMaxPath);
  if (path.empty()) return;
  auto& paths = history.paths;
  auto found = std::find_if(paths.begin(), paths.end(),
                            [&](const std::string& p) { return PathEqualsNoCase(p, path); });
  if (found != paths.end()) {
    std::rotate(paths.begin(), found, found + 1);
    return;
  }
  paths.insert(paths.begin(), std::string(path));
  if (static_cast<int>(paths.size()) > History::kCapacity) paths.resize(History::kCapacity);
}

History MergeHistory(const History& ours, const History& onDisk) {
  History merged{ours.menuBaseId, {}};
  auto add = [&merged](const std::string& path) {
    if (static_cast<int>(merged.paths.size()) >= History::kCapacity || path.empty()) return;
    for (const std::string& p : merged.paths)
      if (PathEqualsNoCase(p, path)) return;
    merged.paths.push_back(path);
  };
  for (const std::string& p : ours.paths) add(p);
  for (const std::string& p : onDisk.paths) add(p);
  return merged;
}

std::vector<RecentMenuItem> RecentMenuItems(const History& history) {
  std::vector<RecentMenuItem> items;
  if (history.paths.empty()) {
    items.push_back({100, "なし", false});
    return items;
  }
  for (size_t i = 0; i < history.paths.size() && static_cast<int>(i) < History::kCapacity; ++i) {
    items.push_back({history.menuBaseId + static_cast<int>(i), history.paths[i], true});
  }
  return items;
}
