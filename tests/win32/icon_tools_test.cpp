// The icon editor's tools driven by posted mouse messages, with the colours
// and tools chosen by clicks on the colour bar and the tool palette; the
// pictures are read back from the model.
#include "icon_window_support.h"
#include "shell/doc_windows_win.h"
#include "shell/menu_object_win.h"

namespace {

using icon_test::Art;

class IconTools : public IconWindow {};

struct Step {
  IconTool tool;
  bool right;
  std::vector<IconPoint> cells;
};

// The whole 16 x 16 picture from its first rows; the rest stays transparent.
Art Expected(std::vector<std::string> rows) {
  for (std::string& r : rows) r.resize(16, '.');
  rows.resize(16, std::string(16, '.'));
  return rows;
}

TEST_F(IconTools, StrokesDrawWhatTheMouseSays) {
  struct Case {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"a pen click sets one cell", {{IconTool::kPen, false, {{3, 2}}}}, {"", "", "...9"}},
      {"a fast pen drag is joined by a line",
       {{IconTool::kPen, false, {{1, 1}, {6, 3}}}},
       {"", ".99", "...99", ".....99"}},
      {"the right button draws in the secondary colour", {{IconTool::kPen, true, {{0, 0}, {2, 0}}}}, {"ccc"}},
      {"line", {{IconTool::kLine, false, {{0, 5}, {2, 2}, {3, 0}}}}, {"...9", "..9", "..9", ".9", ".9", "9"}},
      {"rectangle", {{IconTool::kRectangle, false, {{1, 0}, {4, 2}}}}, {".9999", ".9..9", ".9999"}},
      {"filled rectangle with the right button",
       {{IconTool::kFilledRectangle, true, {{5, 4}, {2, 2}}}},
       {"", "", "..cccc", "..cccc", "..cccc"}},
      {"bordered rectangle: inside in the other colour",
       {{IconTool::kBorderedRectangle, false, {{0, 0}, {3, 3}}}},
       {"9999", "9cc9", "9cc9", "9999"}},
      {"ellipse", {{IconTool::kEllipse, false, {{0, 0}, {6, 4}}}}, {"..999", ".9...9", "9.....9", ".9...9", "..999"}},
      {"ellipse over 1 x 2 cells: the two cells", {{IconTool::kEllipse, false, {{2, 1}, {2, 2}}}}, {"", "..9", "..9"}},
      {"fill inside an outline",
       {{IconTool::kRectangle, false, {{0, 0}, {4, 3}}}, {IconTool::kFill, true, {{2, 1}}}},
       {"99999", "9ccc9", "9ccc9", "99999"}},
      {"fill with the colour the area has does nothing",
       {{IconTool::kPen, false, {{0, 0}}}, {IconTool::kFill, false, {{0, 0}}}},
       {"9"}},
      // Points left of the zoomed copy are column -1, not 0.
      {"points at x 91..99 hit no cell",
       {{IconTool::kPen, false, {}}, {IconTool::kFilledRectangle, false, {}}},
       {}},
      {"the right button does nothing with the select tool", {{IconTool::kSelect, true, {{0, 0}, {3, 3}}}}, {}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int s = OpenIcon("case" + std::to_string(++n) + ".ico", {Clear16()});
    ASSERT_GE(s, 0);
    ClickColourBar(s, Swatch(9));          // red, index 9
    ClickColourBar(s, Swatch(12), true);   // blue, index 12
    EXPECT_EQ(State(s).primaryColour, RGB(255, 0, 0));
    EXPECT_EQ(State(s).secondaryColour, RGB(0, 0, 255));
    for (const Step& step : c.steps) {
      ClickTool(s, step.tool);
      EXPECT_EQ(State(s).tool, step.tool);
      EXPECT_TRUE(ToolChecked(s, step.tool));
      if (step.cells.empty()) {
        // From x 91 to 99 and from y -9 to -1: nothing is drawn.
        Stroke(s, {POINT{91, 5}, POINT{99, 25}});
        Stroke(s, {POINT{105, -9}, POINT{115, -1}});
      } else {
        Cells(s, step.cells, step.right);
      }
    }
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(icon_test::Joined(Picture(s)), icon_test::Joined(Expected(c.rows)));
    EXPECT_FALSE(IconHasSelection(State(s)));
  }
}

TEST_F(IconTools, UndoAndRedoStepThroughTheStrokes) {
  const int s = OpenIcon("steps.ico", {Clear16()});
  ASSERT_GE(s, 0);
  auto undoEnabled = [] {
    return !(GetMenuState(g_app.mainMenu->handle(), ID_EDIT_UNDO, MF_BYCOMMAND) & MF_GRAYED);
  };
  auto redoEnabled = [] {
    return !(GetMenuState(g_app.mainMenu->handle(), ID_EDIT_REDO, MF_BYCOMMAND) & MF_GRAYED);
  };
  EXPECT_FALSE(undoEnabled());
  Cells(s, {{0, 0}});
  Cells(s, {{1, 0}, {2, 0}});  // one stroke, one step
  Cells(s, {{3, 0}});
  EXPECT_EQ(Row(s, 0), "0000............");
  EXPECT_TRUE(undoEnabled());
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  EXPECT_EQ(Row(s, 0), "0...............");
  EXPECT_TRUE(redoEnabled());
  ActivateAndDispatch(s, ID_EDIT_REDO);
  EXPECT_EQ(Row(s, 0), "000.............");
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  EXPECT_EQ(Row(s, 0), "................");
  EXPECT_FALSE(undoEnabled());
  ActivateAndDispatch(s, ID_EDIT_UNDO);  // nothing left: a beep, nothing changes
  EXPECT_EQ(Row(s, 0), "................");
  EXPECT_TRUE(Win(s).Modified());
  // A new stroke frees the redo tail.
  Cells(s, {{5, 0}});
  EXPECT_FALSE(redoEnabled());
  ActivateAndDispatch(s, ID_RAD_REDO);
  EXPECT_EQ(Row(s, 0), ".....0..........");
}

TEST_F(IconTools, SelectionLiftsMovesDropsAndGoesWithEscape) {
  const int s = OpenIcon("select.ico", {Clear16()});
  ASSERT_GE(s, 0);
  ClickColourBar(s, Swatch(9));
  Cells(s, {{0, 0}});
  ClickColourBar(s, Swatch(12));
  Cells(s, {{1, 0}});
  ClickColourBar(s, Swatch(16));  // transparent
  ClickColourBar(s, Swatch(15), true);  // white: what a lifted area becomes
  EXPECT_EQ(State(s).primaryColour, TransparentMarker);
  ClickTool(s, IconTool::kSelect);
  Cells(s, {{0, 0}, {1, 1}});
  ASSERT_EQ(State(s).selectionState, IconSelectionState::kMarked);
  EXPECT_TRUE(State(s).selection == (CellRect{0, 0, 1, 1}));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_CROSS));

  // A drag from inside lifts it (the area takes the secondary colour) and moves it.
  Cells(s, {{0, 0}, {2, 1}, {3, 2}});
  EXPECT_EQ(State(s).selectionState, IconSelectionState::kFloatingSelection);
  EXPECT_TRUE(State(s).selection == (CellRect{3, 2, 4, 3}));
  EXPECT_EQ(Row(s, 0), "ff..............");
  EXPECT_EQ(Row(s, 1), "ff..............");
  // A click outside drops it, its transparent pixels as well.
  Cells(s, {{12, 12}});
  EXPECT_FALSE(IconHasSelection(State(s)));
  EXPECT_EQ(Row(s, 2), "...9c...........");
  EXPECT_EQ(Row(s, 3), "................");

  // Esc after a lift: the pixels are gone, the area keeps the secondary colour.
  Cells(s, {{3, 2}, {4, 2}});
  Cells(s, {{3, 2}, {3, 6}});
  ASSERT_EQ(State(s).selectionState, IconSelectionState::kFloatingSelection);
  PostMessageA(ViewOf(s), WM_KEYDOWN, VK_ESCAPE, 1);
  PumpMessages(5);
  EXPECT_FALSE(IconHasSelection(State(s)));
  EXPECT_EQ(Row(s, 2), "...ff...........");
  EXPECT_EQ(Row(s, 6), "................");

  // Undo takes the lift back; choosing another tool drops a marked selection.
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  EXPECT_EQ(Row(s, 2), "...9c...........");
  Cells(s, {{0, 0}, {2, 2}});
  ASSERT_EQ(State(s).selectionState, IconSelectionState::kMarked);
  ClickTool(s, IconTool::kLine);
  EXPECT_FALSE(IconHasSelection(State(s)));
}

