// The mouse in the editor window: clicks, drags, the margin, double-clicks,
// the wheel, the drag auto-scroll and the Ctrl-click link.
#include "editor_window_support.h"
#include "shell/app_win.h"

namespace {

class EditorMouse : public EditorWindow {};

TEST_F(EditorMouse, ClickShiftClickAndDrag) {
  const int s = NewDocument("abcdef\r\nghijkl");
  ASSERT_GE(s, 0);
  ASSERT_TRUE(WaitForForeground(g_app.frame));
  Mouse(s, WM_LBUTTONDOWN, Cell(s, 2, 0), MK_LBUTTON);
  Mouse(s, WM_LBUTTONUP, Cell(s, 2, 0));
  EXPECT_EQ((ViewPos{2, 0}), Caret(s));
  EXPECT_EQ(Editor(s), GetFocus());
  {
    HeldKeys shift(true, false);
    Mouse(s, WM_LBUTTONDOWN, Cell(s, 4, 1), MK_LBUTTON | MK_SHIFT);
    Mouse(s, WM_LBUTTONUP, Cell(s, 4, 1));
  }
  EXPECT_EQ("cdef\r\nghij", Selected(s));
  Mouse(s, WM_LBUTTONDOWN, Cell(s, 1, 0), MK_LBUTTON);
  EXPECT_EQ(Editor(s), GetCapture());
  Mouse(s, WM_MOUSEMOVE, Cell(s, 3, 1), MK_LBUTTON);
  Mouse(s, WM_LBUTTONUP, Cell(s, 3, 1));
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ("bcdef\r\nghi", Selected(s));
  // Half a cell rounds to the next boundary.
  POINT p = Cell(s, 2, 0);
  p.x += g_app.editorFonts.cx / 2 + 1;
  Mouse(s, WM_LBUTTONDOWN, p, MK_LBUTTON);
  Mouse(s, WM_LBUTTONUP, p);
  EXPECT_EQ((ViewPos{3, 0}), Caret(s));
}

TEST_F(EditorMouse, AClickThatScrollsPutsTheCaretOnItsRow) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row " + std::to_string(i) + "\r\n";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  ASSERT_TRUE(WaitForForeground(g_app.frame));
  const int cy = g_app.editorFonts.cy;
  RECT client;
  GetClientRect(Editor(s), &client);
  // Make the bottom row partly visible, then click it and the margin beside the last full row.
  MoveWindow(Editor(s), 0, 0, client.right, (client.bottom / cy) * cy + cy / 2, TRUE);
  GetClientRect(Editor(s), &client);
  const int full = client.bottom / cy;
  for (const bool margin : {false, true}) {
    SCOPED_TRACE(margin ? "margin" : "text");
    SendMessageA(Editor(s), WM_VSCROLL, SB_TOP, 0);
    const POINT at{margin ? 2 : View(s).GutterWidth() + 4, margin ? (full - 1) * cy + 2 : full * cy + 2};
    Mouse(s, WM_LBUTTONDOWN, at, MK_LBUTTON);
    Mouse(s, WM_LBUTTONUP, at);
    ASSERT_GT(VPos(s), 0);  // the click scrolled
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.y, (Doc(s).caretRow - VPos(s)) * cy);
  }
}

TEST_F(EditorMouse, MarginClickSelectsWholeLines) {
  const int s = NewDocument("a\r\nbb\r\nccc");
  ASSERT_GE(s, 0);
  ASSERT_GT(View(s).GutterWidth(), 2);
  Mouse(s, WM_LBUTTONDOWN, POINT{2, g_app.editorFonts.cy + 2}, MK_LBUTTON);
  Mouse(s, WM_LBUTTONUP, POINT{2, g_app.editorFonts.cy + 2});
  EXPECT_EQ("bb\r\n", Selected(s));
  // The last line has no CR LF: the selection ends with the text.
  Mouse(s, WM_LBUTTONDOWN, POINT{2, 2 * g_app.editorFonts.cy + 2}, MK_LBUTTON);
  Mouse(s, WM_LBUTTONUP, POINT{2, 2 * g_app.editorFonts.cy + 2});
  EXPECT_EQ("ccc", Selected(s));
  EXPECT_EQ(Doc(s).Length(), Doc(s).CaretByte());
}

