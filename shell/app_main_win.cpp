// Program entry: the frame, the command line, recovery, the message loop, shutdown.
#include <objbase.h>

#include "files/file_io_win.h"
#include "files/open_save_win.h"
#include "prefs/extension_list.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "search/search_dialogs_win.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"
#include "shell/command_line.h"
#include "shell/doc_windows_win.h"
#include "shell/fonts_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"

namespace {

// Opens every token of the command line as the Open command does (a project file opens its
// project); true when any token was given.
bool OpenCommandLine(const char* commandLine) {
  if (!commandLine || !*commandLine) return false;
  std::vector<std::string> tokens = SplitCommandLine(commandLine);
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  for (const std::string& token : tokens) {
    std::string path = PathDiskForm(CompleteCommandLinePath(token, cwd));
    OpenPathFromShell(path);
  }
  return !tokens.empty();
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (g_app.accel && g_app.frame && TranslateAcceleratorA(g_app.frame, g_app.accel, &msg)) continue;
    if (MatchListTakesMessage(&msg)) continue;
    if (DesignerPropertyDialogsTakeMessage(&msg)) continue;
    HWND client = FrameMdiClient();
    if (client && TranslateMDISysAccel(client, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

int QuilletMain(HINSTANCE instance, const char* commandLine, int show) {
  if (!StartUp(instance)) {
    RemoveRecoveryDir();
    return 0;
  }
  if (!RegisterWindowClasses()) {
    RemoveRecoveryDir();
    return 0;
  }
  g_app.accel = g_app.resLib ? LoadAcceleratorsA(g_app.resLib.get(), MAKEINTRESOURCEA(IDR_ACCEL)) : nullptr;
  if (!CreateFrameWindow()) {
    ShutDown();
    return 0;
  }
  SendMessageA(g_app.frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_app.programIcon.get()));
  JoinClipboardChain();
  ShowWindow(g_app.frame, g_app.settings.IsWindowMax ? SW_SHOWMAXIMIZED : show);
  UpdateWindow(g_app.frame);
  bool hadCommandLine = OpenCommandLine(commandLine);
  bool restored = OfferRecovery();
  if (!hadCommandLine && !restored) CreateTextDocumentWindow(std::string(), DocumentKind::kText, kTabColourGrey, nullptr);
  const int code = RunMessageLoop();
  g_app.frameWindow.reset();
  return code;
}

// Releases in the order the parts depend on each other: what was loaded from
// a library before the library.
void ShutDown() {
  FreeThemes();
  FreeClassViewState();
  SaveSettingsAtShutdown();
  g_app.mainMenu.reset();
  g_app.recentFilesMenu = nullptr;
  g_app.recentProjectsMenu = nullptr;
  g_app.fonts = AppFonts();
  g_app.programIcon.reset();
  g_app.designerIcon.reset();
  g_app.menus = ContextMenus();
  DestroyFrameImageLists();
  g_app.toolBrush.reset();
  FreeAncillaryLibraries();
  g_app.PrivateHeap.reset();
  g_app.accel = nullptr;
  g_app.resLib.reset();
  g_app.iconLib.reset();
  g_app.user32.reset();
  RemoveRecoveryDir();
  CoUninitialize();
}
