// The main frame: creation of its children, layout, splitters and the message switch.
#include "shell/frame_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

#include "editor/text_document_window_win.h"
#include "files/disk_watch_win.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "platform/monitor_win.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "search/match_list_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app_seams_win.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"
#include "shell/menu_object_win.h"
#include "shell/messages_win.h"
#include "shell/open_request.h"
#include "shell/rebar_win.h"
#include "shell/status_text.h"
#include "shell/tab_bar_win.h"

FrameWindow::FrameWindow() = default;
FrameWindow::~FrameWindow() = default;

FrameWindow& Frame() { return *g_app.frameWindow; }

LRESULT FrameWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_CLOSE: RunCloseSequence(); return 0;
    // The session may end only when every question was answered; it ends
    // for us when Windows says so.
    case WM_QUERYENDSESSION: return AskBeforeClosing() ? TRUE : FALSE;
    case WM_ENDSESSION:
      if (wp) FinishClosing();
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: FrameRelayout(); return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: return wp == 0 ? MenuOwnerDraw(msg, lp) : Default(msg, wp, lp);
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_COMMAND: OnFrameCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)); return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE) StoreWindowPlacement();
      return Default(msg, wp, lp);
    case WM_TIMER: OnTimer(wp); return 0;
    case WM_ACTIVATE: OnActivate(wp); return Default(msg, wp, lp);
    case WM_ENABLE: OnEnable(wp != 0); return Default(msg, wp, lp);
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case kMsgCheckDiskFiles: OnCheckDiskFiles(); return 0;
    case kMsgOpenHandedOver: OnOpenHandedOver(); return 0;
    case WM_INITMENU: RefreshRecentFilesMenu(); return 0;
    case WM_MENUSELECT: OnMenuSelect(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
    case WM_DRAWCLIPBOARD:
    case WM_CHANGECBCHAIN: OnClipboardChange(msg, wp, lp); return 0;
    case kMsgCompilerSourcePosition: OnCompilerSourcePosition(static_cast<int>(wp)); return 0;
    case kMsgCompileViewDocked: compileView = reinterpret_cast<HWND>(lp); FrameRelayout(); return 0;
    case kMsgDockedViewsGone: OnDockedViewsGone(); return 0;
    case kMsgDebuggerViewDocked: debuggerView = reinterpret_cast<HWND>(lp); FrameRelayout(); return 0;
    case kMsgDebuggerViewGone: debuggerView = nullptr; FrameRelayout(); return 0;
  }
  return Default(msg, wp, lp);
}

void FrameWindow::OnCreate() {
  g_app.frame = hwnd;
  CreateChildren();
  RebuildEditorFonts(hwnd);
  SetTimer(hwnd, kBackupTimer, kBackupPeriod, nullptr);
}

void FrameWindow::OnTimer(WPARAM id) {
  if (id == kBackupTimer) StartBackup();
}

// Returning to the program may find files changed meanwhile; asked from the
// queue, never inside the activation.
void FrameWindow::OnActivate(WPARAM state) {
  if (LOWORD(state) != WA_INACTIVE) PostMessageA(hwnd, kMsgCheckDiskFiles, 0, 0);
}

// A modal dialog or message box of ours disables the frame; what waited for
// it runs once the frame is enabled again.
void FrameWindow::OnEnable(bool enabled) {
  if (!enabled) return;
  if (diskCheckWaiting) PostMessageA(hwnd, kMsgCheckDiskFiles, 0, 0);
  if (openWaiting) PostMessageA(hwnd, kMsgOpenHandedOver, 0, 0);
  diskCheckWaiting = openWaiting = false;
}

void FrameWindow::OnCheckDiskFiles() {
  if (!IsWindowEnabled(hwnd)) {
    diskCheckWaiting = true;
    return;
  }
  CheckActiveDocumentOnDisk();
}

// Another instance of the same program directory hands over its command
// line's files. The sender waits for this answer: the files are opened later,
// from the queue.
LRESULT FrameWindow::OnCopyData(const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kOpenRequestTag || !data->lpData) return FALSE;
  OpenRequest request;
  if (!ParseOpenRequest(std::string_view(static_cast<const char*>(data->lpData), data->cbData), request) ||
      !PathEqualsNoCase(request.programDir, g_app.ProgramDir))
    return FALSE;
  handedOver.insert(handedOver.end(), request.paths.begin(), request.paths.end());
  PostMessageA(hwnd, kMsgOpenHandedOver, 0, 0);
  return TRUE;
}

void FrameWindow::OnOpenHandedOver() {
  if (handedOver.empty()) return;
  if (!IsWindowEnabled(hwnd)) {
    openWaiting = true;
    return;
  }
  std::vector<std::string> paths;
  paths.swap(handedOver);
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(hwnd);
  for (const std::string& path : paths) OpenPathFromShell(path);
}

