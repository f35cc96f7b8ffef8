#include "shell/clipboard_win.h"

#include <cstring>

#include "shell/app_win.h"

bool PutTextOnClipboard(const std::string& text) {
  if (!OpenClipboard(g_app.frame)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool ok = false;
  if (block) {
    if (void* p = GlobalLock(block)) {
      std::memcpy(p, text.c_str(), text.size() + 1);
      GlobalUnlock(block);
      ok = SetClipboardData(CF_TEXT, block) != nullptr;
    }
    if (!ok) GlobalFree(block);
  }
  CloseClipboard();
  return ok;
}

bool GetClipboardText(std::string& text) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(g_app.frame)) return false;
  bool ok = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      // The block may be larger than its text; never read past its size.
      SIZE_T size = GlobalSize(data);
      text.assign(p, strnlen(p, size));
      GlobalUnlock(data);
      ok = true;
    }
  }
  CloseClipboard();
  return ok;
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != 0; }
