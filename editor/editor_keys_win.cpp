// Keys of the editor window: navigation, deletion, typed characters with the
// completion list around them, and the Ctrl key of the hover link.
#include "assist/assist_hooks_win.h"
#include "assist/completion_list_win.h"
#include "editor/caret_moves.h"
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "platform/sjis.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

bool IsListKey(NavKey key) {
  return key == NavKey::kUp || key == NavKey::kDown || key == NavKey::kPageUp || key == NavKey::kPageDown;
}

int VerticalPage(HWND editor) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_PAGE;
  GetScrollInfo(editor, SB_VERT, &si);
  return static_cast<int>(si.nPage);
}

}  // namespace

void EditorView::Navigate(NavKey key, unsigned virtualKey, bool shift, bool ctrl) {
  if (key == NavKey::kLeft && text_.pendingIndent) {
    PendingIndentCancel(text_);  // Left only takes the provisional indent away
    AfterCommand();
    return;
  }
  if (IsListKey(key) && list_ && list_->IsOpen()) {
    list_->Key(virtualKey);
    return;
  }
  if (key != NavKey::kLeft && key != NavKey::kHome && key != NavKey::kEnd && text_.pendingIndent)
    PendingIndentCancel(text_);
  NavigateKey(text_.doc, key, shift, ctrl, VerticalPage(hwnd));
  if (key == NavKey::kPageUp || key == NavKey::kPageDown) {
    // The page scroll places the caret; the view moves by the page only.
    SendMessageA(hwnd, WM_VSCROLL, key == NavKey::kPageUp ? SB_PAGEUP : SB_PAGEDOWN, 0);
    RefreshCommandStates();
    Repaint();
    return;
  }
  AfterCommand();
}

void EditorView::DeleteForward() {
  TextDocument& doc = text_.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  if (s >= doc.Length()) return;
  if (s == e) {
    // EditSelection makes a provisional indent permanent before it edits.
    const ViewPos after = doc.ViewFromByte(NextCharEnd(doc, s));
    doc.anchorCol = after.col;
    doc.anchorRow = after.row;
  }
  EditSelection(text_, std::string_view());
  AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
}

void EditorView::Backspace() {
  if (text_.pendingIndent) {
    PendingIndentShorten(text_);
    AfterCommand();
    return;
  }
  TextDocument& doc = text_.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  if (e == 0) return;
  if (s == e) {
    NavigateKey(doc, NavKey::kLeft, false, false, VerticalPage(hwnd));
    if (list_ && list_->IsOpen()) list_->Typed(-1);
  }
  DeleteForward();
}

void EditorView::TypeEnter() {
  if (list_ && list_->IsOpen()) {
    if (list_->TakeEnter()) return;
    list_->Close();
  }
  ::TypeEnter(text_, g_app.settings.IsAutoIndent != 0);
  AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
}

void EditorView::TypeCharacter(unsigned char c, bool shift) {
  if (c == '\r') {
    TypeEnter();
    return;
  }
  if (c == '\t' && SelectionSpansLines(text_.doc)) {
    BlockIndent(text_, shift);
    AfterCommand();
    return;
  }
  if (c != '\t' && (c < 0x20 || c == 0x7F)) {
    DropHeldLead(text_);
    return;
  }
  const unsigned char held = HeldLeadByte(text_);
  if (!held && IsSjisLead(c)) {
    TypeByte(text_, c);  // waits for its second byte
    return;
  }
  // The assistance sees a double-byte character once, as its first byte: its
  // second byte may look like an ASCII letter or sign.
  const unsigned char seen = held && c >= 0x40 ? held : c;
  const bool listOpen = list_ && list_->IsOpen();
  const bool closes = listOpen && list_->CharCloses(seen);
  const TypedBytes typed = TypeByte(text_, c);
  if (listOpen && !closes) list_->Typed(typed == TypedBytes::kCharacter ? 2 : 1);
  const uint64_t edited = text_.doc.Version();
  AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  // A list item the keystroke completed has been inserted: that ends the keystroke.
  if (text_.doc.Version() != edited) return;
  AssistAfterTyped(*this, seen);
}

void EditorView::OnKeyDown(WPARAM key) {
  const bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL);
  const auto vk = static_cast<unsigned>(key);
  switch (key) {
    case VK_LEFT: Navigate(NavKey::kLeft, vk, shift, ctrl); break;
    case VK_RIGHT: Navigate(NavKey::kRight, vk, shift, ctrl); break;
    case VK_UP: Navigate(NavKey::kUp, vk, shift, ctrl); break;
    case VK_DOWN: Navigate(NavKey::kDown, vk, shift, ctrl); break;
    case VK_PRIOR: Navigate(NavKey::kPageUp, vk, shift, ctrl); break;
    case VK_NEXT: Navigate(NavKey::kPageDown, vk, shift, ctrl); break;
    case VK_HOME: Navigate(NavKey::kHome, vk, shift, ctrl); break;
    case VK_END: Navigate(NavKey::kEnd, vk, shift, ctrl); break;
    case VK_BACK: Backspace(); break;
    case VK_DELETE: DeleteForward(); break;
  }
}

void EditorView::OnKeyUp(WPARAM key) {
  if (key != VK_CONTROL || !g_app.settings.IsCtrlKeyHyperLink) return;
  linkWord_.clear();
  if (linkStart_ == -1) return;
  linkStart_ = linkEnd_ = -1;
  Repaint();
}

void EditorView::OnChar(WPARAM ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c == '\b') return;  // handled as a key
  if (c == 27) {
    CloseAssistPopups();
    return;
  }
  if (Down(VK_CONTROL)) return;  // the character of a shortcut
  if (c == '\r' || c == '\t' || c >= 0x20) TypeCharacter(c, Down(VK_SHIFT));
}
