#pragma once
// The recent-file and recent-project histories.
#include <string>
#include <string_view>
#include <vector>

#include "shell/editor_settings.h"

// Moves the path (compared without regard to case) or inserts it at the front;
// a full history drops its oldest entry. An empty path is ignored.
void HistoryAdd(History& history, std::string_view path);
// What an instance saves when another may have saved meanwhile: its own
// entries first, then those of the file on disk it does not hold (compared
// without regard to case), cut to the capacity. The menu base ID is ours.
History MergeHistory(const History& ours, const History& onDisk);

struct RecentMenuItem {
  int id = 0;
  std::string text;
  bool enabled = true;
};

// Items of a recent menu: ID = menu base ID + index with the path as text; an
// empty history gives the single greyed item "なし" with ID 100.
std::vector<RecentMenuItem> RecentMenuItems(const History& history);
