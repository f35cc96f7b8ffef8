// The parameter hint window (MethodCheckWindow): drawn from the hint state
// cut into pieces, placed below the caret, never keeping the focus.
#include "assist/hint_window_win.h"

#include <algorithm>
#include <string>

#include "assist/declaration_finder.h"
#include "assist/popup_geometry.h"
#include "assist/program_text_win.h"
#include "editor/editor_view_win.h"
#include "resources/ids.h"
#include "platform/monitor_win.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box_win.h"

namespace {

constexpr COLORREF kHintBackground = 0xB4FFFF;
constexpr UINT_PTR kHoverTimer = 1;
constexpr int kHelpCorner = 14;
constexpr int kHelpBitmapSize = 13;

HFONT NormalFont() {
  return g_app.fonts.HintFont ? g_app.fonts.HintFont.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
HFONT BoldFont() { return g_app.fonts.HintBoldFont ? g_app.fonts.HintBoldFont.get() : NormalFont(); }

void FocusActiveDocument() {
  HWND active = ActiveDocumentWindow();
  if (active) SetFocus(active);
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

HintWindow::HintWindow(EditorView& view) : view_(view) {}

HintWindow::~HintWindow() { Close(); }

LRESULT HintWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDC dc(hwnd);
      Paint(dc.get());
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
      if (wp == kHoverTimer) OnHoverTimer();
      return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) FocusActiveDocument();
      return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(lp); return 0;
    case WM_DESTROY: OnDestroyed(); return 0;
  }
  return Default(msg, wp, lp);
}

HintLayout HintWindow::Layout(int maxRight) const {
  CompatibleDC dc(nullptr);
  SelectGuard font(dc.get(), NormalFont());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  int lineHeight = tm.tmHeight;
  SelectObject(dc.get(), BoldFont());
  GetTextMetricsA(dc.get(), &tm);
  lineHeight = std::max<int>(lineHeight, tm.tmHeight);
  HDC measureDc = dc.get();
  MeasureText measure = [measureDc](std::string_view text, bool bold) {
    SelectObject(measureDc, bold ? BoldFont() : NormalFont());
    SIZE size{};
    GetTextExtentPoint32A(measureDc, text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  return LayoutHint(SplitHintText(state_.text, state_.index), measure, lineHeight, maxRight);
}

bool HintWindow::InHelpCorner(POINT client) const {
  RECT r;
  GetClientRect(hwnd, &r);
  return client.x >= r.right - kHelpCorner && client.y >= r.bottom - kHelpCorner && client.x < r.right &&
         client.y < r.bottom;
}

void HintWindow::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  {
    GdiObject<HBRUSH> background(CreateSolidBrush(kHintBackground));
    SelectGuard brush(dc, background.get());
    SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, 0, 0, r.right, r.bottom);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  {
    SelectGuard font(dc, NormalFont());
    for (const HintRun& run : layout_.runs) {
      SelectObject(dc, run.bold ? BoldFont() : NormalFont());
      TextOutA(dc, run.x, run.y, run.text.c_str(), static_cast<int>(run.text.size()));
    }
  }
  GdiObject<HBITMAP> help(g_app.resLib ? LoadBitmapA(g_app.resLib.get(),
                                                     MAKEINTRESOURCEA(hot_ ? IDB_HINTHELP_HOT : IDB_HINTHELP))
                                       : nullptr);
  if (help) {
    CompatibleDC mem(dc);
    SelectGuard bitmap(mem.get(), help.get());
    BitBlt(dc, r.right - kHelpCorner, r.bottom - kHelpCorner, kHelpBitmapSize, kHelpBitmapSize, mem.get(), 0, 0,
           SRCCOPY);
  }
}

void HintWindow::OnHoverTimer() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  const bool hot = InHelpCorner(p);
  if (hot == hot_) return;
  hot_ = hot;
  RECT r;
  GetClientRect(hwnd, &r);
  RECT corner{r.right - kHelpCorner, r.bottom - kHelpCorner, r.right, r.bottom};
  InvalidateRect(hwnd, &corner, FALSE);
}

void HintWindow::OnLButtonDown(LPARAM lp) {
  POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  if (InHelpCorner(p)) {
    Help();
    return;
  }
  FocusActiveDocument();
}

void HintWindow::OnDestroyed() {
  KillTimer(hwnd, kHoverTimer);
  hot_ = false;
  if (!inStatusBar_) {
    state_.shown = false;
    state_.name.clear();
  }
}

