// The controls' clipboard block on the Windows clipboard.
#include "project/control_clipboard_win.h"

#include "project/control_clipboard.h"
#include "shell/app_win.h"
#include "shell/clipboard_win.h"

bool CopyControlsToClipboard(const WindowDef& window, const std::vector<int>& selection, bool forCut) {
  const int32_t dx = forCut ? -17 : 0, dy = forCut ? -10 : 0;
  return PutBytesOnClipboard(g_app.RadClipboardFormat, BuildControlClipboard(window, selection, dx, dy));
}

std::vector<int> PasteControlsFromClipboard(WindowDef& window) {
  std::string block;
  if (!GetClipboardBytes(g_app.RadClipboardFormat, block)) return std::vector<int>();
  return PasteControls(window, block);
}

bool ClipboardHasControls() {
  return g_app.RadClipboardFormat && IsClipboardFormatAvailable(g_app.RadClipboardFormat);
}
