// Program entry: the frame, the command line, recovery, the message loop, shutdown.
#include <objbase.h>

#include "files/file_io.h"
#include "files/open_save.h"
#include "prefs/extension_list.h"
#include "resources/ids.h"
#include "search/search_dialogs_win.h"
#include "shell/app.h"
#include "shell/app_seams.h"
#include "shell/command_line.h"
#include "shell/doc_windows_win.h"
#include "shell/fonts_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"

namespace {

// Opens every token of the command line as the Open command does; true when any token was given.
bool OpenCommandLine(const char* commandLine) {
  if (!commandLine || !*commandLine) return false;
  std::vector<std::string> tokens = SplitCommandLine(commandLine);
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  for (const std::string& token : tokens) {
    std::string path = PathDiskForm(CompleteCommandLinePath(token, cwd));
    OpenFileByPath(path);
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
  g_app.accel = g_app.resLib ? LoadAcceleratorsA(g_app.resLib, MAKEINTRESOURCEA(IDR_ACCEL)) : nullptr;
  if (!CreateFrameWindow()) {
    ShutDown();
    return 0;
  }
  SendMessageA(g_app.frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_app.programIcon));
  JoinClipboardChain();
  ShowWindow(g_app.frame, g_app.settings.IsWindowMax ? SW_SHOWMAXIMIZED : show);
  UpdateWindow(g_app.frame);
  bool hadCommandLine = OpenCommandLine(commandLine);
  bool restored = OfferRecovery();
  if (!hadCommandLine && !restored) CreateTextDocumentWindow(std::string(), kDocText, kTabColourGrey, nullptr);
  return RunMessageLoop();
}

void ShutDown() {
  FreeThemes();
  FreeClassViewState();
  SaveSettingsAtShutdown();
  delete g_app.mainMenu;
  g_app.mainMenu = nullptr;
  DeleteAppFonts();
  if (g_app.programIcon) DestroyIcon(g_app.programIcon);
  if (g_app.designerIcon) DestroyIcon(g_app.designerIcon);
  g_app.programIcon = g_app.designerIcon = nullptr;
  ContextMenus& m = g_app.menus;
  for (HMENU menu : {m.editorMenu, m.bandsMenu, m.tabMenu, m.pvFilesMenu, m.pvClassesMenu,
                     m.pvMaterialMenu, m.designerMenu})
    if (menu) DestroyMenu(menu);
  m = ContextMenus();
  DestroyFrameImageLists();
  if (g_app.toolBrush) DeleteObject(g_app.toolBrush);
  g_app.toolBrush = nullptr;
  FreeAncillaryLibraries();
  if (g_app.PrivateHeap) HeapDestroy(g_app.PrivateHeap);
  g_app.PrivateHeap = nullptr;
  if (g_app.resLib) FreeLibrary(g_app.resLib);
  if (g_app.iconLib) FreeLibrary(g_app.iconLib);
  if (g_app.user32) FreeLibrary(g_app.user32);
  g_app.resLib = g_app.iconLib = g_app.user32 = nullptr;
  RemoveRecoveryDir();
  CoUninitialize();
}
