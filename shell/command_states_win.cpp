// The status bar and the enabled state of commands, refreshed after every change.
#include "platform/win_types.h"

#include <commctrl.h>

#include "editor/editing.h"
#include "files/charset_names.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/clipboard_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"
#include "shell/project_seams.h"
#include "shell/rebar_win.h"
#include "shell/status_text.h"

namespace {

void SetPane(int pane, const std::string& text) {
  HWND bar = FrameStatusBar();
  if (bar) SendMessageA(bar, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str()));
}

// Sets a command in the main menu, the editor's context menu and the toolbar.
void Enable(UINT id, bool enabled) {
  const UINT flags = MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED);
  if (g_app.mainMenu) EnableMenuItem(g_app.mainMenu->handle(), id, flags);
  if (g_app.menus.editor) EnableMenuItem(g_app.menus.editor, id, flags);
  ToolbarEnable(id, enabled);
}

const UINT kConversions[] = {ID_CONV_LOWER,     ID_CONV_UPPER,     ID_CONV_HALFWIDTH, ID_CONV_FULLWIDTH,
                             ID_CONV_KATAKANA,  ID_CONV_HIRAGANA,  ID_CONV_TAB2SPACE, ID_CONV_SPACE2TAB,
                             ID_CONV_QUOTEWRAP, ID_CONV_WRAP};

}  // namespace

void RefreshStatusBar(const char* helpText) {
  if (helpText) SetPane(0, helpText);
  const int slot = ActiveSlot();
  if (slot < 0) return;
  const DocumentSlot& s = g_app.docs.slots[slot];
  if (IsTextKind(s.kind) && s.text) {
    const TextDocument& doc = *s.text;
    SetPane(1, FormatDocumentSize(doc.Length()));
    SetPane(2, FormatCaretPosition(doc.caretRow + 1, doc.caretCol + 1));
    SetPane(3, CharsetName(doc.charset));
    SetPane(4, NewlineName(doc.newline));
  } else if (s.kind == kDocMenuDesign || s.kind == kDocIcon) {
    SetPane(1, "");
    SetPane(2, "");
  }
}

void RefreshUndoRedoState() {
  const int slot = ActiveSlot();
  bool undo = false, redo = false;
  if (slot >= 0) {
    const DocumentSlot& s = g_app.docs.slots[slot];
    if (IsTextKind(s.kind) && s.undo) {
      undo = CanUndo(*s.undo);
      redo = CanRedo(*s.undo);
    }
  }
  Enable(ID_EDIT_UNDO, undo);
  Enable(ID_EDIT_REDO, redo);
}

void RefreshCommandStates() {
  const int slot = ActiveSlot();
  const int kind = slot >= 0 ? g_app.docs.slots[slot].kind : kDocNone;
  const bool any = slot >= 0;
  const bool text = IsTextKind(kind);
  for (UINT id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVEAS, ID_FILE_SAVEALL}) Enable(id, any);
  Enable(ID_FILE_ENCODING, text);
  bool selection = false;
  if (text) {
    const TextDocument& doc = *g_app.docs.slots[slot].text;
    selection = doc.caretCol != doc.anchorCol || doc.caretRow != doc.anchorRow;
  }
  for (UINT id : {ID_EDIT_SELECTALL, ID_SEARCH_FIND, ID_SEARCH_FINDNEXT, ID_SEARCH_REPLACE, ID_TOOL_CHARCOUNT})
    Enable(id, text);
  Enable(ID_TOOL_CHARCOUNTSEL, text && selection);
  for (UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE}) Enable(id, text && selection);
  Enable(ID_EDIT_PASTE, text && ClipboardHasText());
  for (UINT id : kConversions) Enable(id, text && selection);
  for (UINT id : {ID_FILE_PRINT, ID_FILE_PAGESETUP, ID_FILE_PREVIEW}) Enable(id, text);
  RefreshUndoRedoState();
  RefreshCompileCommandStates();
}

void RefreshCompileCommandStates() {
  if (!g_app.mainMenu) return;
  const int slot = ActiveSlot();
  const bool enable = ProjectIsOpen() || (slot >= 0 && g_app.docs.slots[slot].kind == kDocSource);
  for (UINT id : {ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG})
    EnableMenuItem(g_app.mainMenu->handle(), id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}
