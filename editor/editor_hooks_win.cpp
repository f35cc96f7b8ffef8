// Provisional editor attachment: the document window shows an empty editor
// until the editor window and its rendering are built.
#include "editor/editor_hooks.h"

#include "shell/app.h"

TextLayout CurrentTextLayout() {
  TextLayout layout;
  const EditorSettings& s = g_app.settings;
  layout.tabSize = s.TabSize > 0 ? s.TabSize : 4;
  layout.rightTurn = s.IsRightTurn != 0;
  layout.maxOneLineTextLength = s.MaxOneLineTextLength;
  layout.showLineNumber = s.IsShowLineNumber != 0;
  return layout;
}

void AttachEditor(int) {}
void DetachEditor(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (s.text && s.text->editor) DestroyWindow(s.text->editor);
}
HWND EditorRulerWindow(const TextDocument&) { return nullptr; }
HWND EditorResultStripWindow(const TextDocument&) { return nullptr; }
void RelayoutAllTextDocuments() {}
void RebuildEditorFonts(HWND) {}
void DeleteEditorFonts() {}

LRESULT CALLBACK TextEditorWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
LRESULT CALLBACK RulerWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
