// The select tool, the floating selection and the clipboard operations, and
// the view's geometry (pointer to cell, selection hit test, colour bar).
#include <gtest/gtest.h>

#include "iconedit/icon_selection.h"
#include "iconedit/icon_tools.h"
#include "iconedit/icon_view_geometry.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

const Art kPicture = {"1234", "5678", "9abc", "def0"};

IconDocState PictureDoc() {
  IconDocState doc = NewIconDocState();
  IconPalette256 unused = {};
  AddIconImage(doc, 0, unused);
  PaintArt(CurrentIconImage(doc), kPicture);
  doc.tool = IconTool::kSelect;
  doc.secondaryColour = RGB(255, 255, 255);  // index f
  doc.modified = false;
  return doc;
}

void Drag(IconDocState& doc, IconDrag& drag, IconPoint from, IconPoint to, IconButton button = IconButton::kLeft) {
  IconButtonDown(doc, drag, button, CellX(from.x), CellY(from.y));
  IconPointerMove(doc, drag, CellX(to.x), CellY(to.y));
  IconButtonUp(doc, drag, button, CellX(to.x), CellY(to.y));
}

TEST(IconSelection, SelectLiftMoveAndDrop) {
  struct Case {
    const char* name;
    IconPoint bandFrom, bandTo;
    IconPoint grab, dropAt;  // drag inside the selection, then
    IconPoint clickOutside;
    Art expected;            // corner 6 x 5 after the drop
  };
  const std::vector<Case> cases = {
      {"move right and down", {1, 1}, {2, 2}, {1, 1}, {3, 2}, {10, 10},
       {"1234..", "5ff8..", "9ff67.", "defab.", "......"}},
      {"band drawn backwards", {2, 2}, {1, 1}, {2, 2}, {2, 3}, {10, 10},
       {"1234..", "5ff8..", "967c..", "dab0..", "......"}},
      {"band clipped to the image", {-5, -5}, {0, 1}, {0, 0}, {0, 2}, {10, 10},
       {"f234..", "f678..", "1abc..", "5ef0..", "......"}},
      {"dropped partly outside", {0, 0}, {1, 1}, {1, 1}, {0, 0}, {10, 10},
       {"6f34..", "ff78..", "9abc..", "def0..", "......"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IconDocState doc = PictureDoc();
    IconDrag drag;
    Drag(doc, drag, c.bandFrom, c.bandTo);
    ASSERT_EQ(doc.selectionState, IconSelectionState::kMarked);
    EXPECT_FALSE(doc.modified);
    Drag(doc, drag, c.grab, c.dropAt);
    ASSERT_EQ(doc.selectionState, IconSelectionState::kFloatingSelection);
    EXPECT_EQ(doc.floating.width, doc.selection.right - doc.selection.left + 1);
    Drag(doc, drag, c.clickOutside, c.clickOutside);
    EXPECT_EQ(doc.selectionState, IconSelectionState::kNone);
    EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 6, 5)), Joined(c.expected));
    // Lift and drop are one undo step each.
    ASSERT_TRUE(UndoIconDoc(doc));
    ASSERT_TRUE(UndoIconDoc(doc));
    EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 4, 4)), Joined(kPicture));
    EXPECT_FALSE(UndoIconDoc(doc));
  }
}

TEST(IconSelection, ClicksThatMakeNoSelection) {
  IconDocState doc = PictureDoc();
  IconDrag drag;
  Drag(doc, drag, {1, 1}, {1, 1});  // a click covers only its start cell
  EXPECT_FALSE(IconHasSelection(doc));
  Drag(doc, drag, {-9, 0}, {-3, 2});  // wholly left of the image
  EXPECT_FALSE(IconHasSelection(doc));
  Drag(doc, drag, {0, 0}, {1, 1}, IconButton::kRight);  // the right button does nothing
  EXPECT_FALSE(IconHasSelection(doc));
  EXPECT_EQ(drag.button, IconButton::kNone);
  Drag(doc, drag, {0, 0}, {1, 1});
  Drag(doc, drag, {3, 3}, {3, 3});  // a click outside unmarks
  EXPECT_FALSE(IconHasSelection(doc));
  EXPECT_FALSE(doc.modified);
}

