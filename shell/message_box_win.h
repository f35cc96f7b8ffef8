#pragma once
// Every message box of the program goes through QuilletMessageBox, so tests
// can answer them without a modal window.
#include "platform/win_types.h"

using MessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, unsigned type);

// MessageBoxA unless a hook is set; returns the button pressed (IDOK, IDYES, ...).
int QuilletMessageBox(HWND owner, const char* text, const char* caption, unsigned type);

// Installs a replacement (nullptr restores MessageBoxA); returns the previous hook.
MessageBoxHook SetQuilletMessageBoxHook(MessageBoxHook hook);
