// The parameter hint window (MethodCheckWindow): drawn from the hint state
// cut into pieces, placed below the caret, never keeping the focus.
#include "assist/hint_window_win.h"

#include <algorithm>
#include <string>

#include "assist/assist_test_access.h"
#include "assist/declaration_finder.h"
#include "assist/editor_geometry.h"
#include "assist/parameter_hint.h"
#include "assist/popup_geometry.h"
#include "assist/program_text_win.h"
#include "editor/render_cache.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box.h"
#include "shell/window_procs.h"

namespace {

constexpr COLORREF kHintBackground = 0xB4FFFF;
constexpr UINT_PTR kHoverTimer = 1;
constexpr int kHelpCorner = 14;
constexpr int kHelpBitmapSize = 13;

struct HintWindow {
  HintState state;
  int slot = -1;
  HWND window = nullptr;
  HintLayout layout;
  int maxRight = 0;   // wrapping limit, fixed when the window is created
  bool hot = false;   // the pointer is over the help corner
  bool inStatusBar = false;
};

HintWindow g_hint;

HFONT NormalFont() {
  return g_app.fonts.HintFont ? g_app.fonts.HintFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
HFONT BoldFont() { return g_app.fonts.HintBoldFont ? g_app.fonts.HintBoldFont : NormalFont(); }

HintLayout Layout(int maxRight) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, NormalFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  int lineHeight = tm.tmHeight;
  SelectObject(dc, BoldFont());
  GetTextMetricsA(dc, &tm);
  lineHeight = std::max<int>(lineHeight, tm.tmHeight);
  MeasureText measure = [dc](std::string_view text, bool bold) {
    SelectObject(dc, bold ? BoldFont() : NormalFont());
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  HintLayout layout =
      LayoutHint(SplitHintText(g_hint.state.text, g_hint.state.index), measure, lineHeight, maxRight);
  SelectObject(dc, old);
  DeleteDC(dc);
  return layout;
}

void FocusActiveDocument() {
  HWND active = ActiveDocumentWindow();
  if (active) SetFocus(active);
}

bool InHelpCorner(HWND w, POINT client) {
  RECT r;
  GetClientRect(w, &r);
  return client.x >= r.right - kHelpCorner && client.y >= r.bottom - kHelpCorner && client.x < r.right &&
         client.y < r.bottom;
}

void Paint(HWND w) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  RECT r;
  GetClientRect(w, &r);
  HBRUSH background = CreateSolidBrush(kHintBackground);
  HGDIOBJ oldBrush = SelectObject(dc, background);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  Rectangle(dc, 0, 0, r.right, r.bottom);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(background);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, NormalFont());
  for (const HintRun& run : g_hint.layout.runs) {
    SelectObject(dc, run.bold ? BoldFont() : NormalFont());
    TextOutA(dc, run.x, run.y, run.text.c_str(), static_cast<int>(run.text.size()));
  }
  SelectObject(dc, oldFont);
  HBITMAP help = g_app.resLib ? LoadBitmapA(g_app.resLib, MAKEINTRESOURCEA(g_hint.hot ? IDB_HINTHELP_HOT
                                                                                      : IDB_HINTHELP))
                              : nullptr;
  if (help) {
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ oldBitmap = SelectObject(mem, help);
    BitBlt(dc, r.right - kHelpCorner, r.bottom - kHelpCorner, kHelpBitmapSize, kHelpBitmapSize, mem, 0, 0,
           SRCCOPY);
    SelectObject(mem, oldBitmap);
    DeleteDC(mem);
    DeleteObject(help);
  }
  EndPaint(w, &ps);
}

void OnHoverTimer(HWND w) {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(w, &p);
  const bool hot = InHelpCorner(w, p);
  if (hot == g_hint.hot) return;
  g_hint.hot = hot;
  RECT r;
  GetClientRect(w, &r);
  RECT corner{r.right - kHelpCorner, r.bottom - kHelpCorner, r.right, r.bottom};
  InvalidateRect(w, &corner, FALSE);
}

