// The provisional indentation left on an empty line by Enter: inserted without
// an undo entry, removed by caret moves, recorded once anything is edited.
#include "editor/editing.h"

namespace {

bool AllTabs(const TextDocument& doc, int start, int len) {
  if (start < 0 || start + len > doc.Length()) return false;
  for (int i = start; i < start + len; ++i)
    if (doc.At(i) != '\t') return false;
  return true;
}

// A byte position after removing [start, start + len).
int AfterRemoval(int b, int start, int len) {
  if (b <= start) return b;
  return b >= start + len ? b - len : start;
}

void Forget(EditableText& text) {
  text.pendingIndentStart = -1;
  text.pendingIndent.reset();
}

// Removes [start, start + len) without an undo entry; the selection keeps its place.
void RemoveUnrecorded(TextDocument& doc, int start, int len) {
  const int caret = AfterRemoval(doc.CaretByte(), start, len);
  const int anchor = AfterRemoval(doc.AnchorByte(), start, len);
  doc.PlaceSelection(start, start + len);
  doc.ReplaceSelection("");
  doc.PlaceSelection(caret, anchor);
}

}  // namespace

int PendingIndentStart(const EditableText& text) {
  if (!text.pendingIndent) return -1;
  const TextDocument& doc = text.doc;
  const int len = static_cast<int>(text.pendingIndent->size());
  if (text.pendingIndentStart >= 0 && AllTabs(doc, text.pendingIndentStart, len)) return text.pendingIndentStart;
  const int byCaret = doc.CaretByte() - len;
  return AllTabs(doc, byCaret, len) ? byCaret : -1;
}

void PendingIndentBegin(EditableText& text, int tabs) {
  if (tabs <= 0) return;
  TextDocument& doc = text.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  std::string indent(static_cast<size_t>(tabs), '\t');
  if (!doc.ReplaceSelection(indent)) return;
  text.pendingIndent = std::move(indent);
  text.pendingIndentStart = s;
}

void PendingIndentCommit(EditableText& text) {
  if (!text.pendingIndent) return;
  const int start = PendingIndentStart(text);
  if (start >= 0) {
    const int len = static_cast<int>(text.pendingIndent->size());
    PushUndo(text, UndoKind::kTyped, *text.pendingIndent, std::string(), start, start + len, start, start);
  }
  Forget(text);
}

void PendingIndentCancel(EditableText& text) {
  if (!text.pendingIndent) return;
  const int start = PendingIndentStart(text);
  const int len = static_cast<int>(text.pendingIndent->size());
  Forget(text);
  if (start >= 0) RemoveUnrecorded(text.doc, start, len);
}

void PendingIndentShorten(EditableText& text) {
  if (!text.pendingIndent) return;
  if (text.pendingIndent->size() <= 1) {
    PendingIndentCancel(text);
    return;
  }
  const int start = PendingIndentStart(text);
  if (start < 0) {
    Forget(text);
    return;
  }
  text.pendingIndent->pop_back();
  RemoveUnrecorded(text.doc, start + static_cast<int>(text.pendingIndent->size()), 1);
  text.pendingIndentStart = start;
}
