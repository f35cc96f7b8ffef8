#pragma once
// State of the main frame (one instance, in g_app.frameState).
#include <string>

#include "platform/win_types.h"

struct FrameState {
  HWND mdiClient = nullptr;
  HWND statusBar = nullptr;
  HWND rebar = nullptr;
  HWND docList = nullptr;  // document list box in the rebar
  HWND projectView = nullptr;
  HWND projectTool = nullptr;
  HWND webPane = nullptr;
  bool webPaneShown = false;
  bool projectViewVisible = false;
  HWND compileView = nullptr;
  HWND debuggerView = nullptr;
  HWND nextClipboardViewer = nullptr;
  int splitterDrag = 0;      // 0 none, 1 project view, 2 debugger, 3 compile, 4 web pane
  int dragStartX = 0, dragStartY = 0, dragStartSize = 0;
  COLORREF customTabColour = 0xFFFFFF;
  COLORREF customColours[16] = {};
  std::string editorStatusText;  // last text set by the editor for pane 0
};
