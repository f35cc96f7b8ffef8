// The drawing tools as the mouse drives them, each case a small picture:
// a press at the start cell, a move and a release at the end cell, on a
// transparent 16 x 16 image with primary colour 1 and secondary colour 2.
// The expected art shows the top-left corner; every pixel outside it must
// stay transparent.
#include <gtest/gtest.h>

#include "iconedit/icon_tools.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

constexpr COLORREF kPrimary = RGB(128, 0, 0);    // index 1
constexpr COLORREF kSecondary = RGB(0, 128, 0);  // index 2

struct Stroke {
  const char* name;
  IconTool tool;
  IconPoint start, end;
  IconButton button;
  Art expected;
};

// Runs one stroke; the drawn corner, and whether anything outside it was touched.
Art Draw(const Stroke& s, const Art& before, bool& outsideClean) {
  IconDocState doc = NewIconDocState();
  IconPalette256 unused = {};
  AddIconImage(doc, 0, unused);
  PaintArt(CurrentIconImage(doc), before);
  doc.tool = s.tool;
  doc.primaryColour = kPrimary;
  doc.secondaryColour = kSecondary;
  IconDrag drag;
  IconButtonDown(doc, drag, s.button, CellX(s.start.x), CellY(s.start.y));
  IconPointerMove(doc, drag, CellX(s.end.x), CellY(s.end.y));
  IconButtonUp(doc, drag, s.button, CellX(s.end.x), CellY(s.end.y));
  const int w = static_cast<int>(s.expected[0].size()), h = static_cast<int>(s.expected.size());
  const Art all = ArtOf(CurrentIconImage(doc));
  outsideClean = true;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if ((x >= w || y >= h) && all[static_cast<size_t>(y)][static_cast<size_t>(x)] != '.') outsideClean = false;
  return CornerOf(CurrentIconImage(doc), w, h);
}

using B = IconButton;
using T = IconTool;

