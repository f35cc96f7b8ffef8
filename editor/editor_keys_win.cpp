// Keys of the editor window: navigation, deletion, typed characters and the
// Ctrl key of the hover link.
#include "assist/assist_hooks.h"
#include "editor/caret_moves.h"
#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "shell/app.h"

namespace {

bool Down(int key) { return GetKeyState(key) < 0; }

bool IsListKey(NavKey key) {
  return key == NavKey::kUp || key == NavKey::kDown || key == NavKey::kPageUp || key == NavKey::kPageDown;
}

void Navigate(HWND editor, DocumentSlot& slot, NavKey key, unsigned virtualKey, bool shift, bool ctrl) {
  if (key == NavKey::kLeft && slot.pendingIndent) {
    PendingIndentCancel(slot);  // Left only takes the provisional indent away
    return;
  }
  if (IsListKey(key) && CompletionListOpen()) {
    CompletionListKey(virtualKey);
    return;
  }
  if (key != NavKey::kLeft && key != NavKey::kHome && key != NavKey::kEnd && slot.pendingIndent)
    PendingIndentCancel(slot);
  TextDocument& doc = *slot.text;
  EditorView& view = *ViewOf(doc);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_PAGE;
  GetScrollInfo(editor, SB_VERT, &si);
  NavigateKey(doc, key, shift, ctrl, static_cast<int>(si.nPage));
  if (key == NavKey::kPageUp || key == NavKey::kPageDown) {
    // The page scroll places the caret; a caret that was out of view comes back.
    SendMessageA(editor, WM_VSCROLL, key == NavKey::kPageUp ? SB_PAGEUP : SB_PAGEDOWN, 0);
    if (view.EnsureCaretVisible(false, false)) view.UpdateCaret(false);
  } else {
    view.EnsureCaretVisible(false, false);
    view.UpdateCaret(false);
  }
  view.RefreshCommandStates();
  view.Repaint();
}

void Delete(DocumentSlot& slot) {
  TextDocument& doc = *slot.text;
  int s, e;
  doc.SelectionBytes(s, e);
  if (s >= doc.Length()) return;
  if (s == e) {
    // EditSelection makes a provisional indent permanent before it edits.
    const ViewPos after = doc.ViewFromByte(NextCharEnd(doc, s));
    doc.anchorCol = after.col;
    doc.anchorRow = after.row;
  }
  EditSelection(slot, std::string_view(), false, true);
}

void Backspace(HWND editor, DocumentSlot& slot) {
  if (slot.pendingIndent) {
    PendingIndentShorten(slot);
    return;
  }
  int s, e;
  slot.text->SelectionBytes(s, e);
  if (e == 0) return;
  if (s == e) {
    Navigate(editor, slot, NavKey::kLeft, VK_LEFT, false, false);
    if (CompletionListOpen()) CompletionListTyped(-1);
  }
  Delete(slot);
}

}  // namespace

void OnKeyDown(HWND editor, WPARAM key) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  const bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL);
  const auto vk = static_cast<unsigned>(key);
  switch (key) {
    case VK_LEFT: Navigate(editor, *slot, NavKey::kLeft, vk, shift, ctrl); break;
    case VK_RIGHT: Navigate(editor, *slot, NavKey::kRight, vk, shift, ctrl); break;
    case VK_UP: Navigate(editor, *slot, NavKey::kUp, vk, shift, ctrl); break;
    case VK_DOWN: Navigate(editor, *slot, NavKey::kDown, vk, shift, ctrl); break;
    case VK_PRIOR: Navigate(editor, *slot, NavKey::kPageUp, vk, shift, ctrl); break;
    case VK_NEXT: Navigate(editor, *slot, NavKey::kPageDown, vk, shift, ctrl); break;
    case VK_HOME: Navigate(editor, *slot, NavKey::kHome, vk, shift, ctrl); break;
    case VK_END: Navigate(editor, *slot, NavKey::kEnd, vk, shift, ctrl); break;
    case VK_BACK: Backspace(editor, *slot); break;
    case VK_DELETE: Delete(*slot); break;
  }
}

void OnKeyUp(HWND editor, WPARAM key) {
  if (key != VK_CONTROL || !g_app.settings.IsCtrlKeyHyperLink) return;
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  ViewOf(doc)->linkWord.clear();
  if (doc.linkStart == -1) return;
  doc.linkStart = doc.linkEnd = -1;
  ViewOf(doc)->Repaint();
}

void OnChar(HWND editor, WPARAM ch) {
  const auto c = static_cast<unsigned char>(ch);
  if (c == '\b') return;  // handled as a key
  if (c == 27) {
    CloseAssistPopups();
    return;
  }
  if (Down(VK_CONTROL)) return;  // the character of a shortcut
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  if (c == '\r' || c == '\t' || c >= 0x20) TypeCharacter(*slot, c, Down(VK_SHIFT));
}
