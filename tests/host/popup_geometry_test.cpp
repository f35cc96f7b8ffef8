#include "assist/popup_geometry.h"

#include <gtest/gtest.h>

namespace {

ListMetrics Metrics(int count) {
  ListMetrics m;
  m.caretX = 300;
  m.caretY = 200;
  m.cellWidth = 8;
  m.rowHeight = 16;
  m.widestText = 90;
  m.itemHeight = 18;
  m.itemCount = count;
  m.frameWidth = 6;
  m.frameHeight = 6;
  m.scrollBarWidth = 17;
  m.area = {0, 0, 1280, 1024};
  return m;
}

// Every byte 7 pixels wide in both fonts.
int Width(std::string_view text, bool) { return static_cast<int>(text.size()) * 7; }

}  // namespace

TEST(CompletionListPlacement, OneCellLeftOfTheCaretAndBelowItsRow) {
  const ListPlacement p = PlaceCompletionList(Metrics(3));
  EXPECT_EQ(p.x, 292);
  EXPECT_EQ(p.y, 216);
  EXPECT_EQ(p.width, 90 + 6 + 30);
  EXPECT_EQ(p.height, 3 * 18 + 6);
  EXPECT_FALSE(p.scrollBar);
}

TEST(CompletionListPlacement, FifteenRowsFitSixteenScroll) {
  ListPlacement fits = PlaceCompletionList(Metrics(15));
  EXPECT_EQ(fits.height, 15 * 18 + 6);
  EXPECT_FALSE(fits.scrollBar);
  ListPlacement scrolls = PlaceCompletionList(Metrics(40));
  EXPECT_EQ(scrolls.height, 15 * 18 + 6);
  EXPECT_EQ(scrolls.width, 90 + 6 + 30 + 17);
  EXPECT_TRUE(scrolls.scrollBar);
  ListPlacement empty = PlaceCompletionList(Metrics(0));
  EXPECT_EQ(empty.height, 6);
}

TEST(CompletionListPlacement, EdgesOfTheCaretsWorkArea) {
  // The primary monitor, one to its right and one to its left (negative x).
  for (const ScreenArea area : {ScreenArea{0, 0, 1280, 994}, ScreenArea{1280, 0, 3200, 1040},
                                ScreenArea{-1600, -200, 0, 1000}}) {
    SCOPED_TRACE(area.left);
    ListMetrics m = Metrics(3);
    m.area = area;
    m.caretX = area.left + 300;
    m.caretY = area.top + 200;
    ListPlacement p = PlaceCompletionList(m);
    EXPECT_EQ(p.x, area.left + 292);
    EXPECT_EQ(p.y, area.top + 216);
    m.caretX = area.right - 10;
    EXPECT_EQ(PlaceCompletionList(m).x + p.width, area.right);
    m.caretX = area.left;  // the cell left of the caret lies outside
    EXPECT_EQ(PlaceCompletionList(m).x, area.left);
    // Ending exactly at the bottom it stays below the caret; one pixel lower it opens above.
    m.caretY = area.bottom - p.height - 16;
    EXPECT_EQ(PlaceCompletionList(m).y, m.caretY + 16);
    m.caretY += 1;
    p = PlaceCompletionList(m);
    EXPECT_EQ(p.y + p.height, m.caretY);
  }
}

TEST(HintLayout, HeadThenArgumentsOnOneLine) {
  const std::vector<HintPiece> pieces = SplitHintText("MsgBox hWnd, String$, [Title$]", 1);
  const HintLayout layout = LayoutHint(pieces, Width, 15, 10000);
  ASSERT_EQ(layout.runs.size(), pieces.size());
  EXPECT_EQ(layout.runs[0].text, "MsgBox ");
  EXPECT_EQ(layout.runs[0].x, 2);
  EXPECT_EQ(layout.runs[0].y, 2);
  int x = 2;
  for (size_t i = 0; i < layout.runs.size(); ++i) {
    EXPECT_EQ(layout.runs[i].x, x) << i;
    EXPECT_EQ(layout.runs[i].y, 2) << i;
    EXPECT_EQ(layout.runs[i].bold, pieces[i].bold) << i;
    x += Width(layout.runs[i].text, false);
  }
  EXPECT_EQ(layout.width, x + 20);
  EXPECT_EQ(layout.height, 2 + 15 + 2);
  int bold = 0;
  for (const HintRun& run : layout.runs)
    if (run.bold) {
      ++bold;
      EXPECT_EQ(run.text, "String$");
    }
  EXPECT_EQ(bold, 1);
}

