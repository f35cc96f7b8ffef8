// The main frame: creation of its children, layout, splitters and the message switch.
#include "shell/frame_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include "editor/editor_hooks.h"
#include "files/open_save.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/menu_object_win.h"
#include "shell/app_seams.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"
#include "shell/frame_layout.h"
#include "shell/rebar_win.h"
#include "shell/status_text.h"
#include "shell/tab_bar_win.h"
#include "shell/window_procs.h"

namespace {

FrameState& F() { return g_app.frameState; }

bool ProjectViewDocked() {
  return g_app.settings.IsClipProjectView && F().projectViewVisible && F().projectView;
}

FrameLayout CurrentLayout() {
  RECT rc;
  GetClientRect(g_app.frame, &rc);
  FrameLayoutInput in;
  in.width = rc.right;
  in.height = rc.bottom;
  if (F().rebar) {
    RECT r;
    GetWindowRect(F().rebar, &r);
    in.rebarHeight = r.bottom - r.top;
  }
  if (F().statusBar) {
    RECT r;
    GetWindowRect(F().statusBar, &r);
    in.statusHeight = r.bottom - r.top;
  }
  in.tabHeight = TabBarHeight();
  in.projectViewDocked = ProjectViewDocked();
  in.webPaneShown = F().webPaneShown;
  in.debuggerDocked = F().debuggerView != nullptr;
  in.compileDocked = F().compileView != nullptr;
  in.projectViewWidth = g_app.settings.width_ClipProjectView;
  in.webPaneWidth = g_app.settings.width_WebSearchView;
  in.debuggerHeight = g_app.settings.height_ClipDebuggerView;
  in.compileHeight = g_app.settings.height_ClipCompileView;
  return ComputeFrameLayout(in);
}

void Place(HWND w, const LayoutRect& r) {
  if (w) MoveWindow(w, r.x, r.y, r.w, r.h, TRUE);
}

void CreateChildren(HWND frame) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_PAGESCROLLER_CLASS |
                                           ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  CreateTabBar(frame);
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = nullptr;
  ccs.idFirstChild = 100;
  F().mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, frame, reinterpret_cast<HMENU>(1), g_app.instance, &ccs);
  CreateRebar(frame);
  F().statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_BOTTOM, 0, 0,
                                  0, 0, frame, nullptr, g_app.instance, nullptr);
  SendMessageA(F().statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.UiFont), FALSE);
  CreateProjectViewWindows(frame);
  RefreshCommandStates();
  CreateWebPane(frame);
}

int SplitterAt(int x, int y) {
  FrameLayout l = CurrentLayout();
  auto inBand = [](int v, int lo, int hi) { return v >= lo && v < hi; };
  if (ProjectViewDocked() && inBand(x, l.projectView.x + l.projectView.w, l.projectView.x + l.projectView.w + 5) &&
      inBand(y, l.projectView.y, l.projectView.y + l.projectView.h))
    return kSplitProject;
  if (F().debuggerView && inBand(y, l.debuggerView.y - 5, l.debuggerView.y)) return kSplitDebugger;
  if (F().compileView && inBand(y, l.compileView.y - 5, l.compileView.y)) return kSplitCompile;
  if (F().webPaneShown && inBand(x, l.webPane.x - 5, l.webPane.x) && inBand(y, l.webPane.y, l.webPane.y + l.webPane.h))
    return kSplitWeb;
  return kSplitNone;
}

void SetSplitterCursor(int kind) {
  if (kind == kSplitProject || kind == kSplitWeb) SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
  else if (kind != kSplitNone) SetCursor(LoadCursor(nullptr, IDC_SIZENS));
}

int* SplitterSetting(int kind) {
  EditorSettings& s = g_app.settings;
  switch (kind) {
    case kSplitProject: return &s.width_ClipProjectView;
    case kSplitDebugger: return &s.height_ClipDebuggerView;
    case kSplitCompile: return &s.height_ClipCompileView;
    case kSplitWeb: return &s.width_WebSearchView;
  }
  return nullptr;
}

void OnLButtonDown(int x, int y) {
  int kind = SplitterAt(x, y);
  if (kind == kSplitNone) return;
  SetSplitterCursor(kind);
  SetCapture(g_app.frame);
  F().splitterDrag = kind;
  F().dragStartX = x;
  F().dragStartY = y;
  F().dragStartSize = *SplitterSetting(kind);
}

