#include "iconedit/icon_undo_ring.h"

#include <utility>

namespace {

int Next(int i) { return (i + 1) % kIconUndoSlots; }
int Previous(int i) { return (i + kIconUndoSlots - 1) % kIconUndoSlots; }

}  // namespace

void PushIconUndo(IconUndoRing& ring, const IconImage& current) {
  // The redo tail ends at the one empty slot.
  for (int i = ring.position, n = 0; n < kIconUndoSlots && ring.slots[static_cast<size_t>(i)]; i = Next(i), ++n)
    ring.slots[static_cast<size_t>(i)].reset();
  ring.slots[static_cast<size_t>(ring.position)] = current;
  ring.position = Next(ring.position);
  ring.slots[static_cast<size_t>(ring.position)].reset();
}

bool UndoIconImage(IconUndoRing& ring, IconImage& current) {
  const int at = Previous(ring.position);
  std::optional<IconImage>& slot = ring.slots[static_cast<size_t>(at)];
  if (!slot) return false;
  std::swap(*slot, current);
  ring.position = at;
  return true;
}

bool RedoIconImage(IconUndoRing& ring, IconImage& current) {
  std::optional<IconImage>& slot = ring.slots[static_cast<size_t>(ring.position)];
  if (!slot) return false;
  std::swap(*slot, current);
  ring.position = Next(ring.position);
  return true;
}

bool CanUndoIconImage(const IconUndoRing& ring) {
  return ring.slots[static_cast<size_t>(Previous(ring.position))].has_value();
}

bool CanRedoIconImage(const IconUndoRing& ring) { return ring.slots[static_cast<size_t>(ring.position)].has_value(); }
