#pragma once
// What the assistance popups need to know of the editor window: where the
// caret is on the screen and the editor's cell metrics.
#include "editor/text_document.h"
#include "platform/win_types.h"

// The screen position of the caret's top-left corner, the cell width cx and
// the row height cy of the editor showing doc. False when it has no window.
bool EditorCaretScreenPoint(const TextDocument& doc, POINT& caretTopLeft, int& cellWidth, int& rowHeight);
