// Settings at start-up and shutdown, and the recent-files menu.
#include "shell/app_win.h"
#include "shell/app_seams_win.h"
#include "shell/frame_commands_win.h"
#include "shell/recent_menu_win.h"
#include "shell/settings_files_win.h"

void LoadSettingsAtStartUp() {
  // The association dialog belongs to the preferences; until it exists the step does nothing.
  LoadUserSettings(g_app.settings, g_app.ProgramDir, g_app.screenWidth, g_app.screenHeight,
                   [](EditorSettings&) {});
}

void SaveSettingsAtShutdown() { SaveUserSettings(g_app.settings, g_app.ProgramDir); }

void RefreshRecentFilesMenu() {
  if (g_app.recentFilesMenu) FillRecentMenu(g_app.recentFilesMenu, g_app.settings.fileHistory);
  if (g_app.recentProjectsMenu) FillRecentMenu(g_app.recentProjectsMenu, g_app.settings.projectHistory);
}
