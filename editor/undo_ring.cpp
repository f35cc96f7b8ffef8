// The undo ring: pushing with the merge of typed runs, and the history bounds.
#include "editor/editing.h"

namespace {

// Swapping with empty strings really releases the memory (a move-assignment may keep it).
void Clear(UndoEntry& e) {
  e.kind = 0;
  std::string().swap(e.inserted);
  std::string().swap(e.removed);
}

void Record(UndoRing& ring, int kind, std::string inserted, std::string removed, int newStart, int newEnd,
            int oldStart, int oldEnd) {
  for (int i = ring.index, n = 0; n < UndoRing::kSize && ring.entries[i].kind != 0; i = UndoRing::After(i), ++n)
    Clear(ring.entries[i]);

  UndoEntry& p = ring.entries[UndoRing::Before(ring.index)];
  const bool merge = kind == 1 && p.kind == 1 && p.newEnd == newStart && !inserted.empty() &&
                     !p.inserted.empty() && inserted[0] != '\r' &&
                     IsBreakChar(static_cast<unsigned char>(p.inserted[0])) ==
                         IsBreakChar(static_cast<unsigned char>(inserted[0]));
  if (merge) {
    p.inserted += inserted;
    p.newEnd += static_cast<int>(inserted.size());
    return;
  }

  UndoEntry& e = ring.entries[ring.index];
  e.kind = kind;
  e.inserted = std::move(inserted);
  e.removed = kind == 3 ? std::move(removed) : std::string();
  e.newStart = newStart;
  e.newEnd = newEnd;
  e.oldStart = oldStart;
  e.oldEnd = oldEnd;
  ring.index = UndoRing::After(ring.index);
  if (ring.entries[ring.index].kind != 0) Clear(ring.entries[ring.index]);
}

}  // namespace

bool IsBreakChar(unsigned char c) {
  switch (c) {
    case '\t': case ' ': case '"': case '(': case ')': case '*': case '+': case ',': case '-':
    case '/': case ':': case ';': case '<': case '=': case '>': case '\\': case '^':
      return true;
    default:
      return false;
  }
}

bool CanUndo(const UndoRing& ring) { return ring.entries[UndoRing::Before(ring.index)].kind != 0; }
bool CanRedo(const UndoRing& ring) { return ring.entries[ring.index].kind != 0; }

void PushUndo(DocumentSlot& slot, int kind, std::string inserted, std::string removed, int newStart, int newEnd,
              int oldStart, int oldEnd) {
  if (!slot.undo) return;
  UndoRing& ring = *slot.undo;
  const bool couldUndo = CanUndo(ring), couldRedo = CanRedo(ring);
  Record(ring, kind, std::move(inserted), std::move(removed), newStart, newEnd, oldStart, oldEnd);
  // The edit refreshed the menu states before its entry existed.
  TextDocumentView* view = slot.text ? slot.text->view : nullptr;
  if (view && (couldUndo != CanUndo(ring) || couldRedo != CanRedo(ring))) view->RefreshCommandStates();
}

int UndoStepCount(const UndoRing& ring) {
  int n = 0;
  for (int i = UndoRing::Before(ring.index); n < UndoRing::kSize && ring.entries[i].kind != 0;
       i = UndoRing::Before(i))
    ++n;
  return n;
}

int RedoStepCount(const UndoRing& ring) {
  int n = 0;
  for (int i = ring.index; n < UndoRing::kSize && ring.entries[i].kind != 0; i = UndoRing::After(i)) ++n;
  return n;
}
