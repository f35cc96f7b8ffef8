// Mouse selection, line selection in the margin, double-click words, the
// Ctrl-hover link and the context menu of the editor window.
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/rebar_win.h"

namespace {

void SetCaret(TextDocument& doc, ViewPos p) {
  doc.caretCol = p.col;
  doc.caretRow = p.row;
}
void SetAnchor(TextDocument& doc, ViewPos p) {
  doc.anchorCol = p.col;
  doc.anchorRow = p.row;
}

// The margin's cursor (a shared resource: loading it again returns the same handle).
HCURSOR MarginCursor() {
  HCURSOR cursor = g_app.resLib ? LoadCursorA(g_app.resLib.get(), MAKEINTRESOURCEA(IDC_MARGIN)) : nullptr;
  return cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace

// Ctrl+click on the hover word: it goes to the web search.
bool EditorView::FollowLink() {
  if (linkStart_ < 0) return false;
  if (linkEnd_ > linkStart_) {
    linkWord_ = text_.doc.Substr(linkStart_, linkEnd_);
    SetWebSearchBoxText(linkWord_);
    SendWebSearchEnter();
  }
  return true;
}

// The word under the pointer while Ctrl is held; cleared without Ctrl.
void EditorView::TrackLink(int x, int y, bool ctrl) {
  int start = -1, end = -1;
  if (ctrl && g_app.settings.IsCtrlKeyHyperLink) {
    text_.doc.WordAt(PositionAt(x, y), start, end);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
  }
  if (start == linkStart_ && end == linkEnd_) return;
  linkStart_ = start;
  linkEnd_ = end;
  Repaint();
}

void EditorView::OnLButtonDown(int x, int y, WPARAM keys) {
  TextDocument& doc = text_.doc;
  if ((keys & MK_CONTROL) && FollowLink()) return;
  SetFocus(hwnd);
  SetCapture(hwnd);
  if (text_.pendingIndent) PendingIndentCancel(text_);
  StopAutoScroll();
  doc.wantedCol = -1;
  if (InMargin(x)) {
    SetCursor(MarginCursor());
    // The whole line of the clicked row, with its CR LF.
    const ViewPos rowStart = PositionAt(gutterWidth_, y);
    const ViewPos from{0, rowStart.row};
    const int line = doc.LineOfByte(doc.ByteFromView(from.col, from.row));
    const int end = line + 1 < doc.LineCount() ? doc.LineStart(line + 1) : doc.Length();
    SetAnchor(doc, from);
    SetCaret(doc, doc.ViewFromByte(end));
  } else {
    const ViewPos p = PositionAt(x, y);
    SetCaret(doc, p);
    if (!(keys & MK_SHIFT)) SetAnchor(doc, p);
  }
  // A click on a partly shown row scrolls: the caret is placed after that.
  EnsureCaretVisible(false, false);
  UpdateCaret(false);
  Repaint();
}

void EditorView::OnMouseMove(int x, int y, WPARAM keys) {
  TextDocument& doc = text_.doc;
  if (GetCapture() == hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    if (y >= 0 && y < rc.bottom && x >= gutterWidth_ && x < rc.right) {
      StopAutoScroll();
      const ViewPos p = PositionAt(x, y);
      if (p.col != doc.caretCol || p.row != doc.caretRow) {
        SetCaret(doc, p);
        Repaint();
        UpdateCaret(false);
      }
    } else {
      StartAutoScroll();
    }
    return;
  }
  if (InMargin(x)) {
    SetCursor(MarginCursor());
    return;
  }
  TrackLink(x, y, (keys & MK_CONTROL) != 0);
}

void EditorView::OnLButtonUp(int x, int) {
  if (InMargin(x)) SetCursor(MarginCursor());
  if (GetCapture() != hwnd) return;
  ReleaseCapture();
  StopAutoScroll();
  RefreshCommandStates();
}

void EditorView::OnLButtonDblClk(int x, int) {
  TextDocument& doc = text_.doc;
  if (InMargin(x)) {
    SetCursor(MarginCursor());
    return;
  }
  int start, end;
  doc.WordAt(ViewPos{doc.caretCol, doc.caretRow}, start, end);
  doc.PlaceSelection(start, end);
  RefreshCommandStates();
  UpdateCaret(false);
  Repaint();
}

void EditorView::OnRButtonUp(int x, int y) {
  if (!g_app.menus.editor.sub) return;
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  TrackPopupMenu(g_app.menus.editor.sub, TPM_RIGHTBUTTON, p.x, p.y, 0, g_app.frame, nullptr);
}

bool EditorView::OnSetCursor() {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  if (InMargin(p.x)) {
    SetCursor(MarginCursor());
    return true;
  }
  if (linkStart_ >= 0 && GetKeyState(VK_CONTROL) < 0) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    return true;
  }
  return false;
}
