// Drawing of the icon view's parts with the DC's own pen and brush colours.
#include "iconedit/icon_view_paint_win.h"

#include <windows.h>

#include "iconedit/icon_view_geometry.h"
#include "platform/handles_win.h"

namespace {

constexpr COLORREF kHandlePen = RGB(255, 60, 30);
constexpr int kHandleSide = 5;

void Hollow(HDC dc, const RECT& r, COLORREF pen) {
  SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
  SelectGuard dcPen(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, pen);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void Handle(HDC dc, int cx, int cy) {
  SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
  SelectGuard pen(dc, GetStockObject(DC_PEN));
  SetDCPenColor(dc, kHandlePen);
  const int half = kHandleSide / 2;
  Rectangle(dc, cx - half, cy - half, cx - half + kHandleSide, cy - half + kHandleSide);
}

bool InsideImage(IconPoint p, int width, int height) { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }

void DrawCells(HDC dc, const std::vector<IconPoint>& cells, COLORREF colour) {
  for (const IconPoint& p : cells) {
    DrawZoomedCell(dc, p, colour);
    SetPixelV(dc, p.x, p.y, colour);
  }
}

}  // namespace

void DrawZoomedCell(HDC dc, IconPoint cell, COLORREF colour) {
  const RECT r = CellViewRect(cell);
  SelectGuard pen(dc, GetStockObject(DC_PEN));
  SelectGuard brush(dc, GetStockObject(DC_BRUSH));
  SetDCPenColor(dc, kIconGridColour);
  SetDCBrushColor(dc, colour);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void DrawIconImage(HDC dc, const IconImage& image) {
  const int width = IconWidth(image), height = IconHeight(image);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = IconPixelGet(image, x, y);
      SetPixelV(dc, x, y, colour);
      DrawZoomedCell(dc, IconPoint{x, y}, colour);
    }
  }
}

void DrawFloatingPixels(HDC dc, const IconDocState& doc) {
  const FloatingPixels& f = doc.floating;
  const IconImage& image = CurrentIconImage(doc);
  const int width = IconWidth(image), height = IconHeight(image);
  for (int y = 0; y < f.height; ++y) {
    for (int x = 0; x < f.width; ++x) {
      const IconPoint cell{doc.selection.left + x, doc.selection.top + y};
      if (cell.x < 0 || cell.y < 0) continue;
      const COLORREF colour = f.At(x, y);
      DrawZoomedCell(dc, cell, colour);
      if (InsideImage(cell, width, height)) SetPixelV(dc, cell.x, cell.y, colour);
    }
  }
}

void DrawSelectionFrame(HDC dc, const CellRect& cells) {
  const RECT box = SelectionFrameBox(cells);
  Hollow(dc, RECT{box.left + 2, box.top + 2, box.right - 2, box.bottom - 2}, RGB(0, 0, 0));
  Hollow(dc, RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, RGB(255, 255, 255));
  const int left = box.left + 1, top = box.top + 1, right = box.right - 2, bottom = box.bottom - 2;
  const int midX = (left + right) / 2, midY = (top + bottom) / 2;
  for (int x : {left, midX, right}) {
    Handle(dc, x, top);
    Handle(dc, x, bottom);
  }
  Handle(dc, left, midY);
  Handle(dc, right, midY);
}

void DrawSelectionBand(HDC dc, const CellRect& cells) {
  const RECT box = SelectionFrameBox(cells);
  GdiObject<HPEN> dotted(CreatePen(PS_DOT, 1, RGB(0, 0, 0)));
  SelectGuard pen(dc, dotted.get());
  SelectGuard brush(dc, GetStockObject(NULL_BRUSH));
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, RGB(255, 255, 255));
  Rectangle(dc, box.left, box.top, box.right, box.bottom);
}

void DrawDragPreview(HDC dc, const IconDragPreview& preview) {
  DrawCells(dc, preview.inside, preview.insideColour);
  DrawCells(dc, preview.outline, preview.outlineColour);
}