TEST(IconShapes, StrokesDrawTheirCells) {
  const std::vector<Stroke> strokes = {
      {"pen click", T::kPen, {2, 1}, {2, 1}, B::kLeft, {"....", "..1.", "...."}},
      {"pen right button", T::kPen, {0, 0}, {0, 0}, B::kRight, {"2.", ".."}},
      {"pen jump joined", T::kPen, {0, 0}, {5, 2}, B::kLeft, {"11....", "..11..", "....11", "......"}},
      {"line shallow", T::kLine, {0, 0}, {5, 2}, B::kLeft, {"11....", "..11..", "....11"}},
      {"line shallow reversed", T::kLine, {5, 2}, {0, 0}, B::kLeft, {"11....", "..11..", "....11"}},
      {"line rising", T::kLine, {0, 2}, {5, 0}, B::kLeft, {"....11", "..11..", "11...."}},
      {"line steep", T::kLine, {0, 0}, {2, 5}, B::kRight, {"2..", "2..", ".2.", ".2.", "..2", "..2"}},
      {"line diagonal", T::kLine, {3, 3}, {0, 0}, B::kLeft, {"1...", ".1..", "..1.", "...1"}},
      {"line one cell", T::kLine, {1, 1}, {1, 1}, B::kLeft, {"...", ".1.", "..."}},
      {"line off the image", T::kLine, {-3, 0}, {3, 0}, B::kLeft, {"1111", "...."}},
      {"rectangle", T::kRectangle, {4, 3}, {1, 1}, B::kLeft, {"......", ".1111.", ".1..1.", ".1111.", "......"}},
      {"rectangle one cell", T::kRectangle, {0, 0}, {0, 0}, B::kLeft, {"1.", ".."}},
      {"rectangle one column", T::kRectangle, {0, 0}, {0, 2}, B::kLeft, {"1.", "1.", "1.", ".."}},
      {"bordered rectangle", T::kBorderedRectangle, {0, 0}, {4, 3}, B::kLeft, {"11111", "12221", "12221", "11111"}},
      {"bordered rectangle right button", T::kBorderedRectangle, {0, 0}, {3, 2}, B::kRight,
       {"2222", "2112", "2222"}},
      {"filled rectangle", T::kFilledRectangle, {0, 0}, {3, 2}, B::kRight, {"2222", "2222", "2222", "...."}},
      {"ellipse 1 wide 2 high", T::kEllipse, {0, 0}, {0, 1}, B::kLeft, {"1.", "1.", ".."}},
      {"ellipse 2 wide 1 high", T::kEllipse, {0, 0}, {1, 0}, B::kLeft, {"11.", "..."}},
      {"ellipse 2 by 2", T::kEllipse, {0, 0}, {1, 1}, B::kLeft, {"11.", "11.", "..."}},
      {"ellipse 3 wide 1 high", T::kEllipse, {0, 0}, {2, 0}, B::kLeft, {"111", "..."}},
      {"ellipse 5 by 5", T::kEllipse, {0, 0}, {4, 4}, B::kLeft, {".111.", "1...1", "1...1", "1...1", ".111."}},
      {"ellipse 7 by 5", T::kEllipse, {6, 4}, {0, 0}, B::kLeft,
       {"..111..", ".1...1.", "1.....1", ".1...1.", "..111.."}},
      {"ellipse 8 by 8", T::kEllipse, {0, 0}, {7, 7}, B::kLeft,
       {"..1111..", ".1....1.", "1......1", "1......1", "1......1", "1......1", ".1....1.", "..1111.."}},
      {"ellipse 9 by 5", T::kEllipse, {0, 0}, {8, 4}, B::kLeft,
       {"...111...", ".11...11.", "1.......1", ".11...11.", "...111..."}},
      {"ellipse 11 by 11", T::kEllipse, {10, 0}, {0, 10}, B::kLeft,
       {"...11111...", "..1.....1..", ".1.......1.", "1.........1", "1.........1", "1.........1", "1.........1",
        "1.........1", ".1.......1.", "..1.....1..", "...11111..."}},
      {"ellipse 1 by 5", T::kEllipse, {0, 0}, {0, 4}, B::kLeft, {"1.", "1.", "1.", "1.", "1.", ".."}},
  };
  const Art blank(16, std::string(16, '.'));
  for (const Stroke& s : strokes) {
    SCOPED_TRACE(s.name);
    bool outsideClean = false;
    EXPECT_EQ(Joined(Draw(s, blank, outsideClean)), Joined(s.expected));
    EXPECT_TRUE(outsideClean);
  }
}

TEST(IconShapes, FloodFillTakesTheFourConnectedAreaOfTheStartColour) {
  // The rest of the image is colour f, a wall around the corner.
  struct Fill {
    const char* name;
    Art before;
    IconPoint start;
    COLORREF colour;
    Art expected;
  };
  const std::vector<Fill> fills = {
      {"inside a ring", {"11111.", "1...1.", "1...1.", "11111.", "......"}, {2, 1}, kSecondary,
       {"11111.", "12221.", "12221.", "11111.", "......"}},
      {"outside a ring", {"111..", "1.1..", "111..", "....."}, {4, 0}, kSecondary,
       {"11122", "1.122", "11122", "22222"}},
      {"no leak through a diagonal gap", {"..1", ".1.", "1.."}, {0, 0}, kSecondary, {"221", "21.", "1.."}},
      {"a colour turned transparent", {"333", "313", "333"}, {0, 0}, TransparentMarker, {"...", ".1.", "..."}},
      {"same colour does nothing", {"111", "1.1", "111"}, {0, 0}, kPrimary, {"111", "1.1", "111"}},
      {"outside the image does nothing", {"...", "...", "..."}, {-1, 0}, kPrimary, {"...", "...", "..."}},
  };
  for (const Fill& f : fills) {
    SCOPED_TRACE(f.name);
    IconDocState doc = NewIconDocState();
    IconPalette256 unused = {};
    AddIconImage(doc, 0, unused);
    Art before(16, std::string(16, 'f'));
    for (size_t y = 0; y < f.before.size(); ++y) before[y].replace(0, f.before[y].size(), f.before[y]);
    PaintArt(CurrentIconImage(doc), before);
    doc.tool = T::kFill;
    doc.primaryColour = f.colour;
    doc.modified = false;
    IconDrag drag;
    IconButtonDown(doc, drag, B::kLeft, CellX(f.start.x), CellY(f.start.y));
    IconButtonUp(doc, drag, B::kLeft, CellX(f.start.x), CellY(f.start.y));
    Art after = before;
    for (size_t y = 0; y < f.expected.size(); ++y) after[y].replace(0, f.expected[y].size(), f.expected[y]);
    EXPECT_EQ(Joined(ArtOf(CurrentIconImage(doc))), Joined(after));
    const bool changed = Joined(f.before) != Joined(f.expected);
    EXPECT_EQ(doc.modified, changed);  // an empty fill is no undo step
    EXPECT_EQ(CanUndoIconDoc(doc), changed);
  }
}

