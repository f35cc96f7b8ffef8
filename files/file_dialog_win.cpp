#include "files/file_dialog_win.h"

#include <commdlg.h>

#include <algorithm>

#include "files/file_filters.h"
#include "files/paths.h"
#include "shell/app_win.h"
#include "lang/document_kind.h"

std::string OpenFileFilter() { return JoinFilters(OpenFilters()); }

std::string SaveFileFilter(DocumentKind kind) { return JoinFilters(SaveFilters(kind)); }

bool RunFileDialog(HWND owner, std::string& path, const std::string& filter, const char* title, bool open,
                   int startFilter) {
  char buffer[MAX_PATH] = {};
  path.copy(buffer, std::min(path.size(), sizeof buffer - 1));
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(startFilter > 0 ? startFilter : 1);
  ofn.lpstrFile = buffer;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = title;
  ofn.lpstrInitialDir = g_app.settings.DefSaveDir.empty() ? nullptr : g_app.settings.DefSaveDir.c_str();
  // A name typed without extension gets the selected filter's extension.
  ofn.lpstrDefExt = "";
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | (open ? OFN_FILEMUSTEXIST : 0);
  const BOOL ok = open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  if (!ok) return false;
  path = buffer;
  g_app.settings.DefSaveDir = PathDirectory(path);
  return true;
}

bool RunOpenFilesDialog(HWND owner, const std::string& filter, const char* title, std::vector<std::string>& paths) {
  // Room for many names: the folder once, then each name.
  std::vector<char> buffer(64 * 1024, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrTitle = title;
  ofn.lpstrInitialDir = g_app.settings.DefSaveDir.empty() ? nullptr : g_app.settings.DefSaveDir.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_ALLOWMULTISELECT;
  if (!GetOpenFileNameA(&ofn)) return false;
  paths = SplitSelectedFiles(buffer.data(), buffer.size());
  if (paths.empty()) return false;
  g_app.settings.DefSaveDir = PathDirectory(paths.front());
  return true;
}
