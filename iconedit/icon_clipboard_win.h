#pragma once
// The icon editor's pictures on the clipboard as CF_BITMAP.
#include "iconedit/icon_doc_state.h"
#include "platform/win_types.h"

// Replaces the clipboard's content by a bitmap of the pixels (the transparent
// marker stays that colour); false when the clipboard is busy.
bool PutIconPixelsOnClipboard(HWND owner, const FloatingPixels& pixels);
// The clipboard's CF_BITMAP as pixels, at most kMaxFloatingSide each way
// from its top-left corner; false when there is none.
bool GetIconPixelsFromClipboard(HWND owner, FloatingPixels& pixels);