TEST_F(IconTools, ClipboardCopiesCutsAndPastesBitmaps) {
  const int s = OpenIcon("clip.ico", {Clear16()});
  ASSERT_GE(s, 0);
  ClickColourBar(s, Swatch(9));
  Cells(s, {{0, 0}});
  ClickColourBar(s, Swatch(12));
  Cells(s, {{1, 1}});
  ASSERT_TRUE(SaveDocument(s, nullptr));
  ASSERT_FALSE(Win(s).Modified());
  ClickTool(s, IconTool::kSelect);
  Cells(s, {{0, 0}, {1, 1}});
  const IconUndoRing ringBefore = State(s).undoRings[0];

  // Copy reads the model: no undo step, not modified, the selection stays marked.
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  ActivateAndDispatch(s, ID_EDIT_COPY);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_FALSE(Win(s).Modified());
  EXPECT_EQ(State(s).undoRings[0].position, ringBefore.position);
  EXPECT_EQ(CanUndoIconDoc(State(s)), CanUndoIconImage(ringBefore));
  EXPECT_EQ(State(s).selectionState, IconSelectionState::kMarked);

  // Paste floats the picture at the corner with the select tool; a click outside drops it.
  Cells(s, {{10, 10}});
  ClickTool(s, IconTool::kPen);
  Cells(s, {{0, 0}, {2, 0}});  // blue over the picture
  ActivateAndDispatch(s, ID_EDIT_PASTE);
  EXPECT_EQ(State(s).selectionState, IconSelectionState::kFloatingSelection);
  EXPECT_TRUE(State(s).selection == (CellRect{0, 0, 1, 1}));
  EXPECT_TRUE(ToolChecked(s, IconTool::kSelect));
  Cells(s, {{0, 0}, {5, 4}});  // move it
  Cells(s, {{12, 12}});        // drop it
  // The copy's transparent pixels are dropped as transparent; what it was copied from stays.
  EXPECT_EQ(Row(s, 4), ".....9..........");
  EXPECT_EQ(Row(s, 5), "......c.........");
  EXPECT_EQ(Row(s, 0), "ccc.............");

  // Cut puts the pixels on the clipboard and clears the area in one step.
  Cells(s, {{5, 4}, {6, 5}});
  ActivateAndDispatch(s, ID_EDIT_CUT);
  EXPECT_FALSE(IconHasSelection(State(s)));
  EXPECT_EQ(Row(s, 4), "................");
  EXPECT_EQ(Row(s, 5), "................");
  ActivateAndDispatch(s, ID_EDIT_UNDO);
  EXPECT_EQ(Row(s, 5), "......c.........");
  ActivateAndDispatch(s, ID_EDIT_PASTE);
  Cells(s, {{0, 0}, {9, 0}});
  Cells(s, {{15, 15}});
  EXPECT_EQ(Row(s, 0), "ccc......9......");
  EXPECT_EQ(Row(s, 1), ".c........c.....");
}

}  // namespace
