#include "files/file_dialog_win.h"

#include <commdlg.h>

#include <algorithm>

#include "files/paths.h"
#include "shell/app_win.h"
#include "lang/document_kind.h"

namespace {
std::string Filter(std::initializer_list<const char*> parts) {
  std::string out;
  for (const char* p : parts) {
    out += p;
    out.push_back('\0');
  }
  out.push_back('\0');
  return out;
}
}  // namespace

std::string OpenFileFilter() {
  // "*html" is kept as it has always been written.
  return Filter({"テキスト ファイル(*.txt)", "*.txt", "HTMLファイル(*.htm;*html)", "*.htm;*html",
                 "CGIファイル(*.cgi;*.pl)", "*.cgi;*.pl", "PHPファイル(*.php)", "*.php",
                 "テンプレート ファイル(*.tpl)", "*.tpl", "すべてのファイル(*.*)", "*"});
}

std::string SaveFileFilter(DocumentKind kind) {
  if (kind == DocumentKind::kHtml) return Filter({"HTMLファイル(*.html;*.htm)", "*.html;*.htm", "すべてのファイル(*.*)", "*"});
  if (kind == DocumentKind::kText) return Filter({"テキスト ファイル(*.txt)", "*.txt", "すべてのファイル(*.*)", "*"});
  if (kind == DocumentKind::kIcon) return Filter({"アイコン(*.ico)", "*.ico"});
  return OpenFileFilter();
}

bool RunFileDialog(HWND owner, std::string& path, const std::string& filter, const char* title, bool open) {
  char buffer[MAX_PATH] = {};
  path.copy(buffer, std::min(path.size(), sizeof buffer - 1));
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
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
