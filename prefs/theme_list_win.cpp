// The theme list below ProgramDir\Theme, built at start-up.
#include "files/file_io_win.h"
#include "files/paths.h"
#include "prefs/theme_list.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"

namespace {

void LoadBackgroundPicture(ThemeList& list) {
  if (list.picture) DeleteObject(list.picture);
  list.picture = nullptr;
  list.pictureWidth = list.pictureHeight = 0;
  if (list.active < 0) return;
  const Theme& theme = list.themes[list.active];
  if (theme.backgroundImagePath.empty()) return;
  std::string dir = g_app.ProgramDir + "Theme\\" + theme.name + "\\";
  std::string path = ResolveRelativePath(theme.backgroundImagePath, dir);
  list.picture = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  BITMAP bm{};
  if (list.picture && GetObjectA(list.picture, sizeof bm, &bm)) {
    list.pictureWidth = bm.bmWidth;
    list.pictureHeight = bm.bmHeight;
  }
}

}  // namespace

void LoadThemesAtStartUp() {
  ThemeList& list = g_app.themes;
  list.themes.clear();
  WIN32_FIND_DATAA fd;
  HANDLE find = FindFirstFileA((g_app.ProgramDir + "Theme\\*").c_str(), &fd);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || name == "." || name == "..") continue;
      std::string ini = g_app.ProgramDir + "Theme\\" + name + "\\design.ini";
      if (!FileExists(ini)) continue;
      std::string text;
      if (!ReadWholeFileWithMessage(ini, text)) continue;
      list.themes.push_back(ParseDesignIni(name, text));
    } while (FindNextFileA(find, &fd));
    FindClose(find);
  }
  // Without any theme the editor still needs colours: the classic ones.
  if (list.themes.empty()) list.themes.push_back(Theme{g_app.settings.ActiveTheme, ThemeColours(), std::string()});
  list.active = SelectActiveTheme(list, g_app.settings.ActiveTheme);
  // A chosen theme whose folder is missing is replaced for this run only:
  // the setting keeps the user's choice.
  g_app.colours = list.themes[list.active].colours;
  LoadBackgroundPicture(list);
}

void FreeThemes() {
  if (g_app.themes.picture) DeleteObject(g_app.themes.picture);
  g_app.themes = ThemeList();
}