void OnLButtonDown(HWND w, LPARAM lp) {
  POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  if (InHelpCorner(w, p)) {
    HintHelp();
    return;
  }
  FocusActiveDocument();
}

void ShowInWindow(const TextDocument& doc) {
  POINT caret{};
  int cx = 8, cy = 16;
  if (!EditorCaretScreenPoint(doc, caret, cx, cy)) return;
  const bool shown = g_hint.window != nullptr;
  if (!shown) g_hint.maxRight = GetSystemMetrics(SM_CXSCREEN) - caret.x;
  g_hint.layout = Layout(g_hint.maxRight);
  HintPlacementInput in;
  in.caretX = caret.x;
  in.caretY = caret.y;
  in.fontHeight = g_app.settings.EditorFont.lfHeight;
  in.rowHeight = cy;
  in.width = g_hint.layout.width;
  in.height = g_hint.layout.height;
  in.screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (shown) {
    RECT r;
    GetWindowRect(g_hint.window, &r);
    in.shown = true;
    in.shownX = r.left;
  }
  const HintPlacement p = PlaceHint(in);
  if (!shown) {
    HWND focus = GetFocus();
    g_hint.window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "MethodCheckWindow", "", WS_POPUP, p.x,
                                    p.y, in.width, in.height, g_app.frame, nullptr, g_app.instance, nullptr);
    if (!g_hint.window) return;
    SetTimer(g_hint.window, kHoverTimer, 50, nullptr);
    ShowWindow(g_hint.window, SW_SHOWNOACTIVATE);
    if (focus && GetFocus() != focus) SetFocus(focus);
  } else {
    SetWindowPos(g_hint.window, nullptr, p.x, p.y, in.width, in.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(g_hint.window, nullptr, TRUE);
}

void ShowHint(int slot) {
  g_hint.slot = slot;
  // The setting may have changed while a hint was shown the other way.
  if (g_app.settings.ParameterHint == 2) {
    g_hint.inStatusBar = true;  // before the window goes, so it keeps the hint
    if (g_hint.window) DestroyWindow(g_hint.window);
    RefreshStatusBar(g_hint.state.text.c_str());
    return;
  }
  if (g_hint.inStatusBar) {
    g_hint.inStatusBar = false;
    RefreshStatusBar("");
  }
  ShowInWindow(*g_app.docs.slots[slot].text);
}

HMODULE HelpViewer() {
  static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
  return viewer;
}

// The HTML help viewer's keyword-link record.
struct HelpKeywordLink {
  int cbStruct;
  BOOL fReserved;
  LPCSTR pszKeywords;
  LPCSTR pszUrl;
  LPCSTR pszMsgText;
  LPCSTR pszMsgTitle;
  LPCSTR pszWindow;
  BOOL fIndexOnFail;
};
constexpr UINT kHelpKeywordLookup = 0x000D;
using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

}  // namespace

