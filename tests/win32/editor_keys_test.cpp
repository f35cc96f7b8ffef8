// Keys of the editor window sent as messages: selection, column memory,
// Ctrl moves, paging and the deletion rules.
#include "editor_window_support.h"
#include "resources/ids.h"

namespace {

class EditorKeys : public EditorWindow {};

TEST_F(EditorKeys, ShiftRightSelectsAndLeftCollapses) {
  const int s = NewDocument("abc\r\ndef");
  ASSERT_GE(s, 0);
  for (int i = 0; i < 3; ++i) Key(s, VK_RIGHT, true);
  EXPECT_EQ("abc", Selected(s));
  Key(s, VK_LEFT);
  EXPECT_EQ((ViewPos{0, 0}), Caret(s));
  EXPECT_EQ("", Selected(s));
}

TEST_F(EditorKeys, DownDownRemembersTheColumn) {
  const int s = NewDocument("0123456789abc\r\nxyz\r\n0123456789abc");
  ASSERT_GE(s, 0);
  View(s).SetSelection(7, 7, false);
  Key(s, VK_DOWN);
  EXPECT_EQ((ViewPos{3, 1}), Caret(s));
  Key(s, VK_DOWN);
  EXPECT_EQ((ViewPos{7, 2}), Caret(s));
  Key(s, VK_RIGHT);  // a horizontal move forgets it
  Key(s, VK_UP);
  Key(s, VK_UP);
  EXPECT_EQ((ViewPos{8, 0}), Caret(s));
}

TEST_F(EditorKeys, CtrlEndAndCtrlHomeScrollToTheirEnds) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "line " + std::to_string(i) + "\r\n";
  text += "last";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  Key(s, VK_END, false, true);
  EXPECT_EQ(Doc(s).Length(), Doc(s).CaretByte());
  EXPECT_EQ((ViewPos{4, 300}), Caret(s));
  const int page = View(s).Metrics().VerticalPage();
  EXPECT_EQ(300 - page, VPos(s));  // scrolled just far enough to show the caret
  Key(s, VK_HOME, true, true);  // Shift+Ctrl+Home selects everything
  EXPECT_EQ(text, Selected(s));
  EXPECT_EQ(0, VPos(s));
}

TEST_F(EditorKeys, PageDownMovesCaretAndViewTogether) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "row\r\n";
  const int s = NewDocument(text);
  ASSERT_GE(s, 0);
  const int page = View(s).Metrics().VerticalPage();
  ASSERT_GT(page, 2);
  View(s).SetSelection(Doc(s).LineStart(2), Doc(s).LineStart(2), false);
  Key(s, VK_NEXT);
  EXPECT_EQ(2 + page, Doc(s).caretRow);
  EXPECT_EQ(page, VPos(s));
  Key(s, VK_PRIOR);
  EXPECT_EQ(2, Doc(s).caretRow);
  EXPECT_EQ(0, VPos(s));
  // With the view scrolled away from the caret both move by a page: the
  // view is not pulled back to the caret.
  for (int i = 0; i < 100; ++i) SendMessageA(View(s).hwnd, WM_VSCROLL, SB_LINEDOWN, 0);
  ASSERT_EQ(100, VPos(s));
  Key(s, VK_NEXT);
  EXPECT_EQ(2 + page, Doc(s).caretRow);
  EXPECT_EQ(100 + page, VPos(s));
  // Select all leaves the view where it is.
  ActivateAndDispatch(s, ID_EDIT_SELECTALL);
  EXPECT_EQ(text, Selected(s));
  EXPECT_EQ(100 + page, VPos(s));
}

TEST_F(EditorKeys, WrappedRowsScrollHorizontallyInANarrowWindow) {
  const int s = NewDocument(std::string(300, 'x') + "\r\nend");
  ASSERT_GE(s, 0);
  ASSERT_FALSE(Doc(s).Layout().rightTurn);
  ActivateAndDispatch(s, ID_VIEW_RIGHTTURN);
  ASSERT_TRUE(Doc(s).Layout().rightTurn);
  const int wrap = Doc(s).Layout().maxOneLineTextLength;
  RECT client;
  GetClientRect(Editor(s), &client);
  MoveWindow(Editor(s), 0, 0, View(s).GutterWidth() + 20 * g_app.editorFonts.cx, client.bottom, TRUE);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE;
  ASSERT_TRUE(GetScrollInfo(Editor(s), SB_HORZ, &si));
  EXPECT_GE(si.nMax, wrap);
  // The end of a wrapped row can be reached.
  View(s).SetSelection(0, 0, false);
  Key(s, VK_END);
  EXPECT_EQ(wrap - 1, Doc(s).caretCol);  // the row's last cell: its end is the next row's start
  EXPECT_GT(View(s).ScrollPos(SB_HORZ), 0);
  ActivateAndDispatch(s, ID_VIEW_RIGHTTURN);
}

TEST_F(EditorKeys, DeleteAndBackspaceRules) {
  const int s = NewDocument("ab\r\ncd表");
  ASSERT_GE(s, 0);
  View(s).SetSelection(0, 0, false);
  Key(s, VK_BACK);  // nothing before the caret
  EXPECT_EQ("ab\r\ncd表", Doc(s).Substr(0, Doc(s).Length()));
  View(s).SetSelection(2, 2, false);
  Key(s, VK_DELETE);  // joins the lines
  EXPECT_EQ("abcd表", Doc(s).Substr(0, Doc(s).Length()));
  View(s).SetSelection(Doc(s).Length(), Doc(s).Length(), false);
  Key(s, VK_DELETE);  // at the end: nothing
  EXPECT_EQ("abcd表", Doc(s).Substr(0, Doc(s).Length()));
  Key(s, VK_BACK);  // a double-byte character goes whole
  EXPECT_EQ("abcd", Doc(s).Substr(0, Doc(s).Length()));
  View(s).SetSelection(3, 1, false);
  Key(s, VK_BACK);  // a selection is deleted
  EXPECT_EQ("ad", Doc(s).Substr(0, Doc(s).Length()));
}

TEST_F(EditorKeys, CharactersWithCtrlOrEscapeAreNotTyped) {
  const int s = NewDocument();
  ASSERT_GE(s, 0);
  SendMessageA(Editor(s), WM_CHAR, 'a', 1);
  {
    HeldKeys ctrl(false, true);
    SendMessageA(Editor(s), WM_CHAR, 'b', 1);
  }
  SendMessageA(Editor(s), WM_CHAR, 27, 1);
  SendMessageA(Editor(s), WM_CHAR, '\b', 1);
  EXPECT_EQ("a", Doc(s).Substr(0, Doc(s).Length()));
}

TEST_F(EditorKeys, CtrlReleaseClearsTheLink) {
  const int s = NewDocument("word here");
  ASSERT_GE(s, 0);
  {
    HeldKeys ctrl(false, true);
    Mouse(s, WM_MOUSEMOVE, Cell(s, 1, 0), MK_CONTROL);
  }
  EXPECT_EQ(0, View(s).LinkStart());
  EXPECT_EQ(4, View(s).LinkEnd());
  SendMessageA(Editor(s), WM_KEYUP, VK_CONTROL, 1);
  EXPECT_EQ(-1, View(s).LinkStart());
  EXPECT_EQ(-1, View(s).LinkEnd());
}

}  // namespace
