#include "shell/tab_bar_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "files/paths.h"
#include "prefs/extension_list.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"

namespace {

constexpr COLORREF kFrameColour = 0x9B8C7F;
constexpr UINT_PTR kSubclassId = 1;

TabBar& Tabs() { return *Frame().tabs; }

// A modified document's tab shows this after its title (no file name holds '*').
constexpr char kModifiedMark[] = " *";

// The tab's text as shown: the title, with the mark when modified.
std::string ShownTitleOf(int index) {
  char text[MAX_PATH + 8] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text - 1;
  TabCtrl_GetItem(Tabs().window, index, &item);
  return text;
}

std::string Unmarked(std::string shown) {
  const size_t n = sizeof kModifiedMark - 1;
  if (shown.size() > n && shown.compare(shown.size() - n, n, kModifiedMark) == 0) shown.resize(shown.size() - n);
  return shown;
}

std::string TitleOf(int index) { return Unmarked(ShownTitleOf(index)); }

COLORREF ColourOf(int index) {
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (!TabCtrl_GetItem(Tabs().window, index, &item)) return kTabColourGrey;
  return static_cast<COLORREF>(item.lParam);
}

int TabAt(POINT p) {
  TCHITTESTINFO hit{};
  hit.pt = p;
  return TabCtrl_HitTest(Tabs().window, &hit);
}

void InsertAt(int index, const std::string& title, COLORREF colour) {
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<char*>(title.c_str());
  item.lParam = static_cast<LPARAM>(colour);
  SendMessageA(Tabs().window, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

// One tab: a rounded rectangle whose bottom is cut off by the tab's own rectangle;
// the left corner well rounded, the right one nearly square.
void PaintTab(HDC dc, RECT r, COLORREF colour, const std::string& title, HFONT font, int raise) {
  {
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    SelectGuard useBrush(dc, brush.get());
    SetBkColor(dc, colour);
    const int top = r.top - raise;
    GdiObject<HRGN> left(CreateRectRgn(r.left, top, r.right - 20, r.bottom));
    SelectClipRgn(dc, left.get());
    RoundRect(dc, r.left, top, r.right + 2, r.bottom + 20, 20, 15);
    GdiObject<HRGN> right(CreateRectRgn(r.right - 20, top, r.right + 2, r.bottom));
    SelectClipRgn(dc, right.get());
    RoundRect(dc, r.left, top, r.right + 2, r.bottom + 20, 3, 3);
    SelectClipRgn(dc, nullptr);
  }
  SelectGuard useFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, title.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void TabBar::Paint(HWND w) {
  PaintDC screen(w);
  RECT client;
  GetClientRect(w, &client);
  MemoryDC mem(screen.get(), client.right, client.bottom);
  if (!mem) return;
  HDC dc = mem.get();
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kFrameColour));
  SelectGuard usePen(dc, pen.get());
  const int count = TabCtrl_GetItemCount(w);
  const int selected = TabCtrl_GetCurSel(w);
  for (int i = count - 1; i >= 0; --i) {
    if (i == selected) continue;
    RECT r;
    TabCtrl_GetItemRect(w, i, &r);
    PaintTab(dc, r, ColourOf(i), ShownTitleOf(i), g_app.fonts.UiFont.get(), 0);
  }
  if (selected >= 0) {
    RECT r;
    TabCtrl_GetItemRect(w, selected, &r);
    PaintTab(dc, r, ColourOf(selected), ShownTitleOf(selected), boldFont.get(), 2);
  }
  BitBlt(screen.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

// Moves the dragged tab to the tab under the cursor; tabs of different widths
// can leave the cursor over another tab after the move, which is then undone.
void TabBar::DragOver(POINT p) {
  const int over = TabAt(p);
  if (over < 0 || over == dragIndex) return;
  const int from = dragIndex;
  const std::string title = ShownTitleOf(from);
  const COLORREF colour = ColourOf(from);
  const bool wasSelected = TabCtrl_GetCurSel(window) == from;
  SendMessageA(window, WM_SETREDRAW, FALSE, 0);
  TabCtrl_DeleteItem(window, from);
  InsertAt(over, title, colour);
  if (TabAt(p) != over) {
    TabCtrl_DeleteItem(window, over);
    InsertAt(from, title, colour);
  } else {
    dragIndex = over;
  }
  if (wasSelected) TabCtrl_SetCurSel(window, dragIndex);
  SendMessageA(window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window, nullptr, TRUE);
}

LRESULT TabBar::HandleSubclassed(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: Paint(w); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: return OnLButtonDown(w, msg, wp, lp);
    case WM_MOUSEMOVE:
      if (dragIndex >= 0 && GetCapture() == w) DragOver(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case WM_LBUTTONUP:
      if (dragIndex >= 0) {
        dragIndex = -1;
        if (GetCapture() == w) ReleaseCapture();
      }
      break;
    case WM_CAPTURECHANGED: dragIndex = -1; break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(w, ObjectSubclassProc<TabBar>, kSubclassId);
      window = nullptr;
      break;
  }
  return DefSubclassProc(w, msg, wp, lp);
}

LRESULT TabBar::OnLButtonDown(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  const LRESULT r = DefSubclassProc(w, msg, wp, lp);
  dragIndex = TabAt(p);
  if (dragIndex >= 0) SetCapture(w);
  return r;
}

TabBar::~TabBar() {
  if (window && IsWindow(window)) DestroyWindow(window);
}

HWND CreateTabBar(HWND frame) {
  auto tabs = std::make_unique<TabBar>();
  tabs->window = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED,
                                 0, 0, 0, 0, frame, nullptr, g_app.instance, nullptr);
  if (!tabs->window) return nullptr;
  LOGFONTA lf{};
  GetObjectA(g_app.fonts.UiFont.get(), sizeof lf, &lf);
  lf.lfWeight = 700;
  tabs->boldFont.reset(CreateFontIndirectA(&lf));
  SendMessageA(tabs->window, WM_SETFONT, reinterpret_cast<WPARAM>(tabs->boldFont.get()), FALSE);
  TabCtrl_SetPadding(tabs->window, 5, 4);
  SendMessageA(tabs->window, TCM_SETEXTENDEDSTYLE, TCS_EX_FLATSEPARATORS, 0);
  SetWindowSubclass(tabs->window, ObjectSubclassProc<TabBar>, kSubclassId, reinterpret_cast<DWORD_PTR>(tabs.get()));
  HWND window = tabs->window;
  Frame().tabs = std::move(tabs);
  return window;
}

void DestroyTabBar() {
  if (g_app.frameWindow) Frame().tabs.reset();
}

HWND TabBarWindow() { return g_app.frameWindow && Frame().tabs ? Tabs().window : nullptr; }

int TabBarHeight() {
  if (!TabBarWindow() || TabCtrl_GetItemCount(Tabs().window) == 0) return 0;
  RECT r;
  TabCtrl_GetItemRect(Tabs().window, 0, &r);
  return r.bottom - r.top;
}

int TabCount() { return TabBarWindow() ? TabCtrl_GetItemCount(Tabs().window) : 0; }
std::string TabTitleAt(int index) { return TitleOf(index); }

int TabIndex(const std::string& title) {
  const int n = TabCount();
  if (n == 0) return -1;
  for (int i = 0; i < n; ++i)
    if (PathEqualsNoCase(TitleOf(i), title)) return i;
  return -1;
}

void TabInsertFront(const std::string& title, COLORREF colour) {
  if (!TabBarWindow()) return;
  const bool first = TabCount() == 0;
  InsertAt(0, title, colour == static_cast<COLORREF>(-1) ? kTabColourGrey : colour);
  TabCtrl_SetCurSel(Tabs().window, 0);
  InvalidateRect(Tabs().window, nullptr, TRUE);
  if (first) FrameRelayout();
}

void TabRemove(const std::string& title) {
  int i = TabIndex(title);
  if (i < 0) return;
  TabCtrl_DeleteItem(Tabs().window, i);
  InvalidateRect(Tabs().window, nullptr, TRUE);
  if (TabCount() == 0) FrameRelayout();
}

void TabRename(const std::string& oldTitle, const std::string& newTitle) {
  int i = TabIndex(oldTitle);
  if (i < 0) return;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(newTitle.c_str());
  SendMessageA(Tabs().window, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  InvalidateRect(Tabs().window, nullptr, TRUE);
}

void TabSetMarked(const std::string& title, bool marked) {
  const int i = TabIndex(title);
  if (i < 0) return;
  std::string shown = title + (marked ? kModifiedMark : "");
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = shown.data();
  SendMessageA(Tabs().window, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  InvalidateRect(Tabs().window, nullptr, TRUE);
}

COLORREF TabColour(const std::string& title) {
  int i = TabIndex(title);
  return i < 0 ? kTabColourGrey : ColourOf(i);
}

void TabSetColour(const std::string& title, COLORREF colour) {
  int i = TabIndex(title);
  if (i < 0) return;
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  item.lParam = static_cast<LPARAM>(colour);
  SendMessageA(Tabs().window, TCM_SETITEMA, i, reinterpret_cast<LPARAM>(&item));
  InvalidateRect(Tabs().window, nullptr, TRUE);
}

void TabSelect(const std::string& title) {
  int i = TabIndex(title);
  if (i >= 0 && TabCtrl_GetCurSel(Tabs().window) != i) {
    TabCtrl_SetCurSel(Tabs().window, i);
    InvalidateRect(Tabs().window, nullptr, TRUE);
  }
}

void ActivateSelectedTab() {
  if (!TabBarWindow()) return;
  int i = TabCtrl_GetCurSel(Tabs().window);
  if (i < 0) return;
  ActivateDocumentByTitle(TitleOf(i));
  InvalidateRect(Tabs().window, nullptr, TRUE);
}