void OnMouseMove(int x, int y) {
  const int kind = F().splitterDrag;
  if (kind == kSplitNone) {
    SetSplitterCursor(SplitterAt(x, y));
    return;
  }
  SetSplitterCursor(kind);
  int travel = 0;
  switch (kind) {
    case kSplitProject: travel = x - F().dragStartX; break;
    case kSplitWeb: travel = F().dragStartX - x; break;
    default: travel = F().dragStartY - y; break;  // bottom panes grow upwards
  }
  RECT rc;
  GetClientRect(g_app.frame, &rc);
  *SplitterSetting(kind) = ClampSplitterSize(kind, F().dragStartSize, travel, rc.right, rc.bottom,
                                             F().compileView ? g_app.settings.height_ClipCompileView : 0);
  FrameRelayout();
  RedrawWindow(g_app.frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void OnLButtonUp() {
  if (F().splitterDrag == kSplitNone) return;
  F().splitterDrag = kSplitNone;
  ReleaseCapture();
}

LRESULT OnNotify(NMHDR* nm) {
  if (nm->hwndFrom == TabBarWindow()) {
    if (nm->code == TCN_SELCHANGE) ActivateSelectedTab();
    else if (nm->code == NM_RCLICK) ShowTabContextMenu();
    return 0;
  }
  if (nm->hwndFrom == F().rebar && nm->code == RBN_HEIGHTCHANGE) {
    FrameRelayout();
    return 0;
  }
  return RebarNotify(nm);
}

void OnMenuSelect(UINT id, UINT flags) {
  if (flags == 0xFFFF) return;  // menu closed
  const char* text = (flags & MF_POPUP) ? nullptr : CommandHelpText(id);
  RefreshStatusBar(text ? text : "");
}

void OnClipboardChange(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CHANGECBCHAIN) {
    if (reinterpret_cast<HWND>(wp) == F().nextClipboardViewer) F().nextClipboardViewer = reinterpret_cast<HWND>(lp);
    else if (F().nextClipboardViewer) SendMessageA(F().nextClipboardViewer, msg, wp, lp);
    return;
  }
  RefreshCommandStates();
  if (F().nextClipboardViewer) SendMessageA(F().nextClipboardViewer, msg, wp, lp);
}

void OnDropFiles(HDROP drop) {
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH] = {};
    if (DragQueryFileA(drop, i, path, MAX_PATH)) OpenFileByPath(path);
  }
  DragFinish(drop);
}

}  // namespace

LRESULT CALLBACK FrameWndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      g_app.frame = w;
      CreateChildren(w);
      RebuildEditorFonts(w);
      SetTimer(w, kBackupTimer, kBackupPeriod, nullptr);
      return 0;
    case WM_CLOSE:
    case WM_QUERYENDSESSION: RunCloseSequence(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: FrameRelayout(); return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (wp == 0) return MenuOwnerDraw(msg, lp);
      break;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND: OnFrameCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)); return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE) StoreWindowPlacement();
      break;
    case WM_TIMER:
      if (wp == kBackupTimer) StartBackup();
      return 0;
    case WM_INITMENU: RefreshRecentFilesMenu(); return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
    case WM_DRAWCLIPBOARD:
    case WM_CHANGECBCHAIN: OnClipboardChange(msg, wp, lp); return 0;
    case WM_USER + 70: OnCompilerSourcePosition(static_cast<int>(wp)); return 0;
    case WM_USER + 71: F().compileView = reinterpret_cast<HWND>(lp); FrameRelayout(); return 0;
    case WM_USER + 72: {
      const bool noLayout = F().compileView == reinterpret_cast<HWND>(-1);
      F().compileView = F().debuggerView = nullptr;
      if (!noLayout) FrameRelayout();
      return 0;
    }
    case WM_USER + 73: F().debuggerView = reinterpret_cast<HWND>(lp); FrameRelayout(); return 0;
    case WM_USER + 74: F().debuggerView = nullptr; FrameRelayout(); return 0;
  }
  return DefFrameProcA(w, F().mdiClient, msg, wp, lp);
}

bool CreateFrameWindow() {
  const RECT& r = g_app.settings.WindowRect;
  HMENU menu = g_app.mainMenu ? g_app.mainMenu->handle() : nullptr;
  HWND frame = CreateWindowExA(WS_EX_ACCEPTFILES, "Wrenfold", "Quillet", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, nullptr, menu, g_app.instance, nullptr);
  return frame != nullptr;
}

HWND FrameMdiClient() { return F().mdiClient; }
HWND FrameStatusBar() { return F().statusBar; }

void FrameRelayout() {
  if (!g_app.frame) return;
  FrameLayout l = CurrentLayout();
  if (F().rebar) SendMessageA(F().rebar, WM_SIZE, 0, 0);
  if (F().statusBar) {
    SendMessageA(F().statusBar, WM_SIZE, 0, 0);
    SendMessageA(F().statusBar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(l.statusParts));
  }
  Place(TabBarWindow(), l.tabBar);
  Place(F().mdiClient, l.mdiClient);
  if (F().webPane) Place(F().webPane, l.webPane);
  if (ProjectViewDocked()) Place(F().projectView, l.projectView);
  if (F().debuggerView) Place(F().debuggerView, l.debuggerView);
  if (F().compileView) Place(F().compileView, l.compileView);
}

void JoinClipboardChain() { F().nextClipboardViewer = SetClipboardViewer(g_app.frame); }
