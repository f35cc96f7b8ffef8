#include "editor/view_geometry.h"

#include <algorithm>

namespace {

// Division rounding toward minus infinity (points left of or above the window).
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

ScrollRange VerticalRange(const ViewMetrics& m, int lastRow) {
  ScrollRange r;
  r.page = std::max(0, m.VerticalPage());
  r.max = std::max(0, lastRow) + r.page / 5 * 3;
  return r;
}

ScrollRange HorizontalRange(const ViewMetrics& m, int widest) {
  ScrollRange r;
  r.page = std::max(0, m.HorizontalPage());
  r.max = std::max(0, widest) + r.page / 3;
  return r;
}

int LimitVerticalDelta(const ViewMetrics& m, int pos, int max, int delta) {
  const int high = max - m.VisibleRows() - pos + 2;
  return std::max(-pos, std::min(delta, high));
}

int LimitHorizontalDelta(const ViewMetrics& m, int pos, int max, int delta) {
  const int high = max - (m.VisibleCols() + pos);
  return std::max(-pos, std::min(delta, high));
}

void CaretVisibleMoves(const ViewMetrics& m, int relRow, int relCol, int hPos, bool minimalHorizontal,
                       bool centreVertical, int& rowMove, int& colMove) {
  const int vPage = m.VerticalPage();
  const int hPage = m.HorizontalPage();
  rowMove = 0;
  if (centreVertical) {
    if (relRow < 0 || relRow > vPage - 1) rowMove = relRow - vPage / 3;
  } else if (relRow < 0) {
    rowMove = relRow;
  } else if (relRow > vPage - 1) {
    rowMove = relRow - vPage;
  }
  colMove = 0;
  if (relCol < 0) {
    colMove = relCol - 1;
    if (!minimalHorizontal) colMove -= hPage / 4;
    colMove = std::max(colMove, -hPos);
  } else if (relCol > hPage) {
    colMove = relCol - hPage;
    if (!minimalHorizontal) colMove += hPage / 3;
  }
}

int ColumnAtX(const ViewMetrics& m, int x, int leftCol) {
  const int cx = std::max(1, m.cx);
  return FloorDiv(2 * (x - m.gutter) + cx, 2 * cx) + leftCol;
}

int RowAtY(const ViewMetrics& m, int y, int topRow) { return FloorDiv(y, std::max(1, m.cy)) + topRow; }
