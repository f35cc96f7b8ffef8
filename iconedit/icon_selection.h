#pragma once
// The rectangular selection of an icon document: marked over the image,
// lifted into floating pixels, moved, dropped back; copy, cut and paste.
// Pixels are always read from the image, never from what the screen shows.
#include "iconedit/icon_doc_state.h"

// A pasted picture is kept up to this many cells each way.
constexpr int kMaxFloatingSide = 256;

bool IconHasSelection(const IconDocState& doc);
// No selection afterwards; floating pixels are lost (the area they were lifted
// from keeps the secondary colour).
void ClearIconSelection(IconDocState& doc);
// Esc: only a floating selection goes.
void DiscardFloatingSelection(IconDocState& doc);

// The band of a select drag from start to end cell, normalised and limited to
// the current image; empty when it lies wholly outside.
CellRect SelectionBand(const IconDocState& doc, IconPoint start, IconPoint end);
// End of a select drag: a band that reached past its start cell becomes the
// marked selection; otherwise there is none.
void MarkIconSelection(IconDocState& doc, IconPoint start, IconPoint end);

// Marked -> floating: the pixels go into `floating` and their area is painted
// in the secondary colour, one undo step.
void LiftIconSelection(IconDocState& doc);
// A floating selection moves by whole cells, also past the image's edges.
void MoveIconSelection(IconDocState& doc, int dx, int dy);
// Writes the floating pixels that lie inside the image (TransparentMarker as
// transparent, other colours as their palette index) as one undo step, and
// ends the selection.
void DropIconSelection(IconDocState& doc);

// The selected pixels: the image's under a marked selection, the floating
// ones of a floating selection; empty without a selection. Changes nothing.
FloatingPixels CopyIconSelection(const IconDocState& doc);
// Copy, then the selection goes: a marked area is painted in the secondary
// colour (one undo step); floating pixels are simply taken away.
FloatingPixels CutIconSelection(IconDocState& doc);
// A floating selection is dropped first; the pixels (cut to kMaxFloatingSide)
// float at the top-left corner and the select tool is chosen to move them.
void PasteIconPixels(IconDocState& doc, FloatingPixels pixels);
