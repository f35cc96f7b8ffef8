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
  if (p.x + p.width > m.screenWidth) p.x = m.screenWidth - p.width;
  if (p.y + p.height > m.screenHeight - 30) p.y -= p.height + m.rowHeight;
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
  if (in.screenHeight > 0 && p.y + in.height > in.screenHeight) p.y = in.caretY - in.height;
  return p;
}
