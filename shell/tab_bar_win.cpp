#include "shell/tab_bar_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "files/paths.h"
#include "prefs/extension_list.h"
#include "shell/app.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"

namespace {

constexpr COLORREF kFrameColour = 0x9B8C7F;

TabBarState& Tabs() { return g_app.frameState.tabs; }

std::string TitleOf(int index) {
  char text[MAX_PATH + 8] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text - 1;
  TabCtrl_GetItem(Tabs().window, index, &item);
  return text;
}

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
  HBRUSH brush = CreateSolidBrush(colour);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  SetBkColor(dc, colour);
  const int top = r.top - raise;
  HRGN clip = CreateRectRgn(r.left, top, r.right - 20, r.bottom);
  SelectClipRgn(dc, clip);
  RoundRect(dc, r.left, top, r.right + 2, r.bottom + 20, 20, 15);
  DeleteObject(clip);
  clip = CreateRectRgn(r.right - 20, top, r.right + 2, r.bottom);
  SelectClipRgn(dc, clip);
  RoundRect(dc, r.left, top, r.right + 2, r.bottom + 20, 3, 3);
  DeleteObject(clip);
  SelectClipRgn(dc, nullptr);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextA(dc, title.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC screen = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  HPEN pen = CreatePen(PS_SOLID, 1, kFrameColour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const int count = TabCtrl_GetItemCount(window);
  const int selected = TabCtrl_GetCurSel(window);
  for (int i = count - 1; i >= 0; --i) {
    if (i == selected) continue;
    RECT r;
    TabCtrl_GetItemRect(window, i, &r);
    PaintTab(dc, r, ColourOf(i), TitleOf(i), g_app.fonts.UiFont, 0);
  }
  if (selected >= 0) {
    RECT r;
    TabCtrl_GetItemRect(window, selected, &r);
    PaintTab(dc, r, ColourOf(selected), TitleOf(selected), Tabs().boldFont, 2);
  }
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(window, &ps);
}

// Moves the dragged tab to the tab under the cursor; tabs of different widths
// can leave the cursor over another tab after the move, which is then undone.
void DragOver(POINT p) {
  const int over = TabAt(p);
  if (over < 0 || over == Tabs().dragIndex) return;
  const int from = Tabs().dragIndex;
  const std::string title = TitleOf(from);
  const COLORREF colour = ColourOf(from);
  const bool wasSelected = TabCtrl_GetCurSel(Tabs().window) == from;
  SendMessageA(Tabs().window, WM_SETREDRAW, FALSE, 0);
  TabCtrl_DeleteItem(Tabs().window, from);
  InsertAt(over, title, colour);
  if (TabAt(p) != over) {
    TabCtrl_DeleteItem(Tabs().window, over);
    InsertAt(from, title, colour);
  } else {
    Tabs().dragIndex = over;
  }
  if (wasSelected) TabCtrl_SetCurSel(Tabs().window, Tabs().dragIndex);
  SendMessageA(Tabs().window, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Tabs().window, nullptr, TRUE);
}

LRESULT CALLBACK TabBarProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: Paint(window); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: {
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      LRESULT r = CallWindowProcA(Tabs().original, window, msg, wp, lp);
      Tabs().dragIndex = TabAt(p);
      if (Tabs().dragIndex >= 0) SetCapture(window);
      return r;
    }
    case WM_MOUSEMOVE:
      if (Tabs().dragIndex >= 0 && GetCapture() == window) DragOver(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      break;
    case WM_LBUTTONUP:
      if (Tabs().dragIndex >= 0) {
        Tabs().dragIndex = -1;
        if (GetCapture() == window) ReleaseCapture();
      }
      break;
    case WM_CAPTURECHANGED: Tabs().dragIndex = -1; break;
  }
  return CallWindowProcA(Tabs().original, window, msg, wp, lp);
}

}  // namespace

HWND CreateTabBar(HWND frame) {
  Tabs().window = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED,
                                  0, 0, 0, 0, frame, nullptr, g_app.instance, nullptr);
  if (!Tabs().window) return nullptr;
  LOGFONTA lf{};
  GetObjectA(g_app.fonts.UiFont, sizeof lf, &lf);
  lf.lfWeight = 700;
  Tabs().boldFont = CreateFontIndirectA(&lf);
  SendMessageA(Tabs().window, WM_SETFONT, reinterpret_cast<WPARAM>(Tabs().boldFont), FALSE);
  TabCtrl_SetPadding(Tabs().window, 5, 4);
  SendMessageA(Tabs().window, TCM_SETEXTENDEDSTYLE, TCS_EX_FLATSEPARATORS, 0);
  Tabs().original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(Tabs().window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TabBarProc)));
  return Tabs().window;
}

void DestroyTabBar() {
  if (Tabs().window) DestroyWindow(Tabs().window);
  if (Tabs().boldFont) DeleteObject(Tabs().boldFont);
  Tabs() = TabBarState();
}

HWND TabBarWindow() { return Tabs().window; }

int TabBarHeight() {
  if (!Tabs().window || TabCtrl_GetItemCount(Tabs().window) == 0) return 0;
  RECT r;
  TabCtrl_GetItemRect(Tabs().window, 0, &r);
  return r.bottom - r.top;
}

int TabCount() { return Tabs().window ? TabCtrl_GetItemCount(Tabs().window) : 0; }
std::string TabTitleAt(int index) { return TitleOf(index); }

int TabIndex(const std::string& title) {
  const int n = TabCount();
  for (int i = 0; i < n; ++i)
    if (PathEqualsNoCase(TitleOf(i), title)) return i;
  return -1;
}

void TabInsertFront(const std::string& title, COLORREF colour) {
  if (!Tabs().window) return;
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
  int i = TabCtrl_GetCurSel(Tabs().window);
  if (i < 0) return;
  ActivateDocumentByTitle(TitleOf(i));
  InvalidateRect(Tabs().window, nullptr, TRUE);
}
