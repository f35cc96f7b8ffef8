#pragma once
#include <string>

#include "platform/win_types.h"

// Puts text on the clipboard as CF_TEXT (NUL-terminated); false when the clipboard is busy.
bool PutTextOnClipboard(const std::string& text);
// CF_TEXT of the clipboard up to its first NUL; false when there is none.
bool GetClipboardText(std::string& text);
// The text to paste: the clipboard's Unicode text converted by our converter,
// or CF_TEXT when there is no Unicode text, no converter, or the text is a
// Quillet copy. lossNotice tells what could not be kept (empty when nothing).
bool GetClipboardTextForPaste(std::string& text, std::string& lossNotice);
bool ClipboardHasText();
// A block of bytes in a registered format, and the whole block of one back
// (the clipboard may round its size up); false when busy or absent.
bool PutBytesOnClipboard(UINT format, const std::string& bytes);
bool GetClipboardBytes(UINT format, std::string& bytes);
