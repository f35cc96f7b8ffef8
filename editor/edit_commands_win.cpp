// Editing commands of text documents routed by the frame: clipboard, undo,
// select all, conversions and the character count.
#include "editor/char_count_dialog_win.h"
#include "editor/conversions_win.h"
#include "editor/editing.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/clipboard_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"

namespace {

void ShowCaretPlace(TextDocument& doc) {
  if (!doc.view) return;
  doc.view->EnsureCaretVisible(false, false);
  doc.view->UpdateCaret(false);
}

void Copy(TextDocument& doc) {
  int s, e;
  doc.SelectionBytes(s, e);
  PutTextOnClipboard(doc.CopySelectionText(s, e));
}

void Paste(DocumentSlot& slot) {
  std::string text;
  if (!GetClipboardText(text)) return;
  EditSelection(slot, text, true, true);
  ShowCaretPlace(*slot.text);
}

void SelectAll(TextDocument& doc) {
  doc.SetSelection(0, doc.Length(), false);
}

void Step(bool done) {
  if (!done) MessageBeep(MB_OK);
  RefreshCommandStates();
}

}  // namespace

bool DispatchTextCommand(int slotIndex, UINT id) {
  if (slotIndex < 0 || slotIndex >= DocumentTable::kSlots) return false;
  DocumentSlot& slot = g_app.docs.slots[slotIndex];
  if (!slot.text) return false;
  TextDocument& doc = *slot.text;
  switch (id) {
    case ID_EDIT_UNDO:
    case ID_RAD_UNDO:
      Step(Undo(slot));
      return true;
    case ID_EDIT_REDO:
    case ID_RAD_REDO:
      Step(Redo(slot));
      return true;
    case ID_EDIT_CUT: {
      int s, e;
      doc.SelectionBytes(s, e);
      Copy(doc);
      // With nothing selected the Delete key would take the next character.
      if (s < e && doc.editor) SendMessageA(doc.editor, WM_KEYDOWN, VK_DELETE, 0);
      RefreshCommandStates();
      return true;
    }
    case ID_EDIT_COPY:
      Copy(doc);
      RefreshCommandStates();
      return true;
    case ID_EDIT_PASTE:
      Paste(slot);
      return true;
    case ID_EDIT_DELETE:
      EditSelection(slot, "", false, true);
      return true;
    case ID_EDIT_SELECTALL:
      SelectAll(doc);
      RefreshCommandStates();
      return true;
    case ID_TOOL_CHARCOUNT:
    case ID_TOOL_CHARCOUNTSEL:
      CharCountDialog(slot, id == ID_TOOL_CHARCOUNTSEL);
      return true;
  }
  if ((id >= ID_CONV_LOWER && id <= ID_CONV_SPACE2TAB) || id == ID_CONV_QUOTEWRAP || id == ID_CONV_WRAP) {
    ConvertSelection(slot, static_cast<int>(id), LocaleMapText);
    return true;
  }
  return false;
}
