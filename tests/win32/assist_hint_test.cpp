// Parameter hints typed through the editor window: the statement table and
// declared procedures, the bold argument, the status-bar variant, the help
// corner and the window's drawing.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "assist/assist_hooks_win.h"
#include "assist_test_support.h"
#include "shell/frame_win.h"

namespace {

class AssistHint : public AssistFixture {
 protected:
  void SetUp() override {
    AssistFixture::SetUp();
    g_app.settings.ParameterHint = 1;
  }
};

const char kMsgBox[] = "MsgBox hWnd, String$, [Title$], [BoxType], [retAns]";

std::string StatusPane0() {
  char text[512] = {};
  SendMessageA(Frame().statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace

TEST_F(AssistHint, MsgBoxShowsItsSyntaxWithTheCurrentArgumentBold) {
  const int slot = Open("");
  Type(slot, "MsgBox ");
  EXPECT_EQ(HintTextForTest(), kMsgBox);
  EXPECT_EQ(HintBoldArgumentForTest(), "hWnd");
  HWND hint = HintWindowForTest();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  ExpectFocusOutsidePopups();
  Type(slot, "h,");
  EXPECT_EQ(HintBoldArgumentForTest(), "String$");
  Type(slot, " \"a, b\",");  // a comma inside a string is no separator
  EXPECT_EQ(HintBoldArgumentForTest(), "[Title$]");
  EXPECT_EQ(HintWindowForTest(), hint);
  SendMessageA(Editor(slot), WM_CHAR, 27, 0);
  EXPECT_EQ(HintTextForTest(), "");
  EXPECT_EQ(HintWindowForTest(), nullptr);
  EXPECT_FALSE(IsWindow(hint));
}

TEST_F(AssistHint, WindowSitsOneLineBelowTheCaretAndKeepsItsX) {
  const int slot = Open("");
  Type(slot, "MsgBox ");
  HWND hint = HintWindowForTest();
  ASSERT_NE(hint, nullptr);
  RECT first;
  GetWindowRect(hint, &first);
  POINT caret{};
  int cx = 0, cy = 0;
  ASSERT_TRUE(View(slot).CaretScreenPoint(caret, cx, cy));
  const LONG height = g_app.settings.EditorFont.lfHeight;
  EXPECT_EQ(first.left, caret.x - 20);
  EXPECT_EQ(first.top, caret.y + (height < 0 ? -height : height));
  Type(slot, "hWnd, ");
  RECT second;
  GetWindowRect(hint, &second);
  EXPECT_EQ(second.left, first.left);
  EXPECT_EQ(second.top, first.top);
  // Drawing: black border, the hint colour inside, the help bitmap in the corner.
  RedrawWindow(hint, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT client;
  GetClientRect(hint, &client);
  HDC dc = GetDC(hint);
  EXPECT_EQ(GetPixel(dc, 0, 0), 0u);
  EXPECT_EQ(GetPixel(dc, client.right - 1, client.bottom - 1), 0u);
  EXPECT_EQ(GetPixel(dc, 1, client.bottom - 2), 0xB4FFFFu);
  COLORREF corner = GetPixel(dc, client.right - 14, client.bottom - 14);
  ReleaseDC(hint, dc);
  EXPECT_NE(corner, 0xB4FFFFu);
}

TEST_F(AssistHint, ADeclaredSubShowsItsParametersUntilTheCallCloses) {
  const int slot = Open("Sub Foo(a As Long, b As String)\r\nEnd Sub\r\nSub Main()\r\n  ");
  Type(slot, "Foo(");
  EXPECT_EQ(HintTextForTest(), "Foo(a As Long, b As String)");
  EXPECT_EQ(HintBoldArgumentForTest(), "a As Long");
  Type(slot, "1, ");
  EXPECT_EQ(HintBoldArgumentForTest(), "b As String");
  Type(slot, "\"x\")");
  EXPECT_EQ(HintTextForTest(), "Foo(a As Long, b As String)");
  EXPECT_EQ(HintBoldArgumentForTest(), "");
  // A new line ends the hint.
  Type(slot, "\r");
  EXPECT_EQ(HintTextForTest(), "");
}

TEST_F(AssistHint, NoHintInCommentsAndStrings) {
  const int slot = Open("Sub Foo(a As Long)\r\nEnd Sub\r\n");
  Type(slot, "' Foo(");
  EXPECT_EQ(HintTextForTest(), "");
  Type(slot, "\rs = \"Foo(");
  EXPECT_EQ(HintTextForTest(), "");
}

TEST_F(AssistHint, NoHintOnALineInsideABlockCommentOfEarlierLines) {
  const int open = Open("Sub Main()\r\n/* notes\r\n");
  Type(open, "MsgBox ");
  EXPECT_EQ(HintTextForTest(), "");
  Type(open, "*/\r");
  Type(open, "MsgBox ");
  EXPECT_EQ(HintTextForTest(), kMsgBox);
  SendMessageA(Editor(open), WM_CHAR, 27, 0);
  // A comment closed on an earlier line, and "/*" inside a string, open nothing.
  const int closed = Open("/* a\r\n b */\r\ns = \"/*\"\r\n");
  Type(closed, "MsgBox ");
  EXPECT_EQ(HintTextForTest(), kMsgBox);
}

TEST_F(AssistHint, MovingAboveTheHintLineClosesIt) {
  const int slot = Open("a = 1\r\n");
  Type(slot, "MsgBox ");
  ASSERT_NE(HintWindowForTest(), nullptr);
  Key(slot, VK_UP);
  EXPECT_EQ(HintWindowForTest(), nullptr);
  EXPECT_EQ(HintTextForTest(), "");
}

TEST_F(AssistHint, SettingTwoWritesTheHintToTheStatusBarInstead) {
  g_app.settings.ParameterHint = 2;
  const int slot = Open("");
  Type(slot, "MsgBox ");
  EXPECT_EQ(HintWindowForTest(), nullptr);
  EXPECT_EQ(StatusPane0(), kMsgBox);
  Type(slot, "h");  // caret updates refresh the status bar; the hint stays
  EXPECT_EQ(StatusPane0(), kMsgBox);
  SendMessageA(Editor(slot), WM_CHAR, 27, 0);
  EXPECT_EQ(StatusPane0(), "");
}

TEST_F(AssistHint, ChangingTheSettingMovesAShownHint) {
  const int slot = Open("");
  Type(slot, "MsgBox ");
  ASSERT_NE(HintWindowForTest(), nullptr);
  g_app.settings.ParameterHint = 2;
  Type(slot, "h,");
  EXPECT_EQ(HintWindowForTest(), nullptr);
  EXPECT_EQ(HintBoldArgumentForTest(), "String$");
  EXPECT_EQ(StatusPane0(), kMsgBox);
  g_app.settings.ParameterHint = 1;
  Type(slot, " s,");
  EXPECT_NE(HintWindowForTest(), nullptr);
  EXPECT_EQ(StatusPane0(), "");
}

TEST_F(AssistHint, SettingZeroShowsNothing) {
  g_app.settings.ParameterHint = 0;
  const int slot = Open("");
  Type(slot, "MsgBox ");
  EXPECT_EQ(HintTextForTest(), "");
  EXPECT_EQ(HintWindowForTest(), nullptr);
}

TEST_F(AssistHint, HelpCornerReportsAMissingHelpFile) {
  const int slot = Open("");
  Type(slot, "MsgBox ");
  HWND hint = HintWindowForTest();
  ASSERT_NE(hint, nullptr);
  RECT client;
  GetClientRect(hint, &client);
  MessageBoxRecorder boxes(IDOK);
  SendMessageA(hint, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5, client.bottom - 5));
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "ヘルプファイル \"" + g_app.ProgramDir + "Mirelda.chm\" が見つかりません。");
  EXPECT_EQ(boxes.captions[0], "Quillet");
  // A click elsewhere only gives the focus back.
  SendMessageA(hint, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(boxes.texts.size(), 1u);
  EXPECT_TRUE(IsWindow(hint));
}

TEST_F(AssistHint, MethodOfAnObjectFromItsClassAndBase) {
  const int slot = Open(
      "Class Base\r\nPublic\r\n  Sub Draw(x As Long, y As Long)\r\n  End Sub\r\nEnd Class\r\n"
      "Class Shape\r\n  Inherits Base\r\nPublic\r\n  Sub Fill(colour As Long)\r\n  End Sub\r\nEnd Class\r\n"
      "Sub Main()\r\n  Dim s As Shape\r\n  ");
  Type(slot, "s.");
  CloseCompletionList();
  Type(slot, "Draw(1,");
  EXPECT_EQ(HintTextForTest(), "Draw(x As Long, y As Long)");
  EXPECT_EQ(HintBoldArgumentForTest(), "y As Long");
}
