// Per-kind questions the shell asks about documents; the designer, menu and
// icon documents answer once their editors exist.
#include "shell/app.h"
#include "shell/doc_kinds.h"

bool DocumentModified(int slot) {
  const DocumentSlot& s = g_app.docs.slots[slot];
  if (IsTextKind(s.kind)) return s.text && s.text->modified;
  return false;
}

void FreeOtherKindRecord(int slot) { g_app.docs.slots[slot].record = nullptr; }
