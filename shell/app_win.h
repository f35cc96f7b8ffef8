#pragma once
// The process-wide state: built by start-up, read by every part of the
// program, released by shutdown. One instance, `g_app`.
#include <cstdint>
#include <memory>
#include <string>

#include "editor/editor_fonts_win.h"
#include "platform/handles_win.h"
#include "platform/win_types.h"
#include "prefs/theme_colours.h"
#include "prefs/theme_list.h"
#include "project/project_state.h"
#include "project/work_state.h"
#include "shell/document_table.h"
#include "shell/editor_settings.h"

class FrameWindow;
class MenuObject;

typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);

// A context menu of the resource library and the submenu that is shown.
struct ContextMenu {
  MenuHandle menu;
  HMENU sub = nullptr;  // first submenu of menu
};
struct ContextMenus {
  ContextMenu editor;      // 122
  ContextMenu bands;       // 127
  ContextMenu tab;         // 287
  HMENU tabColour = nullptr;  // the tab menu's colour submenu
  ContextMenu pvFiles;     // 146
  ContextMenu pvClasses;   // 202
  ContextMenu pvMaterial;  // 153
  ContextMenu designer;    // 164
};

struct AppFonts {
  GdiObject<HFONT> UiFont;
  GdiObject<HFONT> SmallFixedFont;
  GdiObject<HFONT> CodeBoldFont;
  GdiObject<HFONT> MenuFont;
  GdiObject<HFONT> HintFont;
  GdiObject<HFONT> HintBoldFont;
};

struct App {
  HINSTANCE instance = nullptr;
  ModuleHandle resLib;   // Ancillar\res.dll
  ModuleHandle iconLib;  // Ancillar\icon_res.dll
  ModuleHandle user32;
  std::string ProgramDir;     // ends in a backslash
  HeapHandle PrivateHeap;
  int screenWidth = 0;
  int screenHeight = 0;
  std::string compilerName;
  EditorSettings settings;
  SetLayeredWindowAttributesFn setLayered = nullptr;
  AppFonts fonts;
  GdiObject<HBRUSH> toolBrush;
  IconHandle programIcon;
  IconHandle designerIcon;
  std::unique_ptr<MenuObject> mainMenu;
  HMENU recentFilesMenu = nullptr;  // inside mainMenu
  HMENU recentProjectsMenu = nullptr;  // inside mainMenu
  ContextMenus menus;
  HACCEL accel = nullptr;  // a resource: freed with its library
  UINT RadClipboardFormat = 0;
  uint8_t palette[1024] = {};  // 256 RGBQUADs of Ancillar\8bit.plt
  ThemeList themes;
  ThemeColours colours;
  DocumentTable docs;
  // The open project (none while its name is empty) and the project view's
  // state its work-state file keeps.
  ProjectState project;
  WorkState projectView;
  std::string RecoveryDir;

  HWND frame = nullptr;  // the Wrenfold window
  // The frame's object: its children and their state. Made with the frame,
  // kept until the next start-up (it outlives the window).
  std::unique_ptr<FrameWindow> frameWindow;
  EditorFonts editorFonts;
};

extern App g_app;

// Start-up and shutdown of the process-wide state.
bool StartUp(HINSTANCE instance);
bool RegisterWindowClasses();
void ShutDown();
// Program entry: start-up, frame, command line, message loop. Returns the exit code.
int QuilletMain(HINSTANCE instance, const char* commandLine, int show);
// Runs the message loop until WM_QUIT; returns its wParam.
int RunMessageLoop();
