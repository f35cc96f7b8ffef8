// Scroll bars and the wheel of the editor window.
#include "editor/editor_view_win.h"

namespace {

void SetRange(HWND editor, int bar, const ScrollRange& r, ScrollRange& last) {
  if (r.max == last.max && r.page == last.page) return;
  last = r;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  // Always shown: a bar that came and went would resize the window and repaint.
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = r.max;
  si.nPage = static_cast<UINT>(r.page);
  const int before = ScrollPos(editor, bar);
  SetScrollInfo(editor, bar, &si, TRUE);
  if (ScrollPos(editor, bar) != before) InvalidateRect(editor, nullptr, FALSE);
}

int ScrollMax(HWND editor, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE;
  return GetScrollInfo(editor, bar, &si) ? si.nMax : 0;
}

// Moves one bar by a delta already limited; repaints and places the caret.
void ScrollBy(HWND editor, TextDocument& doc, int bar, int delta) {
  if (delta != 0 && SetScrollPosition(editor, bar, ScrollPos(editor, bar) + delta)) {
    InvalidateRect(editor, nullptr, FALSE);
    if (bar == SB_HORZ) RepaintRuler(doc);
  }
  if (EditorView* view = ViewOf(doc)) view->UpdateCaret(false);
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

// A scroll-bar message of either bar: its move, limited to what the window allows.
void OnScrollBar(HWND editor, int bar, int code) {
  DocumentSlot* s = SlotOfEditor(editor);
  if (!s) return;
  TextDocument& doc = *s->text;
  const ViewMetrics m = MetricsOf(editor, doc);
  const bool vertical = bar == SB_VERT;
  const int page = vertical ? VerticalRange(m, 0).page : HorizontalRange(m, 0).page;
  const int delta = RequestedDelta(editor, bar, code, page);
  const int pos = ScrollPos(editor, bar), max = ScrollMax(editor, bar);
  ScrollBy(editor, doc, bar,
           vertical ? LimitVerticalDelta(m, pos, max, delta) : LimitHorizontalDelta(m, pos, max, delta));
}

}  // namespace

void RefreshScrollRanges(TextDocument& doc) {
  EditorView* view = ViewOf(doc);
  if (!view) return;
  const int widest = doc.Layout().rightTurn ? 0 : view->caches.widths.Widest(doc);
  const ViewMetrics m = MetricsOf(view->hwnd, doc);
  SetRange(view->hwnd, SB_VERT, VerticalRange(m, doc.RowCount() - 1), view->lastV);
  SetRange(view->hwnd, SB_HORZ, HorizontalRange(m, widest), view->lastH);
  RepaintRuler(doc);
}

bool SetScrollPosition(HWND editor, int bar, int pos) {
  const int before = ScrollPos(editor, bar);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  si.nPos = pos < 0 ? 0 : pos;
  SetScrollInfo(editor, bar, &si, TRUE);
  return ScrollPos(editor, bar) != before;
}

void OnVScroll(HWND editor, int code) { OnScrollBar(editor, SB_VERT, code); }
void OnHScroll(HWND editor, int code) { OnScrollBar(editor, SB_HORZ, code); }

void OnMouseWheel(HWND editor, int delta) {
  DocumentSlot* s = SlotOfEditor(editor);
  if (!s) return;
  // A notch or more scrolls three rows whatever the multiple; less is ignored.
  const int rows = delta >= WHEEL_DELTA ? -3 : delta <= -WHEEL_DELTA ? 3 : 0;
  if (rows == 0) return;
  TextDocument& doc = *s->text;
  const ViewMetrics m = MetricsOf(editor, doc);
  ScrollBy(editor, doc, SB_VERT,
           LimitVerticalDelta(m, ScrollPos(editor, SB_VERT), ScrollMax(editor, SB_VERT), rows));
}