void UpdateHintFor(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots || !g_app.docs.slots[slot].text) return;
  if (g_hint.state.shown && g_hint.slot != slot) CloseHint();
  TextDocument& doc = *g_app.docs.slots[slot].text;
  const int caret = doc.CaretByte();
  // Declarations are looked up where the typed text is: the caret itself
  // may stand at the end of a procedure still being written, outside it.
  const int lookupAt = caret > 0 ? caret - 1 : 0;
  // Everything the scan reads lies before the caret; after typing the text
  // there is already contiguous. The lookup below only reads the document
  // through const copies, and the comment query (which may move the text) is
  // asked after the last read, so the pointer stays valid while it is used.
  const char* text = doc.RangePointer(0, caret);
  DeclarationLookup lookup = [slot, lookupAt](const std::string& name, std::string& out) {
    int programCaret = 0;
    const ProgramIndex* program = ProgramIndexAt(slot, lookupAt, programCaret);
    return program && FindDeclaration(*program, programCaret, name, out);
  };
  // Painting keeps the comment state of every row start: a hint about to open
  // need not scan the whole text before its line.
  BlockCommentQuery blockComments;
  if (auto* view = dynamic_cast<CachedTextView*>(doc.view)) {
    blockComments = BlockCommentQuery([&doc, view](int lineStart) {
      return (view->caches.comments.StateAtRow(doc, doc.RowOfByte(lineStart)) & comment_state::kBlock) != 0;
    });
  }
  const HintDecision d = UpdateHint(text, caret, caret, doc.caretRow, g_hint.state, blockComments, lookup);
  ApplyHintDecision(g_hint.state, d);
  switch (d.action) {
    case HintDecision::kClose:
      CloseHint();
      break;
    case HintDecision::kShow:
    case HintDecision::kRedraw:
      ShowHint(slot);
      break;
    case HintDecision::kNothing:
      // Other status texts may have replaced the hint in the meantime.
      if (g_hint.state.shown && g_hint.inStatusBar) RefreshStatusBar(g_hint.state.text.c_str());
      break;
  }
}

void CloseHint() {
  g_hint.state.shown = false;
  g_hint.state.name.clear();
  g_hint.state.text.clear();
  if (g_hint.window && IsWindow(g_hint.window)) DestroyWindow(g_hint.window);
  g_hint.window = nullptr;
  if (g_hint.inStatusBar) {
    g_hint.inStatusBar = false;
    RefreshStatusBar("");
  }
  g_hint.slot = -1;
}

bool HintShown() { return g_hint.state.shown; }

int HintSlot() { return g_hint.state.shown ? g_hint.slot : -1; }

void HintHelp() {
  const std::string keyword = HintKeyword(g_hint.state.text);
  const std::string path = g_app.ProgramDir + "Mirelda.chm";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const std::string message = "ヘルプファイル \"" + path + "\" が見つかりません。";
    QuilletMessageBox(g_app.frame, message.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
    return;
  }
  HtmlHelpFn htmlHelp =
      HelpViewer() ? reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(HelpViewer(), "HtmlHelpA")))
                   : nullptr;
  if (!htmlHelp) {
    QuilletMessageBox(g_app.frame, "HTML ヘルプ ビューアー (hhctrl.ocx) が見つかりません。", "Quillet",
                      MB_OK | MB_ICONWARNING);
    return;
  }
  HelpKeywordLink link{};
  link.cbStruct = sizeof link;
  link.pszKeywords = keyword.c_str();
  link.fIndexOnFail = TRUE;
  htmlHelp(g_app.frame, path.c_str(), kHelpKeywordLookup, reinterpret_cast<DWORD_PTR>(&link));
}

LRESULT CALLBACK MethodCheckWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_PAINT:
      Paint(w);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_TIMER:
      if (wp == kHoverTimer) OnHoverTimer(w);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) FocusActiveDocument();
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(w, lp);
      return 0;
    case WM_DESTROY:
      KillTimer(w, kHoverTimer);
      if (w == g_hint.window) {
        g_hint.window = nullptr;
        g_hint.hot = false;
        if (!g_hint.inStatusBar) {
          g_hint.state.shown = false;
          g_hint.state.name.clear();
        }
      }
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

// ---- for tests

std::string HintTextForTest() { return g_hint.state.shown ? g_hint.state.text : std::string(); }

std::string HintBoldArgumentForTest() {
  if (!g_hint.state.shown) return std::string();
  if (g_hint.window) {
    for (const HintRun& run : g_hint.layout.runs)
      if (run.bold) return run.text;
    return std::string();
  }
  for (const HintPiece& piece : SplitHintText(g_hint.state.text, g_hint.state.index))
    if (piece.bold) return piece.text;
  return std::string();
}

HWND HintWindowForTest() { return g_hint.window; }
