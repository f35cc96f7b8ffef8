// The edit commands every kind of document answers, routed to the active
// document through the document interface.
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"

bool HandleDocumentCommand(UINT id) {
  const int slot = ActiveSlot();
  if (slot < 0) return true;  // commands without an active document do nothing
  Document* doc = g_app.docs.slots[slot].document.get();
  if (!doc) return true;
  switch (id) {
    case ID_EDIT_UNDO:
    case ID_RAD_UNDO:
      if (!doc->Undo()) MessageBeep(MB_OK);
      break;
    case ID_EDIT_REDO:
    case ID_RAD_REDO:
      if (!doc->Redo()) MessageBeep(MB_OK);
      break;
    case ID_EDIT_CUT: doc->Cut(); break;
    case ID_EDIT_COPY: doc->Copy(); break;
    case ID_EDIT_PASTE: doc->Paste(); break;
    case ID_EDIT_DELETE: doc->DeleteSelection(); break;
    case ID_EDIT_SELECTALL: doc->SelectAll(); break;
    default: return false;
  }
  RefreshCommandStates();
  return true;
}
