// The view object of a text document: caret placement, scrolling the caret
// into view and the caret word.
#include "editor/editor_view_win.h"

#include "assist/assist_hooks.h"
#include "editor/caret_moves.h"
#include "shell/app.h"
#include "shell/doc_windows_win.h"
#include "shell/rebar_win.h"


DocumentSlot* SlotOfEditor(HWND editor) {
  if (!editor) return nullptr;
  int slot = g_app.docs.SlotOfWindow(GetParent(editor));
  if (slot < 0) return nullptr;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.text || s.text->editor != editor || !ViewOf(*s.text)) return nullptr;
  return &s;
}

EditorView* ViewOf(const TextDocument& doc) { return dynamic_cast<EditorView*>(doc.view); }

ViewMetrics MetricsOf(HWND editor, const TextDocument& doc) {
  RECT rc{};
  GetClientRect(editor, &rc);
  ViewMetrics m;
  m.clientWidth = rc.right;
  m.clientHeight = rc.bottom;
  m.gutter = doc.gutterWidth;
  m.cx = g_app.editorFonts.cx;
  m.cy = g_app.editorFonts.cy;
  return m;
}

int ScrollPos(HWND editor, int bar) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  return GetScrollInfo(editor, bar, &si) ? si.nPos : 0;
}

ViewPos PositionAt(HWND editor, const TextDocument& doc, int x, int y) {
  const ViewMetrics m = MetricsOf(editor, doc);
  return doc.SnapView(ColumnAtX(m, x, ScrollPos(editor, SB_HORZ)), RowAtY(m, y, ScrollPos(editor, SB_VERT)));
}

int EditorView::EnsureCaretVisible(bool minimalHorizontal, bool centreVertical) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.text) return 0;
  TextDocument& doc = *s.text;
  // The ranges must include the caret's row before a position can go there.
  RefreshScrollRanges(doc);
  const ViewMetrics m = MetricsOf(hwnd, doc);
  const int top = ScrollPos(hwnd, SB_VERT), left = ScrollPos(hwnd, SB_HORZ);
  int rowMove, colMove;
  CaretVisibleMoves(m, doc.caretRow - top, doc.caretCol - left, left, minimalHorizontal, centreVertical, rowMove,
                    colMove);
  bool changed = false;
  if (rowMove) changed |= SetScrollPosition(hwnd, SB_VERT, top + rowMove);
  if (colMove && SetScrollPosition(hwnd, SB_HORZ, left + colMove)) {
    changed = true;
    RepaintRuler(doc);
  }
  if (changed) InvalidateRect(hwnd, nullptr, FALSE);
  return changed ? 1 : 0;
}

void EditorView::UpdateCaret(bool afterEdit) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.text) return;
  TextDocument& doc = *s.text;
  const int relCol = doc.caretCol - ScrollPos(hwnd, SB_HORZ);
  const int relRow = doc.caretRow - ScrollPos(hwnd, SB_VERT);
  if (hasCaret) {
    const bool left = relCol < 0;
    if (left && !caretHiddenLeft) {
      HideCaret(hwnd);
      caretHiddenLeft = true;
    } else if (!left && caretHiddenLeft) {
      ShowCaret(hwnd);
      caretHiddenLeft = false;
    }
    SetCaretPos(doc.gutterWidth + g_app.editorFonts.cx * relCol, g_app.editorFonts.cy * relRow);
  }
  RefreshStatusBar();
  SetWebSearchBoxText(CaretWordText(doc, afterEdit));
  CompletionListTrackCaret(s);
  if (doc.kind == kDocSource) HintTrackCaret(s);
}

void EditorView::Repaint() { InvalidateRect(hwnd, nullptr, FALSE); }

void EditorView::RefreshCommandStates() { ::RefreshCommandStates(); }
