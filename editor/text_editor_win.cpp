// The TextEditor window: one flat switch forwarding each message to its handler.
#include <windowsx.h>

#include "shell/app.h"
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "shell/window_procs.h"

namespace {

void OnSetFocus(HWND editor) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  EditorView& view = *ViewOf(*slot->text);
  CreateCaret(editor, nullptr, 1, g_app.editorFonts.cy);
  view.hasCaret = true;
  view.caretHiddenLeft = false;
  view.UpdateCaret(false);
  if (!EditorCaretSuppressed()) ShowCaret(editor);
}

void OnKillFocus(HWND editor) {
  HideCaret(editor);
  DestroyCaret();
  if (DocumentSlot* slot = SlotOfEditor(editor)) ViewOf(*slot->text)->hasCaret = false;
}

void OnPaint(HWND editor) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(editor, &ps);
  if (DocumentSlot* slot = SlotOfEditor(editor))
    PaintEditor(dc, *slot);
  else
    FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));  // not attached yet
  EndPaint(editor, &ps);
}

void OnCaretMessage(HWND editor, WPARAM what) {
  if (what == kAutoScrollStep) {
    AutoScrollStep(editor);
    return;
  }
  if (DocumentSlot* slot = SlotOfEditor(editor)) ViewOf(*slot->text)->UpdateCaret(false);
}

}  // namespace

LRESULT CALLBACK TextEditorWndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: InvalidateRect(w, nullptr, FALSE); return 0;
    case WM_SETFOCUS: OnSetFocus(w); return 0;
    case WM_KILLFOCUS: OnKillFocus(w); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(w); return 0;
    case WM_KEYDOWN: OnKeyDown(w, wp); return 0;
    case WM_KEYUP: OnKeyUp(w, wp); return 0;
    case WM_CHAR: OnChar(w, wp); return 0;
    case WM_IME_STARTCOMPOSITION: OnImeStartComposition(w); break;
    case WM_IME_COMPOSITION: OnImeComposition(w, lp); break;
    case WM_IME_CHAR: return 0;
    case WM_VSCROLL: OnVScroll(w, LOWORD(wp)); return 0;
    case WM_HSCROLL: OnHScroll(w, LOWORD(wp)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(w, GET_WHEEL_DELTA_WPARAM(wp)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(w, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), wp); return 0;
    case WM_MOUSEMOVE: OnMouseMove(w, GET_X_LPARAM(lp), GET_Y_LPARAM(lp), wp); return 0;
    case WM_LBUTTONUP: OnLButtonUp(w, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(w, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(w, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && OnSetCursor(w)) return TRUE;
      break;
    case WM_USER + 80: OnCaretMessage(w, wp); return 0;
    case WM_USER + 90: return 0;  // result strips are not built: no OneTab
    case WM_USER + 91: return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}