TEST_F(EditorMouse, DoubleClickSelectsWords) {
  const int s = NewDocument("あいカタカナー漢字 obj.Name");
  ASSERT_GE(s, 0);
  auto doubleClick = [&](int col) {
    POINT p = Cell(s, col, 0);
    Mouse(s, WM_LBUTTONDOWN, p, MK_LBUTTON);
    Mouse(s, WM_LBUTTONUP, p);
    Mouse(s, WM_LBUTTONDBLCLK, p, MK_LBUTTON);
    Mouse(s, WM_LBUTTONUP, p);
  };
  doubleClick(6);  // inside the katakana run, with its prolonged-sound mark
  EXPECT_EQ("カタカナー", Selected(s));
  EXPECT_EQ((ViewPos{4, 0}), Caret(s));  // the caret at the word's start
  doubleClick(15);
  EXPECT_EQ("漢字", Selected(s));
  doubleClick(23);  // after the full stop: only "Name"
  EXPECT_EQ("Name", Selected(s));
  doubleClick(18);  // a space selects itself
  EXPECT_EQ(" ", Selected(s));
}

TEST_F(EditorMouse, WheelScrollsThreeRowsPerNotch) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row\r\n";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  SendMessageA(Editor(s), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-60)), 0);
  EXPECT_EQ(0, VPos(s));
  SendMessageA(Editor(s), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(3, VPos(s));
  SendMessageA(Editor(s), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-360)), 0);
  EXPECT_EQ(6, VPos(s));  // three rows whatever the multiple
  SendMessageA(Editor(s), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
  EXPECT_EQ(3, VPos(s));
}

TEST_F(EditorMouse, DragBelowTheWindowScrollsUntilRelease) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "row " + std::to_string(i) + "\r\n";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  HWND ed = Editor(s);
  RECT rc;
  GetClientRect(ed, &rc);
  Mouse(s, WM_LBUTTONDOWN, Cell(s, 1, 0), MK_LBUTTON);
  POINT below{View(s).GutterWidth() + 10, rc.bottom + 3 * g_app.editorFonts.cy};
  POINT screen = below;
  ClientToScreen(ed, &screen);
  SetCursorPos(screen.x, screen.y);
  Mouse(s, WM_MOUSEMOVE, below, MK_LBUTTON);
  EXPECT_TRUE(View(s).AutoScrolling());
  PumpMessages(600);
  const int scrolled = VPos(s);
  EXPECT_GT(scrolled, 0);
  EXPECT_GT(Doc(s).caretRow, 0);
  EXPECT_EQ((ViewPos{1, 0}), (ViewPos{Doc(s).anchorCol, Doc(s).anchorRow}));
  Mouse(s, WM_LBUTTONUP, below);
  EXPECT_FALSE(View(s).AutoScrolling());
  PumpMessages(200);
  EXPECT_EQ(scrolled, VPos(s));  // stopped with the release
}

TEST_F(EditorMouse, CtrlClickSendsTheWordToTheWebSearch) {
  const int s = NewDocument("Dim keyword As Long");
  ASSERT_GE(s, 0);
  View(s).SetSelection(0, 0, false);
  HeldKeys ctrl(false, true);
  Mouse(s, WM_MOUSEMOVE, Cell(s, 6, 0), MK_CONTROL);
  EXPECT_EQ(4, View(s).LinkStart());
  EXPECT_EQ(11, View(s).LinkEnd());
  Mouse(s, WM_LBUTTONDOWN, Cell(s, 6, 0), MK_LBUTTON | MK_CONTROL);
  Mouse(s, WM_LBUTTONUP, Cell(s, 6, 0));
  EXPECT_EQ("keyword", View(s).LinkWord());
  EXPECT_EQ((ViewPos{0, 0}), Caret(s));  // no caret change
  // Without Ctrl the range goes away.
  Mouse(s, WM_MOUSEMOVE, Cell(s, 6, 0), 0);
  EXPECT_EQ(-1, View(s).LinkStart());
}

}  // namespace
