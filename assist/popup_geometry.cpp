#include "assist/popup_geometry.h"

#include <algorithm>
#include <cstdlib>

ListPlacement PlaceCompletionList(const ListMetrics& m) {
  ListPlacement p;
  p.x = m.caretX - m.cellWidth;
  p.y = m.caretY + m.rowHeight;
  p.width = m.widestText + m.frameWidth + 30;
  if (m.itemCount <= kListVisibleRows) {
    p.height = m.itemCount * m.itemHeight + m.frameHeight;
  } else {
    p.height = kListVisibleRows * m.itemHeight + m.frameHeight;
    p.width += m.scrollBarWidth;
    p.scrollBar = true;
  }
  if (p.x + p.width > m.area.right) p.x = m.area.right - p.width;
  if (p.x < m.area.left) p.x = m.area.left;
  if (p.y + p.height > m.area.bottom) p.y -= p.height + m.rowHeight;
  return p;
}

HintLayout LayoutHint(const std::vector<HintPiece>& pieces, const MeasureText& measure, int lineHeight,
                      int maxRight) {
  HintLayout layout;
  int x = 2, y = 2;
  int longest = 0;
  for (size_t i = 0; i < pieces.size(); ++i) {
    const HintPiece& piece = pieces[i];
    const int w = measure ? measure(piece.text, piece.bold) : 0;
    if (i > 0 && x + w > maxRight) {
      x = 10;
      y += lineHeight;
    }
    layout.runs.push_back({piece.text, piece.bold, x, y});
    x += w;
    longest = std::max(longest, x);
  }
  layout.width = longest + 20;
  layout.height = y + lineHeight + 2;
  return layout;
}

HintPlacement PlaceHint(const HintPlacementInput& in) {
  HintPlacement p;
  p.x = in.shown ? in.shownX : in.caretX - 20;
  // A positive lfHeight is a cell height: the hint still goes below the row.
  const int below = in.fontHeight != 0 ? std::abs(in.fontHeight) : in.rowHeight;
  p.y = in.caretY + below;
  if (in.area.bottom > in.area.top && p.y + in.height > in.area.bottom) p.y = in.caretY - in.height;
  return p;
}

int HintMaxRight(const ScreenArea& area, int caretX) {
  // A caret right of the area (the editor reaches onto another monitor)
  // still leaves room for a short line.
  constexpr int kLeast = 200;
  return std::max(area.right - caretX, kLeast);
}
