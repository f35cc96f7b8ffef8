#pragma once
// The cells of the drawing tools' shapes, and painting them into an image.
// Shapes are plain cell lists so the view can show them as a preview before
// anything is written; cells outside the image are kept and ignored on paint.
#include <vector>

#include "iconedit/icon_image.h"

struct IconPoint {
  int x = 0;
  int y = 0;
};
inline bool operator==(IconPoint a, IconPoint b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(IconPoint a, IconPoint b) { return !(a == b); }

// Cells left..right, top..bottom, both ends included.
struct CellRect {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
};
inline bool operator==(const CellRect& a, const CellRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool IsEmptyRect(const CellRect& r) { return r.right < r.left || r.bottom < r.top; }
CellRect NormalisedRect(IconPoint a, IconPoint b);
// The part of r inside a width x height image; empty when none.
CellRect ClipRect(const CellRect& r, int width, int height);

// Stepping along the longer axis from the endpoint with the smaller
// coordinate there, moving across when the error falls below zero.
std::vector<IconPoint> LineCells(IconPoint a, IconPoint b);
// Left and right columns whole, top and bottom rows between them.
std::vector<IconPoint> RectangleOutlineCells(const CellRect& r);
// Every cell strictly inside the outline that also lies in a width x height
// image (a drag far outside must not make millions of cells).
std::vector<IconPoint> RectangleInsideCells(const CellRect& r, int width, int height);
// The ellipse inscribed in r: one octant of a circle on the longer half-axis,
// scaled on the shorter one and mirrored around the (one or two) centre
// rows and columns.
std::vector<IconPoint> EllipseCells(const CellRect& r);

// Drops the cells outside a width x height image.
void KeepCellsInside(std::vector<IconPoint>& cells, int width, int height);

void PaintIconCells(IconImage& image, const std::vector<IconPoint>& cells, int index);
// Fills the four-connected area of the start pixel's colour (transparent
// pixels compare as TransparentMarker) with index. False, with nothing
// changed, when the start lies outside or index shows that colour already.
bool FloodFillIcon(IconImage& image, IconPoint start, int index);