TEST(IconShapes, FillOfA256ColourImageWithAMissingColour) {
  // The palette lacks the chosen colour; its nearest entry already is the
  // target colour, so nothing is filled.
  IconPalette256 palette = {};
  PaletteFileBytes({{0, 0, 0}, {250, 250, 250}}, palette);
  IconDocState doc = NewIconDocState();
  AddIconImage(doc, 1, palette);
  PaintArt(CurrentIconImage(doc), Art(16, std::string(16, '1')));
  doc.tool = T::kFill;
  doc.primaryColour = RGB(255, 255, 255);
  doc.modified = false;
  IconDrag drag;
  IconButtonDown(doc, drag, B::kLeft, CellX(3), CellY(3));
  EXPECT_EQ(Joined(ArtOf(CurrentIconImage(doc))), Joined(Art(16, std::string(16, '1'))));
  EXPECT_FALSE(doc.modified);
}

TEST(IconShapes, OneUndoStepPerStrokeAndPreviewsBeforeRelease) {
  IconDocState doc = NewIconDocState();
  doc.tool = T::kPen;
  IconDrag drag;
  ASSERT_TRUE(IconButtonDown(doc, drag, B::kLeft, CellX(0), CellY(0)));
  EXPECT_FALSE(IconButtonDown(doc, drag, B::kRight, CellX(9), CellY(9)));  // other button ignored
  for (int x = 1; x < 10; x += 3) IconPointerMove(doc, drag, CellX(x), CellY(0));
  IconButtonUp(doc, drag, B::kRight, CellX(9), CellY(0));  // not the drag's button
  EXPECT_EQ(drag.button, B::kLeft);
  IconButtonUp(doc, drag, B::kLeft, CellX(10), CellY(0));
  EXPECT_EQ(CornerOf(CurrentIconImage(doc), 12, 1)[0], "00000000000.");
  ASSERT_TRUE(UndoIconDoc(doc));
  EXPECT_EQ(CornerOf(CurrentIconImage(doc), 12, 1)[0], "............");
  EXPECT_FALSE(UndoIconDoc(doc));

  // A shape is only a preview until the button comes up.
  doc.tool = T::kBorderedRectangle;
  doc.primaryColour = kPrimary;
  doc.secondaryColour = kSecondary;
  IconButtonDown(doc, drag, B::kLeft, CellX(1), CellY(1));
  IconDragPreview p = PreviewOfIconDrag(doc, drag);
  EXPECT_EQ(p.outline.size(), 2u);  // the start cell (twice: left and right column)
  IconPointerMove(doc, drag, CellX(3), CellY(3));
  p = PreviewOfIconDrag(doc, drag);
  EXPECT_EQ(p.outlineColour, kPrimary);
  EXPECT_EQ(p.insideColour, kSecondary);
  ASSERT_EQ(p.inside.size(), 1u);
  EXPECT_TRUE(p.inside[0] == (IconPoint{2, 2}));
  EXPECT_FALSE(CanUndoIconDoc(doc));
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 4, 4)), "....\n....\n....\n....\n");
  IconButtonUp(doc, drag, B::kLeft, CellX(3), CellY(3));
  EXPECT_TRUE(PreviewOfIconDrag(doc, drag).outline.empty());
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 4, 4)), "....\n.111\n.121\n.111\n");
  EXPECT_TRUE(CanUndoIconDoc(doc));
}

}  // namespace
