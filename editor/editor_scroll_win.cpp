// Scroll bars and the wheel of the editor window.
#include "editor/editor_view_win.h"

namespace {

void SetRange(HWND editor, int bar, const ScrollRange& r, ScrollRange& last, int before) {
  if (r.max == last.max && r.page == last.page) return;
  last = r;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  // Always shown: a bar that came and went would resize the window and repaint.
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = r.max;
  si.nPage = static_cast<UINT>(r.page);
  SetScrollInfo(editor, bar, &si, TRUE);
  SCROLLINFO now{};
  now.cbSize = sizeof now;
  now.fMask = SIF_POS;
  if (GetScrollInfo(editor, bar, &now) && now.nPos != before) InvalidateRect(editor, nullptr, FALSE);
}

int ScrollMax(HWND editor, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE;
  return GetScrollInfo(editor, bar, &si) ? si.nMax : 0;
}

int RequestedDelta(HWND editor, int bar, int code, int page) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  GetScrollInfo(editor, bar, &si);
  switch (code) {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return -page;
    case SB_PAGEDOWN: return page;
    case SB_THUMBTRACK: return si.nTrackPos - si.nPos;  // 32-bit, unlike the message's 16
    default: return 0;
  }
}

}  // namespace

void EditorView::RefreshScrollRanges() {
  if (!hwnd) return;
  TextDocument& doc = text_.doc;
  // Wrapped rows are at most the wrap width: a window narrower than that
  // still scrolls to their ends.
  const int widest =
      doc.Layout().rightTurn ? doc.Layout().maxOneLineTextLength : colouring_.caches.widths.Widest(doc);
  const ViewMetrics m = Metrics();
  SetRange(hwnd, SB_VERT, VerticalRange(m, doc.RowCount() - 1), lastV_, ScrollPos(SB_VERT));
  SetRange(hwnd, SB_HORZ, HorizontalRange(m, widest), lastH_, ScrollPos(SB_HORZ));
  if (ruler_) ruler_->Repaint();
}

bool EditorView::SetScrollPosition(int bar, int pos) {
  const int before = ScrollPos(bar);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  si.nPos = pos < 0 ? 0 : pos;
  SetScrollInfo(hwnd, bar, &si, TRUE);
  return ScrollPos(bar) != before;
}

// Moves one bar by a delta already limited; repaints and places the caret.
void EditorView::ScrollBy(int bar, int delta) {
  if (delta != 0 && SetScrollPosition(bar, ScrollPos(bar) + delta)) {
    Repaint();
    if (bar == SB_HORZ && ruler_) ruler_->Repaint();
  }
  UpdateCaret(false);
}

// A scroll-bar message of either bar: its move, limited to what the window allows.
void EditorView::OnScrollBar(int bar, int code) {
  const ViewMetrics m = Metrics();
  const bool vertical = bar == SB_VERT;
  const int page = vertical ? VerticalRange(m, 0).page : HorizontalRange(m, 0).page;
  const int delta = RequestedDelta(hwnd, bar, code, page);
  const int pos = ScrollPos(bar), max = ScrollMax(hwnd, bar);
  ScrollBy(bar, vertical ? LimitVerticalDelta(m, pos, max, delta) : LimitHorizontalDelta(m, pos, max, delta));
}

void EditorView::OnMouseWheel(int delta) {
  // A notch or more scrolls three rows whatever the multiple; less is ignored.
  const int rows = delta >= WHEEL_DELTA ? -3 : delta <= -WHEEL_DELTA ? 3 : 0;
  if (rows == 0) return;
  const ViewMetrics m = Metrics();
  ScrollBy(SB_VERT, LimitVerticalDelta(m, ScrollPos(SB_VERT), ScrollMax(hwnd, SB_VERT), rows));
}

void EditorView::RestoreScroll(int hPos, int vPos) {
  RefreshScrollRanges();
  const ViewMetrics m = Metrics();
  const int h = ScrollPos(SB_HORZ), v = ScrollPos(SB_VERT);
  const int dh = LimitHorizontalDelta(m, h, ScrollMax(hwnd, SB_HORZ), hPos - h);
  const int dv = LimitVerticalDelta(m, v, ScrollMax(hwnd, SB_VERT), vPos - v);
  bool moved = dh != 0 && SetScrollPosition(SB_HORZ, h + dh);
  if (dv != 0 && SetScrollPosition(SB_VERT, v + dv)) moved = true;
  if (moved) {
    Repaint();
    if (ruler_) ruler_->Repaint();
  }
  UpdateCaret(false);
}