void FrameWindow::OnDockedViewsGone() {
  const bool noLayout = compileView == reinterpret_cast<HWND>(-1);
  compileView = debuggerView = nullptr;
  if (!noLayout) FrameRelayout();
}

bool FrameWindow::ProjectViewDocked() const {
  return g_app.settings.IsClipProjectView && projectViewVisible && projectView;
}

FrameLayout FrameWindow::CurrentLayout() const {
  RECT rc;
  GetClientRect(hwnd, &rc);
  FrameLayoutInput in;
  in.width = rc.right;
  in.height = rc.bottom;
  if (rebar) {
    RECT r;
    GetWindowRect(rebar, &r);
    in.rebarHeight = r.bottom - r.top;
  }
  if (statusBar) {
    RECT r;
    GetWindowRect(statusBar, &r);
    in.statusHeight = r.bottom - r.top;
  }
  in.tabHeight = TabBarHeight();
  in.projectViewDocked = ProjectViewDocked();
  in.webPaneShown = webPaneShown;
  in.debuggerDocked = debuggerView != nullptr;
  in.compileDocked = compileView != nullptr;
  in.projectViewWidth = g_app.settings.width_ClipProjectView;
  in.webPaneWidth = g_app.settings.width_WebSearchView;
  in.debuggerHeight = g_app.settings.height_ClipDebuggerView;
  in.compileHeight = g_app.settings.height_ClipCompileView;
  in.caretPaneWidth = caretPaneWidth;
  return ComputeFrameLayout(in);
}

void FrameWindow::CreateChildren() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_COOL_CLASSES | ICC_PAGESCROLLER_CLASS |
                                           ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  CreateTabBar(hwnd);
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = nullptr;
  ccs.idFirstChild = 100;
  mdiClient = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, hwnd,
                              reinterpret_cast<HMENU>(1), g_app.instance, &ccs);
  CreateRebar(hwnd);
  statusBar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_BOTTOM, 0, 0,
                              0, 0, hwnd, nullptr, g_app.instance, nullptr);
  SendMessageA(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.UiFont.get()), FALSE);
  {
    // Room for the caret of a ten-million-line document.
    WindowDC dc(statusBar);
    SelectGuard font(dc.get(), g_app.fonts.UiFont.get());
    const std::string widest = FormatCaretPosition(9999999, 9999999);
    SIZE size{};
    if (GetTextExtentPoint32A(dc.get(), widest.c_str(), static_cast<int>(widest.size()), &size))
      caretPaneWidth = size.cx + 16;
  }
  CreateProjectViewWindows(hwnd);
  RefreshCommandStates();
  CreateWebPane(hwnd);
}

SplitterKind FrameWindow::SplitterAt(int x, int y) const {
  const FrameLayout l = CurrentLayout();
  auto inBand = [](int v, int lo, int hi) { return v >= lo && v < hi; };
  if (ProjectViewDocked() && inBand(x, l.projectView.x + l.projectView.w, l.projectView.x + l.projectView.w + 5) &&
      inBand(y, l.projectView.y, l.projectView.y + l.projectView.h))
    return SplitterKind::kProject;
  if (debuggerView && inBand(y, l.debuggerView.y - 5, l.debuggerView.y)) return SplitterKind::kDebugger;
  if (compileView && inBand(y, l.compileView.y - 5, l.compileView.y)) return SplitterKind::kCompile;
  if (webPaneShown && inBand(x, l.webPane.x - 5, l.webPane.x) && inBand(y, l.webPane.y, l.webPane.y + l.webPane.h))
    return SplitterKind::kWeb;
  return SplitterKind::kNone;
}

namespace {

void SetSplitterCursor(SplitterKind kind) {
  if (kind == SplitterKind::kProject || kind == SplitterKind::kWeb) SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
  else if (kind != SplitterKind::kNone) SetCursor(LoadCursor(nullptr, IDC_SIZENS));
}

void Place(HWND w, const LayoutRect& r) {
  if (w) MoveWindow(w, r.x, r.y, r.w, r.h, TRUE);
}

}  // namespace

int* FrameWindow::SplitterSetting(SplitterKind kind) {
  EditorSettings& s = g_app.settings;
  switch (kind) {
    case SplitterKind::kProject: return &s.width_ClipProjectView;
    case SplitterKind::kDebugger: return &s.height_ClipDebuggerView;
    case SplitterKind::kCompile: return &s.height_ClipCompileView;
    case SplitterKind::kWeb: return &s.width_WebSearchView;
    case SplitterKind::kNone: break;
  }
  return nullptr;
}

void FrameWindow::OnLButtonDown(int x, int y) {
  const SplitterKind kind = SplitterAt(x, y);
  if (kind == SplitterKind::kNone) return;
  SetSplitterCursor(kind);
  SetCapture(hwnd);
  splitterDrag = kind;
  dragStartX = x;
  dragStartY = y;
  dragStartSize = *SplitterSetting(kind);
}

