#pragma once
// Whole-image snapshots of one image, 32 slots in a ring. One slot always
// stays empty, so at most 31 steps can be undone; an empty slot where a step
// is looked for means there is none (the caller beeps).
#include <array>
#include <optional>

#include "iconedit/icon_image.h"

constexpr int kIconUndoSlots = 32;

struct IconUndoRing {
  int position = 0;
  std::array<std::optional<IconImage>, kIconUndoSlots> slots;
};

// Before a change of `current`: drops the redo tail, stores a copy, advances
// and frees the slot now at the position.
void PushIconUndo(IconUndoRing& ring, const IconImage& current);
// Swap `current` with the snapshot before / at the position; false (nothing
// changed) when that slot is empty.
bool UndoIconImage(IconUndoRing& ring, IconImage& current);
bool RedoIconImage(IconUndoRing& ring, IconImage& current);
bool CanUndoIconImage(const IconUndoRing& ring);
bool CanRedoIconImage(const IconUndoRing& ring);
