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
void OpenFileByPathCommand(const std::string& path) { OpenFileByPath(path); }
void OnCompilerSourcePosition(int) {}
