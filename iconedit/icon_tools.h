#pragma once
// The tools driven by the mouse. The view passes its client points and
// repaints the whole image afterwards, with the preview of a shape drag or
// the band of a select drag over it; everything else happens here.
#include <vector>

#include "iconedit/icon_doc_state.h"

enum class IconButton { kNone, kLeft, kRight };
enum class IconCursor { kArrow, kCross, kSizeAll, kPen, kFill };

// One drag at a time; the other button is ignored until it ends.
struct IconDrag {
  IconButton button = IconButton::kNone;
  IconPoint start;
  IconPoint last;
  bool movingSelection = false;  // select tool: moving rather than drawing a band
};

// The cells of the image one shape tool would set from start to end: the
// outline in the button's colour, the inside (bordered and filled
// rectangles) in the other button's or the same colour.
struct IconShape {
  std::vector<IconPoint> outline;
  std::vector<IconPoint> inside;
  bool insideInOtherColour = false;
};
IconShape IconShapeOf(IconTool tool, IconPoint start, IconPoint end, int width, int height);

// What the view draws over the image during a drag.
struct IconDragPreview {
  std::vector<IconPoint> outline;
  COLORREF outlineColour = 0;
  std::vector<IconPoint> inside;
  COLORREF insideColour = 0;
  bool band = false;  // a dotted rectangle around bandRect
  CellRect bandRect;
};

// View points are taken as the mouse messages give them (16-bit).

// True when a drag starts (the view takes the focus and the capture).
bool IconButtonDown(IconDocState& doc, IconDrag& drag, IconButton button, int px, int py);
void IconPointerMove(IconDocState& doc, IconDrag& drag, int px, int py);
// Only the button that started the drag ends it; the view then releases the
// capture and refreshes the command states.
void IconButtonUp(IconDocState& doc, IconDrag& drag, IconButton button, int px, int py);
IconDragPreview PreviewOfIconDrag(const IconDocState& doc, const IconDrag& drag);
IconCursor IconCursorAt(const IconDocState& doc, const IconDrag& drag, int px, int py);
