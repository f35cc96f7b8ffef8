// The editor window's object: creation, the message switch, the after-edit
// step and what other windows ask of the view.
#include "editor/editor_view_win.h"

#include <windowsx.h>

#include "assist/assist_hooks_win.h"
#include "assist/completion_list_win.h"
#include "assist/hint_window_win.h"
#include "assist/program_text_win.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/messages_win.h"
#include "shell/rebar_win.h"

EditorView::EditorView(int slot, EditableText& text, Ruler* ruler)
    : slot_(slot), text_(text), ruler_(ruler), colouring_(text.doc) {
  text_.doc.AddObserver(this);
  gutterWidth_ = text_.doc.ComputeGutter(gutterDigits_);
}

EditorView::~EditorView() {
  JoinAutoScroll();
  // The popups go first: their windows refer to this view.
  list_.reset();
  hint_.reset();
  program_.reset();
  text_.doc.RemoveObserver(this);
  DestroyObjectWindow(hwnd);
}

bool EditorView::Create(HWND documentWindow) {
  CreateWindowExA(0, "TextEditor", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, documentWindow,
                  nullptr, g_app.instance, this);
  if (!hwnd) return false;
  RefreshScrollRanges();
  return true;
}

LRESULT EditorView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: Repaint(); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_KEYDOWN: OnKeyDown(wp); return 0;
    case WM_KEYUP: OnKeyUp(wp); return 0;
    case WM_CHAR: OnChar(wp); return 0;
    case WM_IME_STARTCOMPOSITION: OnImeStartComposition(); return Default(msg, wp, lp);
    case WM_IME_COMPOSITION: OnImeComposition(lp); return Default(msg, wp, lp);
    case WM_IME_CHAR: return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wp)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wp)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wp)); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), wp); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), wp); return 0;
    case WM_LBUTTONUP: OnLButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_RBUTTONUP: OnRButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_SETCURSOR: return LOWORD(lp) == HTCLIENT && OnSetCursor() ? TRUE : Default(msg, wp, lp);
    case kMsgAutoScrollStep: OnAutoScrollStep(); return 0;
    case kMsgResultLabelCreate: return 0;  // result strips are not built: no labels
    case kMsgResultLabelDestroy: return 0;
  }
  return Default(msg, wp, lp);
}

// ---- the document's edits

void EditorView::TextChanged(TextDocument& doc, const TextChange&) {
  gutterWidth_ = doc.ComputeGutter(gutterDigits_);
}

// ---- the after-edit step

void EditorView::AfterCommand(const AfterEdit& step) {
  if (!hwnd) return;
  if (step.scroll != ScrollToCaret::kNone) {
    if (EnsureCaretVisible(step.scroll == ScrollToCaret::kMinimal, step.scroll == ScrollToCaret::kCentre) == 0)
      Repaint();
  } else {
    Repaint();
  }
  UpdateCaret(step.edited);
  RefreshCommandStates();
}

void EditorView::SetSelection(int caretByte, int anchorByte, bool centre) {
  text_.doc.PlaceSelection(caretByte, anchorByte);
  AfterCommand(AfterEdit{centre ? ScrollToCaret::kCentre : ScrollToCaret::kNormal, false});
}

int EditorView::ScrollPos(int bar) const {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  return hwnd && GetScrollInfo(hwnd, bar, &si) ? si.nPos : 0;
}

ViewMetrics EditorView::Metrics() const {
  RECT rc{};
  if (hwnd) GetClientRect(hwnd, &rc);
  ViewMetrics m;
  m.clientWidth = rc.right;
  m.clientHeight = rc.bottom;
  m.gutter = gutterWidth_;
  m.cx = g_app.editorFonts.cx;
  m.cy = g_app.editorFonts.cy;
  return m;
}

ViewPos EditorView::PositionAt(int x, int y) const {
  const ViewMetrics m = Metrics();
  return text_.doc.SnapView(ColumnAtX(m, x, ScrollPos(SB_HORZ)), RowAtY(m, y, ScrollPos(SB_VERT)));
}

