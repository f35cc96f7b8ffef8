// Typed characters from the editor window: the completion list and assistance
// around the document-side typing, and the caret hidden while Enter indents.
#include "assist/assist_hooks.h"
#include "editor/editing.h"
#include "platform/sjis.h"
#include "platform/win_types.h"
#include "shell/app.h"

namespace {


void TypeEnterWithCaret(DocumentSlot& slot) {
  TextDocument& doc = *slot.text;
  if (!g_app.settings.IsAutoIndent) {
    TypeEnter(slot, false);
    return;
  }
  HWND editor = doc.editor;
  const bool hidden = editor && HideCaret(editor);
  g_app.editorCaretSuppressed = true;
  const EnterOutcome outcome = TypeEnter(slot, true);
  g_app.editorCaretSuppressed = false;
  if (hidden) ShowCaret(editor);
  if (outcome == EnterOutcome::kNewlineOnly && doc.view) doc.view->UpdateCaret(true);
}

}  // namespace

bool EditorCaretSuppressed() { return g_app.editorCaretSuppressed; }

void TypeCharacter(DocumentSlot& slot, unsigned char c, bool shift) {
  if (!slot.text) return;
  if (c == '\r') {
    if (CompletionListOpen()) {
      if (CompletionListTakeEnter(slot)) return;
      CloseCompletionList();
    }
    TypeEnterWithCaret(slot);
    return;
  }
  if (c == '\t' && SelectionSpansLines(*slot.text)) {
    BlockIndent(slot, shift);
    return;
  }
  if (c != '\t' && (c < 0x20 || c == 0x7F)) {
    DropHeldLead(slot);
    return;
  }
  const unsigned char held = HeldLeadByte(slot);
  if (!held && IsSjisLead(c)) {
    TypeByte(slot, c);
    return;
  }
  // The assistance sees a double-byte character once, as its first byte: its
  // second byte may look like an ASCII letter or sign.
  const unsigned char seen = held && c >= 0x40 ? held : c;
  const bool listOpen = CompletionListOpen();
  const bool closes = listOpen && CompletionListCharCloses(seen);
  const TypedBytes typed = TypeByte(slot, c);
  if (listOpen && !closes) CompletionListTyped(typed == TypedBytes::kCharacter ? 2 : 1);
  AssistAfterTyped(slot, seen);
}
