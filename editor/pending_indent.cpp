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

void Forget(DocumentSlot& slot) {
  slot.pendingIndentStart = -1;
  slot.pendingIndent.reset();
}

// Removes [start, start + len) without an undo entry; the selection keeps its place.
void RemoveUnrecorded(TextDocument& doc, int start, int len) {
  const int caret = AfterRemoval(doc.CaretByte(), start, len);
  const int anchor = AfterRemoval(doc.AnchorByte(), start, len);
  doc.PlaceSelection(start, start + len);
  doc.ReplaceSelection("", false);
  doc.SetSelection(caret, anchor, false);
}

}  // namespace

int PendingIndentStart(const DocumentSlot& slot) {
  if (!slot.pendingIndent || !slot.text) return -1;
  const TextDocument& doc = *slot.text;
  const int len = static_cast<int>(slot.pendingIndent->size());
  if (slot.pendingIndentStart >= 0 && AllTabs(doc, slot.pendingIndentStart, len)) return slot.pendingIndentStart;
  const int byCaret = doc.CaretByte() - len;
  return AllTabs(doc, byCaret, len) ? byCaret : -1;
}

void PendingIndentBegin(DocumentSlot& slot, int tabs) {
  if (!slot.text || tabs <= 0) return;
  TextDocument& doc = *slot.text;
  int s, e;
  doc.SelectionBytes(s, e);
  const std::string indent(static_cast<size_t>(tabs), '\t');
  const uint64_t before = doc.Version();
  doc.ReplaceSelection(indent, true);
  if (doc.Version() == before) return;
  slot.pendingIndent = std::make_unique<std::string>(indent);
  slot.pendingIndentStart = s;
}

void PendingIndentCommit(DocumentSlot& slot) {
  if (!slot.pendingIndent) return;
  const int start = PendingIndentStart(slot);
  if (start >= 0) {
    const int len = static_cast<int>(slot.pendingIndent->size());
    PushUndo(slot, 1, *slot.pendingIndent, std::string(), start, start + len, start, start);
  }
  Forget(slot);
}

void PendingIndentCancel(DocumentSlot& slot) {
  if (!slot.pendingIndent) return;
  const int start = PendingIndentStart(slot);
  const int len = static_cast<int>(slot.pendingIndent->size());
  Forget(slot);
  if (start >= 0) RemoveUnrecorded(*slot.text, start, len);
}

void PendingIndentShorten(DocumentSlot& slot) {
  if (!slot.pendingIndent) return;
  if (slot.pendingIndent->size() <= 1) {
    PendingIndentCancel(slot);
    return;
  }
  const int start = PendingIndentStart(slot);
  if (start < 0) {
    Forget(slot);
    return;
  }
  slot.pendingIndent->pop_back();
  RemoveUnrecorded(*slot.text, start + static_cast<int>(slot.pendingIndent->size()), 1);
  slot.pendingIndentStart = start;
}
