#pragma once
// Placement of the frame's children from the client size and pane sizes.
#include "platform/screen_area.h"

struct LayoutRect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct FrameLayoutInput {
  int width = 0, height = 0;   // client area
  int rebarHeight = 0;
  int statusHeight = 0;
  int tabHeight = 0;           // height of the first tab's rectangle, 0 without tabs
  bool projectViewDocked = false;  // docked and visible
  bool webPaneShown = false;
  bool debuggerDocked = false;
  bool compileDocked = false;
  int projectViewWidth = 200;  // width_ClipProjectView
  int webPaneWidth = 230;      // width_WebSearchView
  int debuggerHeight = 180;    // height_ClipDebuggerView
  int compileHeight = 130;     // height_ClipCompileView
  // The caret pane ("%d 行、%d 列"): 100 pixels, wider when the font needs
  // more for seven-digit numbers.
  int caretPaneWidth = 100;
};

struct FrameLayout {
  int statusParts[5] = {};
  LayoutRect rebar, tabBar, mdiClient, webPane, projectView, debuggerView, compileView;
  int available = 0;  // height between the rebar and the status bar less the docked views
};

FrameLayout ComputeFrameLayout(const FrameLayoutInput& in);

// A saved frame rectangle on the work area of its nearest monitor: kept when
// a grabbable part of its caption lies inside, else moved inside (and shrunk
// to the area when larger), so a monitor that is gone never hides the frame.
ScreenArea KeepOnScreen(const ScreenArea& window, const ScreenArea& work);

// Splitter drag states.
enum class SplitterKind { kNone = 0, kProject = 1, kDebugger = 2, kCompile = 3, kWeb = 4 };

// New pane size for a drag: start size plus or minus the mouse travel, clamped.
int ClampSplitterSize(SplitterKind kind, int startSize, int travel, int clientWidth, int clientHeight,
                      int compileHeight);