void FrameWindow::OnMouseMove(int x, int y) {
  const SplitterKind kind = splitterDrag;
  if (kind == SplitterKind::kNone) {
    SetSplitterCursor(SplitterAt(x, y));
    return;
  }
  SetSplitterCursor(kind);
  int travel = 0;
  switch (kind) {
    case SplitterKind::kProject: travel = x - dragStartX; break;
    case SplitterKind::kWeb: travel = dragStartX - x; break;
    default: travel = dragStartY - y; break;  // bottom panes grow upwards
  }
  RECT rc;
  GetClientRect(hwnd, &rc);
  *SplitterSetting(kind) = ClampSplitterSize(kind, dragStartSize, travel, rc.right, rc.bottom,
                                             compileView ? g_app.settings.height_ClipCompileView : 0);
  FrameRelayout();
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void FrameWindow::OnLButtonUp() {
  if (splitterDrag == SplitterKind::kNone) return;
  splitterDrag = SplitterKind::kNone;
  ReleaseCapture();
}

LRESULT FrameWindow::OnNotify(NMHDR* nm) {
  if (nm->hwndFrom == TabBarWindow()) {
    if (nm->code == TCN_SELCHANGE) ActivateSelectedTab();
    else if (nm->code == NM_RCLICK) ShowTabContextMenu();
    return 0;
  }
  if (nm->hwndFrom == rebar && nm->code == RBN_HEIGHTCHANGE) {
    FrameRelayout();
    return 0;
  }
  return RebarNotify(nm);
}

void FrameWindow::OnMenuSelect(UINT id, UINT flags) {
  if (flags == 0xFFFF) {  // the menu closed
    if (menuHelpShown) RefreshStatusBar(textUnderMenu.c_str());
    menuHelpShown = false;
    return;
  }
  if (!menuHelpShown && statusBar) {
    const int length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, 0, 0));
    textUnderMenu.assign(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(textUnderMenu.data()));
    textUnderMenu.resize(std::strlen(textUnderMenu.c_str()));
    menuHelpShown = true;
  }
  const char* text = (flags & MF_POPUP) ? nullptr : CommandHelpText(id);
  RefreshStatusBar(text ? text : textUnderMenu.c_str());
}

void FrameWindow::OnClipboardChange(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CHANGECBCHAIN) {
    if (reinterpret_cast<HWND>(wp) == nextClipboardViewer) nextClipboardViewer = reinterpret_cast<HWND>(lp);
    else if (nextClipboardViewer) SendMessageA(nextClipboardViewer, msg, wp, lp);
    return;
  }
  RefreshCommandStates();
  if (nextClipboardViewer) SendMessageA(nextClipboardViewer, msg, wp, lp);
}

void FrameWindow::OnDropFiles(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH] = {};
    if (DragQueryFileA(drop, i, path, MAX_PATH)) OpenPathFromShell(path);
  }
  DragFinish(drop);
}

bool CreateFrameWindow() {
  g_app.frameWindow = std::make_unique<FrameWindow>();
  const RECT& saved = g_app.settings.WindowRect;
  const ScreenArea r = KeepOnScreen(ToScreenArea(saved), WorkAreaNearest(saved));
  HMENU menu = g_app.mainMenu ? g_app.mainMenu->handle() : nullptr;
  HWND frame = CreateWindowExA(WS_EX_ACCEPTFILES, "Wrenfold", "Quillet", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, r.left,
                               r.top, r.Width(), r.Height(), nullptr, menu, g_app.instance, g_app.frameWindow.get());
  return frame != nullptr;
}

HWND FrameMdiClient() { return g_app.frameWindow ? Frame().mdiClient : nullptr; }
HWND FrameStatusBar() { return g_app.frameWindow ? Frame().statusBar : nullptr; }

void FrameWindow::Relayout() {
  // A minimised frame has no client area: the rebar would wrap its bands
  // into rows and the layout would keep their height after the restore.
  if (!hwnd || IsIconic(hwnd)) return;
  // The bars take their heights for the new width first; the rest is laid out from them.
  if (rebar) SendMessageA(rebar, WM_SIZE, 0, 0);
  if (statusBar) SendMessageA(statusBar, WM_SIZE, 0, 0);
  const FrameLayout l = CurrentLayout();
  if (statusBar) SendMessageA(statusBar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(l.statusParts));
  Place(TabBarWindow(), l.tabBar);
  Place(mdiClient, l.mdiClient);
  if (webPane) Place(webPane, l.webPane);
  if (ProjectViewDocked()) Place(projectView, l.projectView);
  if (debuggerView) Place(debuggerView, l.debuggerView);
  if (compileView) Place(compileView, l.compileView);
}

void FrameRelayout() {
  if (g_app.frameWindow) Frame().Relayout();
}

void JoinClipboardChain() { Frame().nextClipboardViewer = SetClipboardViewer(g_app.frame); }
