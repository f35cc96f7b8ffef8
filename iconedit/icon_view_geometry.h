#pragma once
// Where things lie in the icon editor's windows: the zoomed cells of the
// view, the selection frame, the child's three panes and the colour bar's
// swatches. Pure arithmetic, shared by painting, hit tests and the tests.
#include "iconedit/icon_doc_state.h"
#include "platform/win_types.h"

constexpr int kIconZoomLeft = 100;  // the zoomed copy starts right of the actual-size preview
constexpr int kIconCellPitch = 10;  // cells are 11 x 11 and share their outline
constexpr COLORREF kIconGridColour = RGB(200, 200, 200);

// The cell under a view point. Floor division: points left of or above the
// zoomed copy give negative cells, never column or row 0.
IconPoint ViewPointToCell(int px, int py);
// The 11 x 11 square of a cell, outline included (right and bottom exclusive).
RECT CellViewRect(IconPoint cell);
// What the view copies from its bitmap for an image w cells wide: preview and
// zoomed cells; the rest of the window is white.
RECT IconViewPaintArea(int imageWidth);
// The outer box of the selection frame around cells r.
RECT SelectionFrameBox(const CellRect& r);
// Strictly inside the zoomed rectangle of the selection: a drag from here
// moves it.
bool PointInSelection(const CellRect& r, int px, int py);

// The icon child's panes for a client area of width x height.
struct IconChildLayout {
  RECT view;
  RECT sidePanel;
  RECT colourBar;
};
IconChildLayout LayOutIconChild(int width, int height);

// Colour bar, relative to its swatch control: two rows of eight 13 x 13
// swatches 15 pixels apart, and the transparent swatch at x + 135.
constexpr int kColourBarTransparent = 16;
// 0..15 for a palette swatch, kColourBarTransparent, or -1 for none.
int ColourBarSwatchAt(int x, int y);
RECT ColourBarSwatchRect(int swatch);
// The colour a click at (x, y) chooses, read from the current image's
// palette (the standard table for 256 colours); false off the swatches.
bool ColourBarPick(const IconDocState& doc, int x, int y, COLORREF& colour);