TEST(IconSelection, EscapeToolChangeAndTheSecondaryColour) {
  IconDocState doc = PictureDoc();
  IconDrag drag;
  Drag(doc, drag, {0, 0}, {1, 0});
  Drag(doc, drag, {0, 0}, {0, 2});  // lift and move away
  DiscardFloatingSelection(doc);
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 4, 3)), "ff34\n5678\n9abc\n");
  // A marked selection survives Esc, not a tool change.
  Drag(doc, drag, {2, 2}, {3, 3});
  DiscardFloatingSelection(doc);
  EXPECT_EQ(doc.selectionState, IconSelectionState::kMarked);
  SetIconTool(doc, IconTool::kSelect);
  EXPECT_EQ(doc.selectionState, IconSelectionState::kMarked);
  SetIconTool(doc, IconTool::kLine);
  EXPECT_FALSE(IconHasSelection(doc));
}

TEST(IconSelection, CopyCutAndPaste) {
  IconDocState doc = PictureDoc();
  IconDrag drag;
  Drag(doc, drag, {1, 0}, {2, 1});
  // Copy reads the model and changes nothing: no undo step, not modified.
  const FloatingPixels copied = CopyIconSelection(doc);
  ASSERT_EQ(copied.width, 2);
  ASSERT_EQ(copied.height, 2);
  EXPECT_EQ(copied.colours, (std::vector<COLORREF>{RGB(0, 128, 0), RGB(128, 128, 0), RGB(0, 128, 128),
                                                    RGB(128, 128, 128)}));
  EXPECT_EQ(doc.selectionState, IconSelectionState::kMarked);
  EXPECT_FALSE(doc.modified);
  EXPECT_FALSE(CanUndoIconDoc(doc));

  // Cut of a marked selection paints it in the secondary colour, one step.
  const FloatingPixels cut = CutIconSelection(doc);
  EXPECT_EQ(cut.colours, copied.colours);
  EXPECT_FALSE(IconHasSelection(doc));
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 4, 2)), "1ff4\n5ff8\n");
  EXPECT_TRUE(CanUndoIconDoc(doc));

  // Paste floats at the corner with the select tool; colours off the palette
  // take their nearest entry, the marker becomes transparent.
  doc.tool = IconTool::kPen;
  PasteIconPixels(doc, FloatingPixels{3, 1, {RGB(250, 5, 5), TransparentMarker, RGB(1, 1, 1)}});
  EXPECT_EQ(doc.tool, IconTool::kSelect);
  EXPECT_EQ(doc.selectionState, IconSelectionState::kFloatingSelection);
  EXPECT_TRUE(doc.selection == (CellRect{0, 0, 2, 0}));
  // Copy and cut of floating pixels take them, not the image under them.
  EXPECT_EQ(CopyIconSelection(doc).colours[0], RGB(250, 5, 5));
  const std::string before = Joined(ArtOf(CurrentIconImage(doc)));
  EXPECT_EQ(CutIconSelection(doc).width, 3);
  EXPECT_EQ(Joined(ArtOf(CurrentIconImage(doc))), before);
  PasteIconPixels(doc, FloatingPixels{3, 1, {RGB(250, 5, 5), TransparentMarker, RGB(1, 1, 1)}});
  // A second paste drops the first.
  PasteIconPixels(doc, FloatingPixels{1, 1, {RGB(0, 0, 255)}});
  EXPECT_EQ(CornerOf(CurrentIconImage(doc), 4, 1)[0], "9.04");
  Drag(doc, drag, {9, 9}, {9, 9});
  EXPECT_EQ(CornerOf(CurrentIconImage(doc), 4, 1)[0], "c.04");

  // Oversized or inconsistent pictures.
  PasteIconPixels(doc, FloatingPixels{1000, 1, std::vector<COLORREF>(1000, RGB(0, 0, 0))});
  EXPECT_EQ(doc.floating.width, kMaxFloatingSide);
  EXPECT_EQ(doc.floating.colours.size(), static_cast<size_t>(kMaxFloatingSide));
  DiscardFloatingSelection(doc);
  PasteIconPixels(doc, FloatingPixels{2, 2, {RGB(0, 0, 0)}});
  EXPECT_FALSE(IconHasSelection(doc));
}

