#pragma once
// The character-count dialog (resource 286) over the whole text or the selection.
#include "editor/editable_text.h"

void CharCountDialog(EditableText& text, bool selection);