void HintWindow::ShowInWindow() {
  POINT caret{};
  int cx = 8, cy = 16;
  if (!view_.CaretScreenPoint(caret, cx, cy)) return;
  const bool shown = hwnd != nullptr;
  const ScreenArea area = WorkAreaAt(caret.x, caret.y);
  if (!shown) maxRight_ = HintMaxRight(area, caret.x);
  layout_ = Layout(maxRight_);
  HintPlacementInput in;
  in.caretX = caret.x;
  in.caretY = caret.y;
  in.fontHeight = g_app.settings.EditorFont.lfHeight;
  in.rowHeight = cy;
  in.width = layout_.width;
  in.height = layout_.height;
  in.area = area;
  if (shown) {
    RECT r;
    GetWindowRect(hwnd, &r);
    in.shown = true;
    in.shownX = r.left;
  }
  const HintPlacement p = PlaceHint(in);
  if (!shown) {
    HWND focus = GetFocus();
    CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "MethodCheckWindow", "", WS_POPUP, p.x, p.y, in.width,
                    in.height, g_app.frame, nullptr, g_app.instance, this);
    if (!hwnd) return;
    SetTimer(hwnd, kHoverTimer, 50, nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    if (focus && GetFocus() != focus) SetFocus(focus);
  } else {
    SetWindowPos(hwnd, nullptr, p.x, p.y, in.width, in.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

void HintWindow::Show() {
  // The setting may have changed while a hint was shown the other way.
  if (g_app.settings.ParameterHint == 2) {
    inStatusBar_ = true;  // before the window goes, so it keeps the hint
    if (hwnd) DestroyWindow(hwnd);
    RefreshStatusBar(state_.text.c_str());
    return;
  }
  if (inStatusBar_) {
    inStatusBar_ = false;
    RefreshStatusBar("");
  }
  ShowInWindow();
}

void HintWindow::Update() {
  TextDocument& doc = view_.Doc();
  const int caret = doc.CaretByte();
  // Declarations are looked up where the typed text is: the caret itself
  // may stand at the end of a procedure still being written, outside it.
  const int lookupAt = caret > 0 ? caret - 1 : 0;
  // Everything the scan reads lies before the caret; after typing the text
  // there is already contiguous. The lookup below only reads the document
  // through const copies, and the comment query (which may move the text) is
  // asked after the last read, so the pointer stays valid while it is used.
  const char* text = doc.RangePointer(0, caret);
  EditorView& view = view_;
  DeclarationLookup lookup = [&view, lookupAt](const std::string& name, std::string& out) {
    int programCaret = 0;
    const ProgramIndex* program = view.Program().IndexAt(view, lookupAt, programCaret);
    return program && FindDeclaration(*program, programCaret, name, out);
  };
  // Painting keeps the comment state of every row start: a hint about to open
  // need not scan the whole text before its line.
  TextRenderCaches& caches = view_.Caches();
  BlockCommentQuery blockComments([&doc, &caches](int lineStart) {
    return (caches.comments.StateAtRow(doc, doc.RowOfByte(lineStart)) & comment_state::kBlock) != 0;
  });
  const HintDecision d = UpdateHint(text, caret, caret, doc.caretRow, state_, blockComments, lookup);
  ApplyHintDecision(state_, d);
  switch (d.action) {
    case HintDecision::kClose: Close(); break;
    case HintDecision::kShow:
    case HintDecision::kRedraw: Show(); break;
    case HintDecision::kNothing:
      // Other status texts may have replaced the hint in the meantime.
      if (state_.shown && inStatusBar_) RefreshStatusBar(state_.text.c_str());
      break;
  }
}

void HintWindow::Close() {
  state_.shown = false;
  state_.name.clear();
  state_.text.clear();
  if (hwnd && IsWindow(hwnd)) DestroyWindow(hwnd);
  if (inStatusBar_) {
    inStatusBar_ = false;
    RefreshStatusBar("");
  }
}

void HintWindow::Help() {
  const std::string keyword = HintKeyword(state_.text);
  const std::string path = g_app.ProgramDir + "Mirelda.chm";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    const std::string message = "ヘルプファイル \"" + path + "\" が見つかりません。";
    QuilletMessageBox(g_app.frame, message.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
    return;
  }
  // The viewer stays loaded for the rest of the process, as its windows may.
  static HMODULE viewer = LoadLibraryA("hhctrl.ocx");
  HtmlHelpFn htmlHelp =
      viewer ? reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpA"))) : nullptr;
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

std::string HintWindow::BoldArgument() const {
  if (!state_.shown) return std::string();
  if (hwnd) {
    for (const HintRun& run : layout_.runs)
      if (run.bold) return run.text;
    return std::string();
  }
  for (const HintPiece& piece : SplitHintText(state_.text, state_.index))
    if (piece.bold) return piece.text;
  return std::string();
}
