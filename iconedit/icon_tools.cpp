#include "iconedit/icon_tools.h"

#include <algorithm>

#include "iconedit/icon_selection.h"
#include "iconedit/icon_view_geometry.h"

namespace {

COLORREF ButtonColour(const IconDocState& doc, IconButton button) {
  return button == IconButton::kLeft ? doc.primaryColour : doc.secondaryColour;
}
COLORREF OtherColour(const IconDocState& doc, IconButton button) {
  return button == IconButton::kLeft ? doc.secondaryColour : doc.primaryColour;
}

bool IsShapeTool(IconTool tool) {
  return tool == IconTool::kLine || tool == IconTool::kRectangle || tool == IconTool::kEllipse ||
         tool == IconTool::kBorderedRectangle || tool == IconTool::kFilledRectangle;
}

void SelectDown(IconDocState& doc, IconDrag& drag, int px, int py) {
  if (IconHasSelection(doc) && PointInSelection(doc.selection, px, py)) {
    LiftIconSelection(doc);
    drag.movingSelection = true;
    return;
  }
  if (doc.selectionState == IconSelectionState::kFloatingSelection) DropIconSelection(doc);
  ClearIconSelection(doc);
  drag.movingSelection = false;
}

void FillDown(IconDocState& doc, IconPoint cell, COLORREF colour) {
  IconImage& image = CurrentIconImage(doc);
  const int index = IconColourToIndex(image, colour);
  if (cell.x < 0 || cell.y < 0 || cell.x >= IconWidth(image) || cell.y >= IconHeight(image)) return;
  if (IconPixelGet(image, cell.x, cell.y) == IconIndexColour(image, index)) return;
  PushIconDocUndo(doc);
  FloodFillIcon(CurrentIconImage(doc), cell, index);
}

IconShape ShapeOnImage(const IconDocState& doc, IconPoint start, IconPoint end) {
  const IconImage& image = CurrentIconImage(doc);
  return IconShapeOf(doc.tool, start, end, IconWidth(image), IconHeight(image));
}

// Mouse messages carry 16-bit coordinates; nothing further out is real.
IconPoint CellAt(int px, int py) {
  return ViewPointToCell(std::clamp(px, -32768, 32767), std::clamp(py, -32768, 32767));
}

void CommitShape(IconDocState& doc, const IconDrag& drag, IconPoint end) {
  const IconShape shape = ShapeOnImage(doc, drag.start, end);
  PushIconDocUndo(doc);
  IconImage& image = CurrentIconImage(doc);
  const int index = IconColourToIndex(image, ButtonColour(doc, drag.button));
  PaintIconCells(image, shape.outline, index);
  if (!shape.inside.empty()) {
    const int inside = shape.insideInOtherColour ? IconColourToIndex(image, OtherColour(doc, drag.button)) : index;
    PaintIconCells(image, shape.inside, inside);
  }
}

}  // namespace

IconShape IconShapeOf(IconTool tool, IconPoint start, IconPoint end, int width, int height) {
  IconShape shape;
  const CellRect r = NormalisedRect(start, end);
  switch (tool) {
    case IconTool::kLine: shape.outline = LineCells(start, end); break;
    case IconTool::kRectangle: shape.outline = RectangleOutlineCells(r); break;
    case IconTool::kEllipse: shape.outline = EllipseCells(r); break;
    case IconTool::kBorderedRectangle:
    case IconTool::kFilledRectangle:
      shape.outline = RectangleOutlineCells(r);
      shape.inside = RectangleInsideCells(r, width, height);
      shape.insideInOtherColour = tool == IconTool::kBorderedRectangle;
      break;
    default: break;
  }
  KeepCellsInside(shape.outline, width, height);
  return shape;
}

bool IconButtonDown(IconDocState& doc, IconDrag& drag, IconButton button, int px, int py) {
  if (drag.button != IconButton::kNone || button == IconButton::kNone) return false;
  if (doc.tool == IconTool::kSelect && button != IconButton::kLeft) return false;
  const IconPoint cell = CellAt(px, py);
  drag = IconDrag{button, cell, cell, false};
  const COLORREF colour = ButtonColour(doc, button);
  switch (doc.tool) {
    case IconTool::kSelect: SelectDown(doc, drag, px, py); break;
    case IconTool::kPen: {
      PushIconDocUndo(doc);
      IconImage& image = CurrentIconImage(doc);
      IconPixelSet(image, cell.x, cell.y, IconColourToIndex(image, colour));
      break;
    }
    case IconTool::kFill: FillDown(doc, cell, colour); break;
    default: break;  // shapes are written when the button comes up
  }
  return true;
}

void IconPointerMove(IconDocState& doc, IconDrag& drag, int px, int py) {
  if (drag.button == IconButton::kNone) return;
  const IconPoint cell = CellAt(px, py);
  if (doc.tool == IconTool::kSelect && drag.movingSelection) {
    MoveIconSelection(doc, cell.x - drag.last.x, cell.y - drag.last.y);
  } else if (doc.tool == IconTool::kPen) {
    IconImage& image = CurrentIconImage(doc);
    // A fast drag skips cells; the line between the two joins them.
    PaintIconCells(image, LineCells(drag.last, cell), IconColourToIndex(image, ButtonColour(doc, drag.button)));
  }
  drag.last = cell;
}

void IconButtonUp(IconDocState& doc, IconDrag& drag, IconButton button, int px, int py) {
  if (drag.button == IconButton::kNone || button != drag.button) return;
  IconPointerMove(doc, drag, px, py);
  if (doc.tool == IconTool::kSelect && !drag.movingSelection) {
    MarkIconSelection(doc, drag.start, drag.last);
  } else if (IsShapeTool(doc.tool)) {
    CommitShape(doc, drag, drag.last);
  }
  drag = IconDrag{};
}

IconDragPreview PreviewOfIconDrag(const IconDocState& doc, const IconDrag& drag) {
  IconDragPreview preview;
  if (drag.button == IconButton::kNone) return preview;
  if (doc.tool == IconTool::kSelect && !drag.movingSelection) {
    preview.bandRect = SelectionBand(doc, drag.start, drag.last);
    preview.band = !IsEmptyRect(preview.bandRect);
  } else if (IsShapeTool(doc.tool)) {
    IconShape shape = ShapeOnImage(doc, drag.start, drag.last);
    preview.outline = std::move(shape.outline);
    preview.outlineColour = ButtonColour(doc, drag.button);
    preview.inside = std::move(shape.inside);
    preview.insideColour = shape.insideInOtherColour ? OtherColour(doc, drag.button) : preview.outlineColour;
  }
  return preview;
}

IconCursor IconCursorAt(const IconDocState& doc, const IconDrag& drag, int px, int py) {
  switch (doc.tool) {
    case IconTool::kPen: return IconCursor::kPen;
    case IconTool::kFill: return IconCursor::kFill;
    case IconTool::kSelect:
      if (drag.button != IconButton::kNone) return drag.movingSelection ? IconCursor::kSizeAll : IconCursor::kCross;
      if (!IconHasSelection(doc)) return IconCursor::kCross;
      return PointInSelection(doc.selection, px, py) ? IconCursor::kSizeAll : IconCursor::kArrow;
    default: return IconCursor::kCross;
  }
}