TEST(IconViewGeometry, PointsCellsAndHitTests) {
  // Points left of or above the zoomed copy are never column or row 0.
  const std::vector<std::pair<int, int>> columns = {{91, -1}, {99, -1}, {100, 0}, {109, 0}, {110, 1}, {0, -10},
                                                    {-1, -11}, {419, 31}, {420, 32}};
  for (auto [px, column] : columns) EXPECT_EQ(ViewPointToCell(px, 0).x, column) << px;
  EXPECT_EQ(ViewPointToCell(100, -1).y, -1);
  EXPECT_EQ(ViewPointToCell(100, 9).y, 0);
  EXPECT_EQ(ViewPointToCell(100, 10).y, 1);

  const CellRect r{2, 1, 3, 4};
  struct Hit {
    int px, py;
    bool inside;
  };
  for (const Hit h : {Hit{121, 11, true}, Hit{139, 49, true}, Hit{120, 11, false}, Hit{140, 11, false},
                      Hit{121, 10, false}, Hit{121, 50, false}}) {
    EXPECT_EQ(PointInSelection(r, h.px, h.py), h.inside) << h.px << "," << h.py;
  }
  const RECT box = SelectionFrameBox(r);
  EXPECT_EQ((std::vector<int>{box.left, box.top, box.right, box.bottom}), (std::vector<int>{120, 10, 141, 51}));
  const RECT cell = CellViewRect(IconPoint{1, 2});
  EXPECT_EQ((std::vector<int>{cell.left, cell.top, cell.right, cell.bottom}), (std::vector<int>{110, 20, 121, 31}));
  const RECT paint = IconViewPaintArea(32);
  EXPECT_EQ(paint.right, 421);
  EXPECT_EQ(paint.bottom, 321);

  const IconChildLayout l = LayOutIconChild(800, 600);
  EXPECT_EQ((std::vector<int>{l.view.left, l.view.top, l.view.right, l.view.bottom}), (std::vector<int>{0, 0, 630, 550}));
  EXPECT_EQ((std::vector<int>{l.sidePanel.left, l.sidePanel.right, l.sidePanel.bottom}), (std::vector<int>{630, 800, 600}));
  EXPECT_EQ((std::vector<int>{l.colourBar.top, l.colourBar.right, l.colourBar.bottom}), (std::vector<int>{550, 630, 600}));
}

TEST(IconViewGeometry, ColourBarPicksFromTheModel) {
  struct Hit {
    int x, y, swatch;
  };
  const Hit hits[] = {{1, 1, 0},   {11, 11, 0},  {0, 1, -1},   {12, 1, -1},  {16, 1, 1},   {106, 26, 15},
                      {1, 16, 8},  {121, 1, -1}, {1, 31, -1},  {136, 1, kColourBarTransparent},
                      {147, 12, kColourBarTransparent}, {148, 1, -1}, {-14, 1, -1}};
  for (const Hit& h : hits) EXPECT_EQ(ColourBarSwatchAt(h.x, h.y), h.swatch) << h.x << "," << h.y;

  IconPalette256 palette = {};
  PaletteFileBytes({{1, 2, 3}}, palette);
  IconDocState doc = NewIconDocState();
  CurrentIconImage(doc).block[40 + 4 * 9 + 1] = 77;  // green of entry 9 in the image's own palette
  COLORREF c = 0;
  ASSERT_TRUE(ColourBarPick(doc, 1 + 15, 1 + 15, c));
  EXPECT_EQ(c, RGB(255, 77, 0));
  ASSERT_TRUE(ColourBarPick(doc, 140, 5, c));
  EXPECT_EQ(c, TransparentMarker);
  EXPECT_FALSE(ColourBarPick(doc, 13, 5, c));
  AddIconImage(doc, 3, palette);  // 256 colours: the standard table
  ASSERT_TRUE(ColourBarPick(doc, 1 + 15, 1 + 15, c));
  EXPECT_EQ(c, RGB(255, 0, 0));
}

}  // namespace
