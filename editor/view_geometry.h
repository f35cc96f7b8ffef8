#pragma once
// The arithmetic of the editor window: cells and rows of the client area,
// scroll ranges, scroll limits, the moves that bring the caret into view and
// the pixel-to-cell conversion.

struct ViewMetrics {
  int clientWidth = 0;
  int clientHeight = 0;
  int gutter = 0;  // pixel width of the margin
  int cx = 1;      // cell width
  int cy = 1;      // row height

  int VisibleRows() const { return cy > 0 ? clientHeight / cy : 0; }  // whole rows
  int VisibleCols() const { return cx > 0 ? (clientWidth - gutter) / cx : 0; }
  int VerticalPage() const { return VisibleRows() - 1; }
  int HorizontalPage() const { return VisibleCols() - 1; }
};

struct ScrollRange {
  int max = 0;
  int page = 0;  // never negative
};
// Three fifths of a page past the last row; a third of a page past the widest row.
ScrollRange VerticalRange(const ViewMetrics& m, int lastRow);
ScrollRange HorizontalRange(const ViewMetrics& m, int widest);

// A requested scroll by `delta` limited to what the window allows from `pos`.
int LimitVerticalDelta(const ViewMetrics& m, int pos, int max, int delta);
int LimitHorizontalDelta(const ViewMetrics& m, int pos, int max, int delta);

// Moves of the scroll positions that bring the caret (row and column relative
// to the scroll positions) into view; hPos keeps the horizontal one at 0 or more.
void CaretVisibleMoves(const ViewMetrics& m, int relRow, int relCol, int hPos, bool minimalHorizontal,
                       bool centreVertical, int& rowMove, int& colMove);

// Column and row under a client point, before snapping: the column rounds to
// the nearest cell boundary (a half goes up), the row truncates.
int ColumnAtX(const ViewMetrics& m, int x, int leftCol);
int RowAtY(const ViewMetrics& m, int y, int topRow);
