// Program entry: the frame, the command line, recovery, the message loop, shutdown.
#include <objbase.h>

#include "files/file_io_win.h"
#include "files/open_save_win.h"
#include "prefs/extension_list.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "search/search_dialogs_win.h"
#include "shell/app_win.h"
#include "shell/ancillary_dll_win.h"
#include "shell/app_seams_win.h"
#include "shell/instance_handover_win.h"
#include "shell/doc_windows_win.h"
#include "shell/fonts_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"

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
  // Files named on the command line go to an instance already running; this one then ends.
  const std::vector<std::string> paths = CommandLinePaths(commandLine);
  if (HandOverToRunningInstance(paths, ModuleDirectory(instance))) return 0;
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
  for (const std::string& path : paths) OpenPathFromShell(path);  // a project file opens its project
  bool restored = OfferRecovery();
  if (paths.empty() && !restored) CreateTextDocumentWindow(std::string(), DocumentKind::kText, kTabColourGrey, nullptr);
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
