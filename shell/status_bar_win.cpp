// The status bar: help text, size or position, caret, character set and newline code.
#include <windows.h>
#include <commctrl.h>

#include "files/charset_names.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/status_text.h"

namespace {

void SetPane(int pane, const std::string& text) {
  HWND bar = FrameStatusBar();
  if (bar) SendMessageA(bar, SB_SETTEXTA, pane, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void RefreshStatusBar(const char* helpText) {
  if (helpText) SetPane(0, helpText);
  const int slot = ActiveSlot();
  if (slot < 0) {
    // Nothing open: no size, caret or codes of a document that is gone.
    for (int pane = 1; pane <= 4; ++pane) SetPane(pane, "");
    return;
  }
  const DocumentSlot& s = g_app.docs.slots[slot];
  if (const EditableText* text = s.Text()) {
    const TextDocument& doc = text->doc;
    SetPane(1, FormatDocumentSize(doc.Length()));
    SetPane(2, FormatCaretPosition(doc.caretRow + 1, doc.caretCol + 1));
    SetPane(3, CharsetName(doc.charset));
    SetPane(4, NewlineName(doc.newline));
  } else if (s.kind == DocumentKind::kMenuDesign || s.kind == DocumentKind::kIcon) {
    SetPane(1, "");
    SetPane(2, "");
  }
}
