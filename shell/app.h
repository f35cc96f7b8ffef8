#pragma once
// The process-wide state: built by start-up, read by every part of the
// program, released by shutdown. One instance, `g_app`.
#include <cstdint>
#include <string>

#include "editor/editor_fonts.h"
#include "platform/win_types.h"
#include "prefs/theme_colours.h"
#include "prefs/theme_list.h"
#include "shell/document_table.h"
#include "shell/editor_settings.h"
#include "shell/frame_state.h"

class MenuObject;

typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);

// The context menus of the resource library and the submenus that are used.
struct ContextMenus {
  HMENU editorMenu = nullptr, editor = nullptr;          // 122
  HMENU bandsMenu = nullptr, bands = nullptr;            // 127
  HMENU tabMenu = nullptr, tab = nullptr, tabColour = nullptr;  // 287
  HMENU pvFilesMenu = nullptr, pvFiles = nullptr;        // 146
  HMENU pvClassesMenu = nullptr, pvClasses = nullptr;    // 202
  HMENU pvMaterialMenu = nullptr, pvMaterial = nullptr;  // 153
  HMENU designerMenu = nullptr, designer = nullptr;      // 164
};

struct AppFonts {
  HFONT UiFont = nullptr;
  HFONT SmallFixedFont = nullptr;
  HFONT CodeBoldFont = nullptr;
  HFONT MenuFont = nullptr;
  HFONT HintFont = nullptr;
  HFONT HintBoldFont = nullptr;
};

struct App {
  HINSTANCE instance = nullptr;
  HMODULE resLib = nullptr;   // Ancillar\res.dll
  HMODULE iconLib = nullptr;  // Ancillar\icon_res.dll
  HMODULE user32 = nullptr;
  std::string ProgramDir;     // ends in a backslash
  HANDLE PrivateHeap = nullptr;
  int screenWidth = 0;
  int screenHeight = 0;
  std::string compilerName;
  EditorSettings settings;
  SetLayeredWindowAttributesFn setLayered = nullptr;
  AppFonts fonts;
  HBRUSH toolBrush = nullptr;
  HICON programIcon = nullptr;
  HICON designerIcon = nullptr;
  MenuObject* mainMenu = nullptr;
  HMENU recentFilesMenu = nullptr;
  ContextMenus menus;
  HACCEL accel = nullptr;
  UINT RadClipboardFormat = 0;
  uint8_t palette[1024] = {};  // 256 RGBQUADs of Ancillar\8bit.plt
  ThemeList themes;
  ThemeColours colours;
  DocumentTable docs;
  std::string RecoveryDir;

  HWND frame = nullptr;  // the Wrenfold window
  FrameState frameState;
  EditorFonts editorFonts;
  bool editorCaretSuppressed = false;  // set while Enter with auto-indent runs
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
