// The project view (docked or in its tool window) and the web-search pane.
#include "shell/app_win.h"
#include "shell/frame_commands_win.h"
#include "shell/frame_win.h"

namespace {
FrameWindow& F() { return Frame(); }
}

void CreateProjectViewWindows(HWND frame) {
  const RECT& r = g_app.settings.ProjectViewRect;
  F().projectTool = CreateWindowExA(WS_EX_TOOLWINDOW, "ProjectView_ToolWindow", "ProjectView",
                                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, r.left, r.top,
                                    r.right - r.left, r.bottom - r.top, frame, nullptr, g_app.instance, nullptr);
  F().projectView = CreateWindowExA(WS_EX_STATICEDGE, "ProjectView", "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                                    nullptr, g_app.instance, nullptr);
  if (!g_app.settings.IsClipProjectView && F().projectView && F().projectTool) {
    SetWindowLongPtrA(F().projectView, GWL_EXSTYLE, 0);
    SetParent(F().projectView, F().projectTool);
  }
}

void DestroyProjectViewWindows() {
  if (F().projectView) DestroyWindow(F().projectView);
  if (F().projectTool) DestroyWindow(F().projectTool);
  F().projectView = F().projectTool = nullptr;
}

void CreateWebPane(HWND frame) {
  F().webPane = CreateWindowExA(0, "SideWeb", "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, frame, nullptr,
                                g_app.instance, nullptr);
  F().webPaneShown = false;
}

void DestroyWebPane() {
  if (F().webPane) DestroyWindow(F().webPane);
  F().webPane = nullptr;
  F().webPaneShown = false;
}
