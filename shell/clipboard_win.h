#pragma once
#include <string>

#include "platform/win_types.h"

// Puts text on the clipboard as CF_TEXT (NUL-terminated); false when the clipboard is busy.
bool PutTextOnClipboard(const std::string& text);
// CF_TEXT of the clipboard up to its first NUL; false when there is none.
bool GetClipboardText(std::string& text);
bool ClipboardHasText();
// A block of bytes in a registered format, and the whole block of one back
// (the clipboard may round its size up); false when busy or absent.
bool PutBytesOnClipboard(UINT format, const std::string& bytes);
bool GetClipboardBytes(UINT format, std::string& bytes);
