// Per-kind questions the shell asks about documents; the designer, menu and
// icon documents answer once their editors exist.
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/menu_object_win.h"
#include "shell/doc_kinds.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/project_seams.h"

bool DocumentModified(int slot) {
  const DocumentSlot& s = g_app.docs.slots[slot];
  if (IsTextKind(s.kind)) return s.text && s.text->modified;
  return false;
}

void FreeOtherKindRecord(int slot) { g_app.docs.slots[slot].record = nullptr; }

bool DesignerPropertyDialogsTakeMessage(MSG*) { return false; }

void DestroyFrameImageLists() {}

void RefreshCompileCommandStates() {
  if (!g_app.mainMenu) return;
  const int slot = ActiveSlot();
  const bool enable = ProjectIsOpen() || (slot >= 0 && g_app.docs.slots[slot].kind == kDocSource);
  for (UINT id : {ID_BUILD_DEBUGRUN, ID_BUILD_RELEASE, ID_BUILD_DEBUG})
    EnableMenuItem(g_app.mainMenu->handle(), id, MF_BYCOMMAND | (enable ? MF_ENABLED : MF_GRAYED));
}
