#pragma once
// State of the main frame (one instance, in g_app.frameState).
#include "platform/win_types.h"

#include <commctrl.h>

// The owner-painted tab bar (tab_bar_win.cpp).
struct TabBarState {
  HWND window = nullptr;
  WNDPROC original = nullptr;  // the tab control's own procedure
  HFONT boldFont = nullptr;
  int dragIndex = -1;  // tab being dragged, -1 when none
};

// The rebar's band children besides the document list box (rebar_win.cpp).
struct RebarParts {
  HWND toolbar = nullptr;
  HWND pager = nullptr;
  HWND platform = nullptr;
  HWND webBox = nullptr;
  HWND empty = nullptr;
  HIMAGELIST images = nullptr;
  HIMAGELIST hotImages = nullptr;
};

struct FrameState {
  HWND mdiClient = nullptr;
  HWND statusBar = nullptr;
  HWND rebar = nullptr;
  HWND docList = nullptr;  // document list box in the rebar
  RebarParts rebarParts;
  TabBarState tabs;
  HWND projectView = nullptr;
  HWND projectTool = nullptr;
  HWND webPane = nullptr;
  bool webPaneShown = false;
  bool projectViewVisible = false;
  HWND compileView = nullptr;
  HWND debuggerView = nullptr;
  HWND nextClipboardViewer = nullptr;
  int splitterDrag = 0;  // the SplitterKind being dragged
  int dragStartX = 0, dragStartY = 0, dragStartSize = 0;
  COLORREF customTabColour = 0xFFFFFF;
};