TEST(HintLayout, APieceThatWouldPassTheLimitStartsANewLineAtTen) {
  const std::vector<HintPiece> pieces = {{"Head(", false}, {"aaaa", true}, {", ", false}, {"bbbbbbbb", false}};
  // "Head(" ends at 2 + 35 = 37; "aaaa" at 65; ", " at 79; "bbbbbbbb" would end at 135.
  const HintLayout layout = LayoutHint(pieces, Width, 15, 100);
  ASSERT_EQ(layout.runs.size(), 4u);
  EXPECT_EQ(layout.runs[2].y, 2);
  EXPECT_EQ(layout.runs[3].x, 10);
  EXPECT_EQ(layout.runs[3].y, 17);
  EXPECT_EQ(layout.width, 79 + 20);  // the first line is the longest
  EXPECT_EQ(layout.height, 17 + 15 + 2);
}

TEST(HintLayout, PiecesWiderThanTheLimitEachTakeOneLine) {
  const std::vector<HintPiece> pieces = {{"H ", false}, {std::string(50, 'x'), false}, {std::string(50, 'y'), true}};
  const HintLayout layout = LayoutHint(pieces, Width, 10, 40);
  ASSERT_EQ(layout.runs.size(), 3u);
  EXPECT_EQ(layout.runs[0].y, 2);
  EXPECT_EQ(layout.runs[1].x, 10);
  EXPECT_EQ(layout.runs[1].y, 12);
  EXPECT_EQ(layout.runs[2].x, 10);
  EXPECT_EQ(layout.runs[2].y, 22);
  EXPECT_EQ(layout.width, 10 + 350 + 20);
}

TEST(HintPlacement, BelowTheCaretLineKeepingAShownX) {
  HintPlacementInput in;
  in.caretX = 400;
  in.caretY = 300;
  in.fontHeight = -16;
  in.rowHeight = 17;
  in.width = 200;
  in.height = 20;
  in.area = {0, 0, 1280, 1024};
  HintPlacement p = PlaceHint(in);
  EXPECT_EQ(p.x, 380);
  EXPECT_EQ(p.y, 316);
  in.fontHeight = 16;  // a cell height: still below the caret's row
  EXPECT_EQ(PlaceHint(in).y, 316);
  in.fontHeight = 0;
  EXPECT_EQ(PlaceHint(in).y, 317);
  in.shown = true;
  in.shownX = 123;
  EXPECT_EQ(PlaceHint(in).x, 123);
  in.caretY = 1010;
  EXPECT_EQ(PlaceHint(in).y, 1010 - 20);
  // On a monitor above the primary one.
  in.area = {0, -1024, 1280, 0};
  in.caretY = -100;
  EXPECT_EQ(PlaceHint(in).y, -100 + 17);
  in.caretY = -10;
  EXPECT_EQ(PlaceHint(in).y, -10 - 20);
}

TEST(HintPlacement, WrapLimitFromTheCaretsWorkArea) {
  EXPECT_EQ(HintMaxRight({0, 0, 1280, 1024}, 1000), 280);
  EXPECT_EQ(HintMaxRight({1280, 0, 3200, 1024}, 1500), 1700);
  // A caret right of the primary area (the old negative limit) keeps a short line.
  EXPECT_EQ(HintMaxRight({0, 0, 1280, 1024}, 1500), 200);
}
