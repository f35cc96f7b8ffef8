#pragma once
// The recent-files and recent-projects submenus (Win32 layer).
#include <string>

#include "platform/win_types.h"
#include "shell/editor_settings.h"

// Removes every item of the submenu and adds one per history entry (ID = menu
// base ID + index, the path as text), or the greyed item "なし" with ID 100.
void FillRecentMenu(HMENU submenu, const History& history);

// The shell's small icon of the file when it exists, else null. The caller
// destroys it.
HICON RecentFileIcon(const std::string& path);
