#pragma once
// The character-count dialog (resource 286) over the whole text or the selection.
#include "shell/document_table.h"

void CharCountDialog(DocumentSlot& slot, bool selection);
