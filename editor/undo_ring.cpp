// The undo ring: pushing with the merge of typed runs, and the history bounds.
#include <algorithm>

#include "editor/editing.h"

namespace {

// Swapping with empty strings really releases the memory (a move-assignment may keep it).
void Clear(UndoEntry& e) {
  e.kind = UndoKind::kEmpty;
  std::string().swap(e.inserted);
  std::string().swap(e.removed);
  std::vector<UndoEntry>().swap(e.steps);
}

void Record(UndoRing& ring, UndoKind kind, std::string inserted, std::string removed, int newStart, int newEnd,
            int oldStart, int oldEnd, std::vector<UndoEntry> steps = {}) {
  if (ring.grouping) {
    UndoEntry& step = ring.groupSteps.emplace_back();
    step.kind = kind;
    step.inserted = std::move(inserted);
    step.removed = std::move(removed);
    step.newStart = newStart;
    step.newEnd = newEnd;
    step.oldStart = oldStart;
    step.oldEnd = oldEnd;
    return;
  }
  for (int i = ring.index, n = 0; n < UndoRing::kSize && ring.entries[i].kind != UndoKind::kEmpty;
       i = UndoRing::After(i), ++n)
    Clear(ring.entries[i]);

  UndoEntry& p = ring.entries[UndoRing::Before(ring.index)];
  const bool merge = kind == UndoKind::kTyped && p.kind == UndoKind::kTyped && p.newEnd == newStart && !inserted.empty() &&
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
  e.removed = kind == UndoKind::kReplace ? std::move(removed) : std::string();
  e.newStart = newStart;
  e.newEnd = newEnd;
  e.oldStart = oldStart;
  e.oldEnd = oldEnd;
  e.steps = std::move(steps);
  ring.index = UndoRing::After(ring.index);
  if (ring.entries[ring.index].kind != UndoKind::kEmpty) Clear(ring.entries[ring.index]);
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

bool CanUndo(const UndoRing& ring) { return ring.entries[UndoRing::Before(ring.index)].kind != UndoKind::kEmpty; }
bool CanRedo(const UndoRing& ring) { return ring.entries[ring.index].kind != UndoKind::kEmpty; }

void PrepareUndoPush(UndoRing& ring, size_t insertedLength) {
  if (ring.grouping) {
    std::vector<UndoEntry>& steps = ring.groupSteps;
    if (steps.size() == steps.capacity()) steps.reserve(std::max<size_t>(16, steps.size() * 2));
    return;
  }
  UndoEntry& p = ring.entries[UndoRing::Before(ring.index)];
  if (p.kind == UndoKind::kTyped && p.inserted.capacity() - p.inserted.size() < insertedLength)
    p.inserted.reserve(std::max(p.inserted.size() * 2, p.inserted.size() + insertedLength));
}

void PushUndo(EditableText& text, UndoKind kind, std::string inserted, std::string removed, int newStart,
              int newEnd, int oldStart, int oldEnd) {
  Record(text.undo, kind, std::move(inserted), std::move(removed), newStart, newEnd, oldStart, oldEnd);
}

void BeginUndoGroup(UndoRing& ring) {
  ring.grouping = true;
  ring.groupSteps.clear();
}

void EndUndoGroup(UndoRing& ring) {
  if (!ring.grouping) return;
  ring.grouping = false;
  std::vector<UndoEntry> steps;
  steps.swap(ring.groupSteps);
  if (steps.empty()) return;
  if (steps.size() == 1) {
    UndoEntry& e = steps[0];
    Record(ring, e.kind, std::move(e.inserted), std::move(e.removed), e.newStart, e.newEnd, e.oldStart, e.oldEnd);
    return;
  }
  const UndoEntry& first = steps.front();
  const UndoEntry& last = steps.back();
  const int newStart = first.newStart, oldStart = first.oldStart, newEnd = last.newEnd, oldEnd = last.oldEnd;
  Record(ring, UndoKind::kGroup, std::string(), std::string(), newStart, newEnd, oldStart, oldEnd,
         std::move(steps));
}

int UndoStepCount(const UndoRing& ring) {
  int n = 0;
  for (int i = UndoRing::Before(ring.index); n < UndoRing::kSize && ring.entries[i].kind != UndoKind::kEmpty;
       i = UndoRing::Before(i))
    ++n;
  return n;
}

int RedoStepCount(const UndoRing& ring) {
  int n = 0;
  for (int i = ring.index; n < UndoRing::kSize && ring.entries[i].kind != UndoKind::kEmpty; i = UndoRing::After(i))
    ++n;
  return n;
}
