#pragma once
// Drawing of the icon view: the image as actual-size preview and zoomed
// cells, floating pixels, the selection frame and what a drag shows before
// anything is written.
#include "iconedit/icon_tools.h"
#include "platform/win_types.h"

// Every pixel of the image: at actual size from (0, 0) and as zoomed cells.
void DrawIconImage(HDC dc, const IconImage& image);
// One zoomed cell: an 11 x 11 square outlined in the grid colour.
void DrawZoomedCell(HDC dc, IconPoint cell, COLORREF colour);
// The pixels of a floating selection at their place (cells left of or above
// the image are left out: they would cover the preview).
void DrawFloatingPixels(HDC dc, const IconDocState& doc);
// The frame of a marked or floating selection, with its eight handles.
void DrawSelectionFrame(HDC dc, const CellRect& cells);
// The dotted band of a select drag.
void DrawSelectionBand(HDC dc, const CellRect& cells);
// A shape drag's cells, zoomed and at actual size.
void DrawDragPreview(HDC dc, const IconDragPreview& preview);
