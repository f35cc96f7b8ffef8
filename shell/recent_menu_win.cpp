#include "shell/recent_menu_win.h"

#include <shellapi.h>

#include "files/file_io_win.h"
#include "shell/settings_history.h"

namespace {

// A menu shows "&" as a mnemonic marker; paths show it as itself.
std::string MenuText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '&') out += '&';  // '&' is never a trail byte
  }
  return out;
}

}  // namespace

void FillRecentMenu(HMENU submenu, const History& history) {
  if (!submenu) return;
  while (GetMenuItemCount(submenu) > 0) {
    if (!DeleteMenu(submenu, 0, MF_BYPOSITION)) break;
  }
  for (const RecentMenuItem& item : RecentMenuItems(history)) {
    bool isPath = item.enabled;
    std::string text = isPath ? MenuText(item.text) : item.text;
    AppendMenuA(submenu, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(item.id),
                text.c_str());
  }
}

HICON RecentFileIcon(const std::string& path) {
  if (!FileExists(path)) return nullptr;
  SHFILEINFOA info{};
  if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) return nullptr;
  return info.hIcon;
}
