// Provisional file commands until reading and saving with conversion exist.
#include "files/open_save.h"
#include "shell/app.h"
#include "shell/frame_commands_win.h"

bool DispatchFileCommand(UINT id) {
  CommandNotAvailable(id);
  return false;
}

HWND OpenFileByPath(const std::string&) { return nullptr; }
bool SaveDocument(int, const char*) { return false; }
std::string DiskFormOfPath(const std::string& path) { return path; }
void OpenFileByPathCommand(const std::string& path) { OpenFileByPath(path); }
void RefreshRecentFilesMenu() {}
void OnCompilerSourcePosition(int) {}
void LoadAncillaryLibraries() {}
void FreeAncillaryLibraries() {}
void LoadSettingsAtStartUp() {
  EditorSettings& s = g_app.settings;
  s.WindowRect = RECT{g_app.screenWidth / 10, g_app.screenWidth / 10, g_app.screenWidth * 8 / 10, g_app.screenHeight * 8 / 10};
  s.HintFont.lfHeight = -12;
  s.HintFont.lfWeight = 100;
  s.RebarBands[0] = RebarBand{1, 150, 0};
  s.RebarBands[1] = RebarBand{2, 277, 0};
  s.RebarBands[2] = RebarBand{5, 100, 0};
}
void SaveSettingsAtShutdown() {}
void LoadThemesAtStartUp() {}
void FreeThemes() {}
