// Attaching the editor to a text document's slot and releasing it again, and
// the settings changes that reshape every open text document.
#include "editor/editor_hooks.h"

#include "editor/colorize.h"
#include "editor/editor_view_win.h"
#include "shell/app.h"

TextLayout CurrentTextLayout() {
  TextLayout layout;
  const EditorSettings& s = g_app.settings;
  layout.tabSize = s.TabSize > 0 ? s.TabSize : 4;
  layout.rightTurn = s.IsRightTurn != 0;
  layout.maxOneLineTextLength = s.MaxOneLineTextLength;
  layout.showLineNumber = s.IsShowLineNumber != 0;
  layout.codeBoldCharWidth = g_app.editorFonts.codeBoldCharWidth;
  return layout;
}

void AttachEditor(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.text) return;
  TextDocument& doc = *s.text;
  auto* view = new EditorView(doc.editor, slot);
  doc.view = view;
  doc.recolor = RecolorLines;
  doc.SetLayout(CurrentTextLayout());  // also the gutter
  view->ruler = CreateRuler(s.window, slot);
  ColorizeDocument(doc);
  RefreshScrollRanges(doc);
}

void DetachEditor(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.text) return;
  TextDocument& doc = *s.text;
  EditorView* view = ViewOf(doc);
  if (view) JoinAutoScroll(doc);
  if (doc.editor) DestroyWindow(doc.editor);
  doc.editor = nullptr;
  if (view) DestroyRuler(view->ruler);
  doc.view = nullptr;
  doc.recolor = nullptr;
  delete view;
}

HWND EditorRulerWindow(const TextDocument& doc) {
  const EditorView* view = ViewOf(doc);
  return view ? RulerWindow(view->ruler) : nullptr;
}

// Result strips are not built.
HWND EditorResultStripWindow(const TextDocument&) { return nullptr; }

void RelayoutAllTextDocuments() {
  const TextLayout layout = CurrentTextLayout();
  for (DocumentSlot& s : g_app.docs.slots) {
    if (!s.InUse() || !s.text) continue;
    TextDocument& doc = *s.text;
    EditorView* view = ViewOf(doc);
    if (!view) continue;
    doc.SetLayout(layout);
    view->caches.Reset();
    if (view->hasCaret) {
      // The caret's height follows the font.
      DestroyCaret();
      CreateCaret(view->hwnd, nullptr, 1, g_app.editorFonts.cy);
      view->caretHiddenLeft = false;
      ShowCaret(view->hwnd);
    }
    RefreshScrollRanges(doc);
    view->EnsureCaretVisible(false, false);
    view->UpdateCaret(false);
    view->Repaint();
    RepaintRuler(doc);
  }
}
