// Scroll ranges, scroll limits, caret-into-view moves and pixel conversion.
#include <gtest/gtest.h>

#include "editor/view_geometry.h"

namespace {

// 30 whole rows of 16 pixels and 50 whole cells of 8 pixels right of a 40-pixel margin.
ViewMetrics Window() {
  ViewMetrics m;
  m.clientWidth = 40 + 50 * 8 + 5;
  m.clientHeight = 30 * 16 + 7;
  m.gutter = 40;
  m.cx = 8;
  m.cy = 16;
  return m;
}

TEST(ViewGeometry, RangesReachPastTheEnd) {
  ViewMetrics m = Window();
  ScrollRange v = VerticalRange(m, 99);
  EXPECT_EQ(29, v.page);
  EXPECT_EQ(99 + 29 / 5 * 3, v.max);
  ScrollRange h = HorizontalRange(m, 120);
  EXPECT_EQ(49, h.page);
  EXPECT_EQ(120 + 49 / 3, h.max);
  // With soft wrap the widest row counts as 0: a third of a page only.
  EXPECT_EQ(16, HorizontalRange(m, 0).max);
  m.clientHeight = 5;  // smaller than a row: no negative page
  EXPECT_EQ(0, VerticalRange(m, 3).page);
}

TEST(ViewGeometry, ScrollLimits) {
  ViewMetrics m = Window();
  EXPECT_EQ(-4, LimitVerticalDelta(m, 4, 116, -10));
  EXPECT_EQ(116 - 30 - 80 + 2, LimitVerticalDelta(m, 80, 116, 50));
  EXPECT_EQ(3, LimitVerticalDelta(m, 10, 116, 3));
  EXPECT_EQ(136 - (50 + 80), LimitHorizontalDelta(m, 80, 136, 40));
  EXPECT_EQ(-2, LimitHorizontalDelta(m, 2, 136, -5));
}

TEST(ViewGeometry, CaretIntoView) {
  ViewMetrics m = Window();  // pages: 29 rows, 49 columns
  int dr, dc;
  CaretVisibleMoves(m, 10, 10, 0, false, false, dr, dc);
  EXPECT_EQ(0, dr);
  EXPECT_EQ(0, dc);
  CaretVisibleMoves(m, -3, 0, 0, false, false, dr, dc);
  EXPECT_EQ(-3, dr);
  CaretVisibleMoves(m, 40, 0, 0, false, false, dr, dc);
  EXPECT_EQ(40 - 29, dr);
  CaretVisibleMoves(m, 40, 0, 0, false, true, dr, dc);
  EXPECT_EQ(40 - 29 / 3, dr);  // a third of a page from the top
  CaretVisibleMoves(m, 5, 0, 0, false, true, dr, dc);
  EXPECT_EQ(0, dr);
  CaretVisibleMoves(m, 0, 60, 30, false, false, dr, dc);
  EXPECT_EQ(60 - 49 + 49 / 3, dc);
  CaretVisibleMoves(m, 0, 60, 30, true, false, dr, dc);
  EXPECT_EQ(60 - 49, dc);
  CaretVisibleMoves(m, 0, -5, 30, false, false, dr, dc);
  EXPECT_EQ(-5 - 1 - 49 / 4, dc);
  CaretVisibleMoves(m, 0, -5, 8, false, false, dr, dc);
  EXPECT_EQ(-8, dc);  // not below column 0
}

TEST(ViewGeometry, PixelToCell) {
  ViewMetrics m = Window();
  EXPECT_EQ(0, ColumnAtX(m, 40, 0));
  EXPECT_EQ(0, ColumnAtX(m, 43, 0));
  EXPECT_EQ(1, ColumnAtX(m, 44, 0));  // half a cell rounds up
  EXPECT_EQ(13, ColumnAtX(m, 44 + 8 * 2, 10));
  EXPECT_EQ(-1, ColumnAtX(m, 30, 0));  // left of the text
  EXPECT_EQ(5, RowAtY(m, 15, 5));
  EXPECT_EQ(6, RowAtY(m, 16, 5));
  EXPECT_EQ(4, RowAtY(m, -1, 5));  // above the window
}

}  // namespace
