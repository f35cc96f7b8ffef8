// Mouse selection, line selection in the margin, double-click words, the
// Ctrl-hover link and the context menu of the editor window.
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/rebar_win.h"

namespace {

bool InMargin(const TextDocument& doc, int x) { return x >= 0 && x < doc.gutterWidth; }

void SetCaret(TextDocument& doc, ViewPos p) {
  doc.caretCol = p.col;
  doc.caretRow = p.row;
}
void SetAnchor(TextDocument& doc, ViewPos p) {
  doc.anchorCol = p.col;
  doc.anchorRow = p.row;
}

// Ctrl+click on the hover word: it goes to the web search.
bool FollowLink(TextDocument& doc) {
  if (doc.linkStart < 0) return false;
  if (doc.linkEnd > doc.linkStart) {
    std::string word = doc.Substr(doc.linkStart, doc.linkEnd);
    ViewOf(doc)->linkWord = word;
    SetWebSearchBoxText(word);
    SendWebSearchEnter();
  }
  return true;
}

// The word under the pointer while Ctrl is held; cleared without Ctrl.
void TrackLink(HWND editor, TextDocument& doc, int x, int y, bool ctrl) {
  int start = -1, end = -1;
  if (ctrl && g_app.settings.IsCtrlKeyHyperLink) {
    doc.WordAt(PositionAt(editor, doc, x, y), start, end);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
  }
  if (start == doc.linkStart && end == doc.linkEnd) return;
  doc.linkStart = start;
  doc.linkEnd = end;
  ViewOf(doc)->Repaint();
}

// The margin's cursor (a shared resource: loading it again returns the same handle).
HCURSOR MarginCursor() {
  HCURSOR cursor = g_app.resLib ? LoadCursorA(g_app.resLib, MAKEINTRESOURCEA(IDC_MARGIN)) : nullptr;
  return cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace

void OnLButtonDown(HWND editor, int x, int y, WPARAM keys) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  if ((keys & MK_CONTROL) && FollowLink(doc)) return;
  SetFocus(editor);
  SetCapture(editor);
  if (slot->pendingIndent) PendingIndentCancel(*slot);
  StopAutoScroll(doc);
  doc.wantedCol = -1;
  EditorView& view = *ViewOf(doc);
  if (InMargin(doc, x)) {
    SetCursor(MarginCursor());
    // The whole line of the clicked row, with its CR LF.
    const ViewPos rowStart = PositionAt(editor, doc, doc.gutterWidth, y);
    const ViewPos from{0, rowStart.row};
    const int line = doc.LineOfByte(doc.ByteFromView(from.col, from.row));
    const int end = line + 1 < doc.LineCount() ? doc.LineStart(line + 1) : doc.Length();
    SetAnchor(doc, from);
    SetCaret(doc, doc.ViewFromByte(end));
  } else {
    const ViewPos p = PositionAt(editor, doc, x, y);
    SetCaret(doc, p);
    if (!(keys & MK_SHIFT)) SetAnchor(doc, p);
  }
  view.UpdateCaret(false);
  view.EnsureCaretVisible(false, false);
  view.Repaint();
}

void OnMouseMove(HWND editor, int x, int y, WPARAM keys) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  EditorView& view = *ViewOf(doc);
  if (GetCapture() == editor) {
    RECT rc{};
    GetClientRect(editor, &rc);
    if (y >= 0 && y < rc.bottom && x >= doc.gutterWidth && x < rc.right) {
      StopAutoScroll(doc);
      const ViewPos p = PositionAt(editor, doc, x, y);
      if (p.col != doc.caretCol || p.row != doc.caretRow) {
        SetCaret(doc, p);
        view.Repaint();
        view.UpdateCaret(false);
      }
    } else {
      StartAutoScroll(doc);
    }
    return;
  }
  if (InMargin(doc, x)) {
    SetCursor(MarginCursor());
    return;
  }
  TrackLink(editor, doc, x, y, (keys & MK_CONTROL) != 0);
}

void OnLButtonUp(HWND editor, int x, int) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  if (InMargin(doc, x)) SetCursor(MarginCursor());
  if (GetCapture() != editor) return;
  ReleaseCapture();
  StopAutoScroll(doc);
  ViewOf(doc)->RefreshCommandStates();
}

void OnLButtonDblClk(HWND editor, int x, int) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  if (InMargin(doc, x)) {
    SetCursor(MarginCursor());
    return;
  }
  int start, end;
  doc.WordAt(ViewPos{doc.caretCol, doc.caretRow}, start, end);
  doc.PlaceSelection(start, end);
  EditorView& view = *ViewOf(doc);
  view.RefreshCommandStates();
  view.UpdateCaret(false);
  view.Repaint();
}

void OnRButtonUp(HWND editor, int x, int y) {
  if (!g_app.menus.editor) return;
  POINT p{x, y};
  ClientToScreen(editor, &p);
  TrackPopupMenu(g_app.menus.editor, TPM_RIGHTBUTTON, p.x, p.y, 0, g_app.frame, nullptr);
}

bool OnSetCursor(HWND editor) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return false;
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(editor, &p);
  const TextDocument& doc = *slot->text;
  if (InMargin(doc, p.x)) {
    SetCursor(MarginCursor());
    return true;
  }
  if (doc.linkStart >= 0 && GetKeyState(VK_CONTROL) < 0) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return true;
  }
  return false;
}
