// Start-up of the process-wide state, in the order the rest of the program relies on.
#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "files/file_io_win.h"
#include "resources/ids.h"
#include "shell/ancillary_dll_win.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"
#include "shell/fonts_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"

App g_app;

namespace {

// Command -> menu icon of the icon library.
struct IconBinding {
  int icon;
  UINT command;
};
constexpr IconBinding kMenuIcons[] = {
    {105, ID_FILE_NEW},     {106, ID_FILE_OPEN},      {109, ID_FILE_SAVE},      {101, ID_FILE_SAVEALL},
    {112, ID_FILE_PREVIEW}, {111, ID_FILE_PRINT},     {103, ID_EDIT_CUT},       {102, ID_EDIT_COPY},
    {107, ID_EDIT_PASTE},   {110, ID_EDIT_UNDO},      {108, ID_EDIT_REDO},      {104, ID_SEARCH_FIND},
    {115, ID_TOOL_OPTIONS}, {123, ID_CONV_LOWER},     {122, ID_CONV_UPPER},     {124, ID_CONV_HALFWIDTH},
    {121, ID_CONV_FULLWIDTH}, {126, ID_CONV_KATAKANA}, {125, ID_CONV_HIRAGANA}, {117, ID_HELP_TOPICS},
    {127, ID_TOOL_CHARCOUNT},
};

void BuildMainMenu() {
  HMENU menu = g_app.resLib ? LoadMenuA(g_app.resLib.get(), MAKEINTRESOURCEA(IDR_MAINMENU)) : nullptr;
  if (!menu) return;
  g_app.mainMenu = std::make_unique<MenuObject>(menu, true);
  for (auto& top : g_app.mainMenu->items()) {
    if (!top->submenu) continue;
    if (MenuItemRecord* history = top->submenu->FindByText("FileHistory")) {
      top->submenu->SetItemText(history, "最近使ったファイル(&F)");
      g_app.recentFilesMenu = history->submenu ? history->submenu->handle() : nullptr;
    }
    if (MenuItemRecord* history = top->submenu->FindByText("ProjectHistory")) {
      top->submenu->SetItemText(history, "最近使ったプロジェクト(&J)");
      g_app.recentProjectsMenu = history->submenu ? history->submenu->handle() : nullptr;
    }
  }
  if (g_app.iconLib) {
    for (const IconBinding& b : kMenuIcons) {
      HICON icon = static_cast<HICON>(
          LoadImageA(g_app.iconLib.get(), MAKEINTRESOURCEA(b.icon), IMAGE_ICON, 16, 16, 0));
      g_app.mainMenu->SetCommandIcon(b.command, icon);
    }
  }
}

void LoadContextMenu(int id, ContextMenu& menu) {
  menu.menu.reset(g_app.resLib ? LoadMenuA(g_app.resLib.get(), MAKEINTRESOURCEA(id)) : nullptr);
  menu.sub = menu.menu ? GetSubMenu(menu.menu.get(), 0) : nullptr;
}

void LoadContextMenus() {
  ContextMenus& m = g_app.menus;
  LoadContextMenu(IDR_MENU_EDITOR, m.editor);
  LoadContextMenu(IDR_MENU_BANDS, m.bands);
  LoadContextMenu(IDR_MENU_TAB, m.tab);
  m.tabColour = m.tab.sub ? GetSubMenu(m.tab.sub, 0) : nullptr;
  LoadContextMenu(IDR_MENU_PV_FILES, m.pvFiles);
  LoadContextMenu(IDR_MENU_PV_CLASSES, m.pvClasses);
  LoadContextMenu(IDR_MENU_PV_MATERIAL, m.pvMaterial);
  LoadContextMenu(IDR_MENU_DESIGNER, m.designer);
}

// Ancillar\8bit.plt: 256 RGBQUADs; a shorter file fills what it holds.
bool LoadPalette() {
  std::string bytes;
  if (!ReadWholeFileWithMessage(g_app.ProgramDir + "Ancillar\\8bit.plt", bytes)) return false;
  std::memcpy(g_app.palette, bytes.data(), std::min(bytes.size(), sizeof g_app.palette));
  return true;
}

}  // namespace

bool StartUp(HINSTANCE instance) {
  // The frame's object of a previous run (tests start up again and again).
  g_app.frameWindow.reset();
  g_app.project.Clear();
  g_app.instance = instance;
  // A missing resource library only means missing resources.
  g_app.resLib.reset(LoadAncillaryDll(std::string(), "res.dll"));
  g_app.iconLib.reset(LoadAncillaryDll(std::string(), "icon_res.dll"));
  g_app.ProgramDir = ModuleDirectory(instance);
  g_app.PrivateHeap.reset(HeapCreate(HEAP_GENERATE_EXCEPTIONS, 0, 0));
  CreateRecoveryDir();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  g_app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
  g_app.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  g_app.compilerName = "Tarnwick.exe";
  // The ancillary DLLs are looked up before any window exists.
  LoadAncillaryLibraries();
  LoadSettingsAtStartUp();
  g_app.user32.reset(LoadLibraryA("user32.dll"));
  if (g_app.user32)
    g_app.setLayered = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(GetProcAddress(g_app.user32.get(), "SetLayeredWindowAttributes")));
  CreateAppFonts();
  g_app.toolBrush.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  g_app.programIcon.reset(
      static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, 16, 16, 0)));
  if (g_app.resLib)
    g_app.designerIcon.reset(static_cast<HICON>(
        LoadImageA(g_app.resLib.get(), MAKEINTRESOURCEA(IDI_DESIGNER), IMAGE_ICON, 16, 16, 0)));
  BuildMainMenu();
  LoadContextMenus();
  g_app.RadClipboardFormat = RegisterClipboardFormatA("Wrenfold-RAD");
  if (!LoadPalette()) return false;
  CreateClassViewState();
  LoadThemesAtStartUp();
  return true;
}
