#include "iconedit/icon_view_geometry.h"

namespace {

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

constexpr int kSidePanelWidth = 170;
constexpr int kColourBarHeight = 50;
constexpr int kSwatchPitch = 15;
constexpr int kSwatchSide = 13;
constexpr int kTransparentSwatchX = 135;

}  // namespace

IconPoint ViewPointToCell(int px, int py) {
  return IconPoint{FloorDiv(px - kIconZoomLeft, kIconCellPitch), FloorDiv(py, kIconCellPitch)};
}

RECT CellViewRect(IconPoint cell) {
  const int left = kIconZoomLeft + kIconCellPitch * cell.x, top = kIconCellPitch * cell.y;
  return RECT{left, top, left + kIconCellPitch + 1, top + kIconCellPitch + 1};
}

RECT IconViewPaintArea(int imageWidth) {
  return RECT{0, 0, kIconCellPitch * imageWidth + kIconZoomLeft + 1, kIconCellPitch * imageWidth + 1};
}

RECT SelectionFrameBox(const CellRect& r) {
  return RECT{kIconZoomLeft + kIconCellPitch * r.left, kIconCellPitch * r.top,
              kIconZoomLeft + 11 + kIconCellPitch * r.right, 11 + kIconCellPitch * r.bottom};
}

bool PointInSelection(const CellRect& r, int px, int py) {
  return px > kIconZoomLeft + kIconCellPitch * r.left && px < kIconZoomLeft + kIconCellPitch * (r.right + 1) &&
         py > kIconCellPitch * r.top && py < kIconCellPitch * (r.bottom + 1);
}

IconChildLayout LayOutIconChild(int width, int height) {
  const int left = width - kSidePanelWidth, viewHeight = height - kColourBarHeight;
  return IconChildLayout{RECT{0, 0, left, viewHeight}, RECT{left, 0, width, height},
                         RECT{0, viewHeight, left, height}};
}

int ColourBarSwatchAt(int x, int y) {
  if (x >= kTransparentSwatchX + 1 && x <= kTransparentSwatchX + 12 && y >= 1 && y <= 12) return kColourBarTransparent;
  if (x < 0 || y < 0) return -1;
  const int column = x / kSwatchPitch, row = y / kSwatchPitch, dx = x % kSwatchPitch, dy = y % kSwatchPitch;
  if (column >= 8 || row >= 2 || dx < 1 || dx > 11 || dy < 1 || dy > 11) return -1;
  return row * 8 + column;
}

RECT ColourBarSwatchRect(int swatch) {
  if (swatch == kColourBarTransparent) return RECT{kTransparentSwatchX, 0, kTransparentSwatchX + kSwatchSide, kSwatchSide};
  const int left = kSwatchPitch * (swatch % 8), top = kSwatchPitch * (swatch / 8);
  return RECT{left, top, left + kSwatchSide, top + kSwatchSide};
}

bool ColourBarPick(const IconDocState& doc, int x, int y, COLORREF& colour) {
  const int swatch = ColourBarSwatchAt(x, y);
  if (swatch < 0) return false;
  colour = swatch == kColourBarTransparent ? TransparentMarker
                                           : IconSwatchColours(CurrentIconImage(doc))[static_cast<size_t>(swatch)];
  return true;
}