bool EditorView::CaretScreenPoint(POINT& topLeft, int& cellWidth, int& rowHeight) const {
  if (!hwnd || !IsWindow(hwnd)) return false;
  cellWidth = g_app.editorFonts.cx > 0 ? g_app.editorFonts.cx : 8;
  rowHeight = g_app.editorFonts.cy > 0 ? g_app.editorFonts.cy : 16;
  const TextDocument& doc = text_.doc;
  topLeft.x = gutterWidth_ + cellWidth * (doc.caretCol - ScrollPos(SB_HORZ));
  topLeft.y = rowHeight * (doc.caretRow - ScrollPos(SB_VERT));
  ClientToScreen(hwnd, &topLeft);
  return true;
}

int EditorView::EnsureCaretVisible(bool minimalHorizontal, bool centreVertical) {
  TextDocument& doc = text_.doc;
  // The ranges must include the caret's row before a position can go there.
  RefreshScrollRanges();
  const ViewMetrics m = Metrics();
  const int top = ScrollPos(SB_VERT), left = ScrollPos(SB_HORZ);
  int rowMove, colMove;
  CaretVisibleMoves(m, doc.caretRow - top, doc.caretCol - left, left, minimalHorizontal, centreVertical, rowMove,
                    colMove);
  bool changed = false;
  if (rowMove) changed |= SetScrollPosition(SB_VERT, top + rowMove);
  if (colMove && SetScrollPosition(SB_HORZ, left + colMove)) {
    changed = true;
    if (ruler_) ruler_->Repaint();
  }
  if (changed) Repaint();
  return changed ? 1 : 0;
}

void EditorView::UpdateCaret(bool afterEdit) {
  if (!hwnd) return;
  const TextDocument& doc = text_.doc;
  const int relCol = doc.caretCol - ScrollPos(SB_HORZ);
  const int relRow = doc.caretRow - ScrollPos(SB_VERT);
  if (hasCaret_) {
    const bool left = relCol < 0;
    if (left && !caretHiddenLeft_) {
      HideCaret(hwnd);
      caretHiddenLeft_ = true;
    } else if (!left && caretHiddenLeft_) {
      ShowCaret(hwnd);
      caretHiddenLeft_ = false;
    }
    SetCaretPos(gutterWidth_ + g_app.editorFonts.cx * relCol, g_app.editorFonts.cy * relRow);
  }
  RefreshStatusBar();
  SetWebSearchBoxText(CaretWordText(doc, afterEdit));
  AssistTrackCaret(*this);
}

void EditorView::Repaint() {
  if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

void EditorView::Relayout(const TextLayout& layout) {
  text_.doc.SetLayout(layout);
  gutterWidth_ = text_.doc.ComputeGutter(gutterDigits_);
  colouring_.Reset();
  if (hasCaret_) {
    // The caret's height follows the font.
    DestroyCaret();
    CreateCaret(hwnd, nullptr, 1, g_app.editorFonts.cy);
    caretHiddenLeft_ = false;
    ShowCaret(hwnd);
  }
  RefreshScrollRanges();
  EnsureCaretVisible(false, false);
  UpdateCaret(false);
  Repaint();
  if (ruler_) ruler_->Repaint();
}

// ---- focus and the caret

void EditorView::OnSetFocus() {
  CreateCaret(hwnd, nullptr, 1, g_app.editorFonts.cy);
  hasCaret_ = true;
  caretHiddenLeft_ = false;
  UpdateCaret(false);
  ShowCaret(hwnd);
}

void EditorView::OnKillFocus() {
  HideCaret(hwnd);
  DestroyCaret();
  hasCaret_ = false;
}

// ---- the assistance of this document

CompletionList& EditorView::List() {
  if (!list_) list_ = std::make_unique<CompletionList>(*this);
  return *list_;
}

HintWindow& EditorView::Hint() {
  if (!hint_) hint_ = std::make_unique<HintWindow>(*this);
  return *hint_;
}

ProgramText& EditorView::Program() {
  if (!program_) program_ = std::make_unique<ProgramText>();
  return *program_;
}

void EditorView::CloseAssistPopups() {
  if (list_) list_->Close();
  if (hint_) hint_->Close();
}

void EditorView::ReleaseAssistance() { program_.reset(); }
