// Document windows, tabs, the document list box and the frame's close sequence.
#include <windows.h>
#include <commctrl.h>

#include "app_fixture.h"
#include "editor/editing.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"
#include "shell/tab_bar_win.h"
#include "test_support.h"

namespace {

class Documents : public AppFixture {};

int DocListCount() {
  return static_cast<int>(SendMessageA(Frame().docList, CB_GETCOUNT, 0, 0));
}

std::string DocListSelection() {
  HWND list = Frame().docList;
  const int i = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
  char text[300] = {};
  if (i >= 0) SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
  return text;
}

POINT TabCentre(int index) {
  RECT r;
  TabCtrl_GetItemRect(TabBarWindow(), index, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Drag(POINT from, POINT to) {
  HWND tabs = TabBarWindow();
  SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
  SendMessageA(tabs, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  SendMessageA(tabs, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  PumpMessages(10);
}

}  // namespace

TEST_F(Documents, SeveralDocumentsKeepTabsListAndWindowsInStep) {
  const int a = NewDocument();
  const int b = NewDocument();
  const int c = NewDocument();
  ASSERT_EQ(a, 0);
  ASSERT_EQ(b, 1);
  ASSERT_EQ(c, 2);
  EXPECT_EQ(Slot(a).title, "Document[1]");
  EXPECT_EQ(Slot(c).title, "Document[3]");
  EXPECT_EQ(TabCount(), 3);
  EXPECT_EQ(DocListCount(), 3);
  // The newest document is in front, selected and active.
  EXPECT_EQ(TabTitleAt(0), "Document[3]");
  EXPECT_EQ(ActiveSlot(), c);
  EXPECT_EQ(DocListSelection(), "Document[3]");

  SendMessageA(Slot(b).window, WM_CLOSE, 0, 0);
  PumpMessages(10);
  EXPECT_FALSE(Slot(b).InUse());
  EXPECT_EQ(TabCount(), 2);
  EXPECT_EQ(DocListCount(), 2);
  EXPECT_EQ(TabIndex("Document[2]"), -1);
  // The freed slot is reused; untitled numbers are not.
  const int d = NewDocument();
  EXPECT_EQ(d, b);
  EXPECT_EQ(Slot(d).title, "Document[4]");

  // Selecting a tab activates its document and follows in the list box.
  TabCtrl_SetCurSel(TabBarWindow(), TabIndex("Document[1]"));
  ActivateSelectedTab();
  PumpMessages(10);
  EXPECT_EQ(ActiveSlot(), a);
  EXPECT_EQ(DocListSelection(), "Document[1]");
}

TEST_F(Documents, ClosingTheLastDocumentTakesTheTabBarHeightAway) {
  const int a = NewDocument();
  EXPECT_GT(TabBarHeight(), 0);
  RECT client;
  GetWindowRect(FrameMdiClient(), &client);
  SendMessageA(Slot(a).window, WM_CLOSE, 0, 0);
  PumpMessages(10);
  EXPECT_EQ(TabCount(), 0);
  EXPECT_EQ(TabBarHeight(), 0);
  RECT after;
  GetWindowRect(FrameMdiClient(), &after);
  EXPECT_LT(after.top, client.top);
  EXPECT_EQ(ActiveSlot(), -1);
}

TEST_F(Documents, CancelAtTheFirstSavePromptKeepsEverythingOpen) {
  const int a = NewDocument("one");
  const int b = NewDocument("two");
  Doc(a).modified = 1;
  Doc(b).modified = 1;
  {
    MessageBoxRecorder boxes(IDCANCEL);
    SendMessageA(g_app.frame, WM_CLOSE, 0, 0);
    PumpMessages(10);
    ASSERT_EQ(boxes.texts.size(), 1u);
    // The top document is asked about first.
    EXPECT_EQ(boxes.texts[0], "\"Document[2]\" ファイルは変更されています。保存しますか？");
    EXPECT_EQ(boxes.captions[0], "Quillet");
  }
  EXPECT_TRUE(IsWindow(g_app.frame));
  EXPECT_TRUE(Slot(a).InUse());
  EXPECT_TRUE(Slot(b).InUse());
  EXPECT_EQ(Doc(a).modified, 1);
  EXPECT_EQ(Doc(b).modified, 1);
}

TEST_F(Documents, TheSessionEndsOnlyAfterTheQuestionsAndThenCloses) {
  const int a = NewDocument("one");
  Doc(a).modified = 1;
  HWND frame = g_app.frame;
  {
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_EQ(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_TRUE(Slot(a).InUse());
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_EQ(SendMessageA(frame, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(boxes.texts.size(), 1u);
    // Another program refused the end: everything stays.
    SendMessageA(frame, WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_TRUE(Slot(a).InUse());
    // The session ends: no second question, and the program closes.
    SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
    PumpMessages(10);
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_FALSE(IsWindow(frame));
}

// Answers Yes to a dialog the shell shows on this thread (it asks before
// deleting for good where there is no recycle bin).
BOOL CALLBACK AnswerYesIfAsking(HWND w, LPARAM) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (IsWindowVisible(w) && std::string(cls) == "#32770" && GetDlgItem(w, IDYES))
    PostMessageA(w, WM_COMMAND, IDYES, 0);
  return TRUE;
}
void CALLBACK AnswerShellYes(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), AnswerYesIfAsking, 0);
}

TEST_F(Documents, MovingALockedFileToTheRecycleBinKeepsItsDocument) {
  const std::string dir = MakeTempFolder("recycle");
  const std::string path = dir + "locked.txt";
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  CloseHandle(f);
  HWND w = OpenFileByPath(path);
  ASSERT_NE(w, nullptr);
  const int slot = g_app.docs.SlotOfWindow(w);
  Doc(slot).modified = 1;
  // Held open without sharing: the shell cannot move it.
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  {
    MessageBoxRecorder boxes(IDOK);
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, AnswerShellYes);
    ActivateAndDispatch(slot, ID_TAB_RECYCLE);
    KillTimer(nullptr, timer);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[1], "\"locked.txt\" をごみ箱に移動できませんでした。");
  }
  CloseHandle(lock);
  EXPECT_TRUE(Slot(slot).InUse());
  EXPECT_EQ(Doc(slot).modified, 1);
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  // Cancel at the question leaves everything too.
  {
    MessageBoxRecorder boxes(IDCANCEL);
    ActivateAndDispatch(slot, ID_TAB_RECYCLE);
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_TRUE(Slot(slot).InUse());
  Doc(slot).modified = 0;
  RemoveTree(dir);
}

TEST_F(Documents, NoAtEveryPromptClosesTheProgram) {
  const int a = NewDocument("one");
  Doc(a).modified = 1;
  MessageBoxRecorder boxes(IDNO);
  HWND frame = g_app.frame;
  SendMessageA(frame, WM_CLOSE, 0, 0);
  PumpMessages(10);
  EXPECT_EQ(boxes.texts.size(), 1u);
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(Documents, DraggingATabMovesItUnlessTheCursorWouldLeaveIt) {
  const int wide = NewDocument();
  const int narrow = NewDocument();
  RetitleDocument(wide, "a_rather_long_document_title.txt");
  RetitleDocument(narrow, "n.txt");
  // Order: narrow (newest, index 0), wide (index 1). Dropping the narrow tab near
  // the wide tab's right edge leaves the cursor over it after the move: wide, narrow.
  RECT first;
  TabCtrl_GetItemRect(TabBarWindow(), 1, &first);
  Drag(TabCentre(0), POINT{first.right - 3, TabCentre(1).y});
  ASSERT_EQ(TabTitleAt(0), "a_rather_long_document_title.txt");
  ASSERT_EQ(TabTitleAt(1), "n.txt");

  // Dropping the narrow tab near the wide tab's right edge would leave the
  // cursor over the wide tab after the move: the order stays.
  RECT wideRect;
  TabCtrl_GetItemRect(TabBarWindow(), 0, &wideRect);
  Drag(TabCentre(1), POINT{wideRect.right - 4, TabCentre(0).y});
  EXPECT_EQ(TabTitleAt(0), "a_rather_long_document_title.txt");
  EXPECT_EQ(TabTitleAt(1), "n.txt");

  // Near its left edge the move sticks.
  Drag(TabCentre(1), POINT{wideRect.left + 3, TabCentre(0).y});
  EXPECT_EQ(TabTitleAt(0), "n.txt");
  EXPECT_EQ(TabTitleAt(1), "a_rather_long_document_title.txt");
}

TEST_F(Documents, TabColoursAndRename) {
  const int a = NewDocument();
  SendMessageA(g_app.frame, WM_COMMAND, ID_TABCOLOR_GREEN, 0);
  EXPECT_EQ(TabColour(Slot(a).title), 0xC8FFC8u);
  SendMessageA(g_app.frame, WM_COMMAND, ID_TABCOLOR_WHITE, 0);
  EXPECT_EQ(TabColour(Slot(a).title), 0xFFFFFFu);
  RetitleDocument(a, "renamed.txt");
  EXPECT_EQ(TabIndex("renamed.txt"), 0);
  EXPECT_EQ(TabColour("renamed.txt"), 0xFFFFFFu);
  EXPECT_EQ(DocListSelection(), "renamed.txt");
  char text[64] = {};
  GetWindowTextA(Slot(a).window, text, sizeof text);
  EXPECT_STREQ(text, "renamed.txt");
}

TEST_F(Documents, CommandStatesFollowTheActiveDocument) {
  HMENU menu = GetMenu(g_app.frame);
  ASSERT_NE(menu, nullptr);
  RefreshCommandStates();
  EXPECT_TRUE(GetMenuState(menu, ID_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, ID_SEARCH_FIND, MF_BYCOMMAND) & MF_GRAYED);
  const int a = NewDocument("text");
  EXPECT_FALSE(GetMenuState(menu, ID_FILE_SAVE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, ID_SEARCH_FIND, MF_BYCOMMAND) & MF_GRAYED);
  // No selection: cut, copy and the conversions are greyed.
  EXPECT_TRUE(GetMenuState(menu, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(GetMenuState(menu, ID_CONV_UPPER, MF_BYCOMMAND) & MF_GRAYED);
  View(a).SetSelection(4, 0, false);
  RefreshCommandStates();
  EXPECT_FALSE(GetMenuState(menu, ID_EDIT_COPY, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, ID_CONV_UPPER, MF_BYCOMMAND) & MF_GRAYED);
  // A Text document does not enable the compile commands.
  EXPECT_TRUE(GetMenuState(menu, ID_BUILD_DEBUG, MF_BYCOMMAND) & MF_GRAYED);
  NewDocument("Dim a As Long", DocumentKind::kSource);
  EXPECT_FALSE(GetMenuState(menu, ID_BUILD_DEBUG, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(Documents, AModifiedDocumentShowsAMarkUntilItIsSaved) {
  const std::string dir = MakeTempFolder("mark");
  const int slot = NewDocument("x");
  const std::string title = Slot(slot).title;
  auto windowText = [&] {
    char text[MAX_PATH] = {};
    GetWindowTextA(Slot(slot).window, text, sizeof text);
    return std::string(text);
  };
  EXPECT_EQ(windowText(), title);
  EditSelection(Editable(slot), "y");
  View(slot).AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  EXPECT_EQ(windowText(), title + " *");
  EXPECT_EQ(TabTitleAt(TabIndex(title)), title);  // lookups by title still find it
  {
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_FALSE(ConfirmSaveBeforeClose(slot));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + title + "\" ファイルは変更されています。保存しますか？");
  }
  ASSERT_TRUE(SaveDocument(slot, (dir + "marked.txt").c_str()));
  EXPECT_EQ(windowText(), "marked.txt");
  EXPECT_EQ(TabIndex("marked.txt"), 0);
  RemoveTree(dir);
}

TEST_F(Documents, MinimiseAndRestoreLeaveNoBandAboveTheTabs) {
  NewDocument("x");
  auto gap = [] {
    RECT rebar, tabs;
    GetWindowRect(Frame().rebar, &rebar);
    GetWindowRect(TabBarWindow(), &tabs);
    return tabs.top - rebar.bottom;
  };
  for (const int shown : {SW_MAXIMIZE, SW_RESTORE}) {
    ShowWindow(g_app.frame, shown);
    PumpMessages(20);
    const int before = gap();
    ShowWindow(g_app.frame, SW_MINIMIZE);
    PumpMessages(20);
    ShowWindow(g_app.frame, shown);
    PumpMessages(20);
    EXPECT_EQ(gap(), before) << shown;
    EXPECT_LE(gap(), 2) << shown;
  }
}

TEST_F(Documents, StatusBarShowsSizePositionAndCodes) {
  const int a = NewDocument(std::string(1024, 'x'));
  (void)a;
  RefreshStatusBar();
  char text[64] = {};
  SendMessageA(FrameStatusBar(), SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "サイズ: 1.00KB");
  SendMessageA(FrameStatusBar(), SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "1 行、1 列");
  SendMessageA(FrameStatusBar(), SB_GETTEXTA, 3, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Shift-JIS");
  SendMessageA(FrameStatusBar(), SB_GETTEXTA, 4, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "CRLF");
}

TEST_F(Documents, MenuHelpCoversTheStatusTextOnlyWhileTheMenuIsOpen) {
  NewDocument("x");
  RefreshStatusBar("MsgBox hWnd, String$");  // a parameter hint in the status bar
  auto pane0 = [] {
    char text[128] = {};
    SendMessageA(FrameStatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return std::string(text);
  };
  const WPARAM popup = MAKEWPARAM(0, MF_POPUP);
  SendMessageA(g_app.frame, WM_MENUSELECT, popup, reinterpret_cast<LPARAM>(g_app.mainMenu->handle()));
  EXPECT_EQ(pane0(), "MsgBox hWnd, String$");
  SendMessageA(g_app.frame, WM_MENUSELECT, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
  EXPECT_EQ(pane0(), "アプリケーションの終了と内容の保存確認をします");
  SendMessageA(g_app.frame, WM_MENUSELECT, MAKEWPARAM(ID_RECENT_FILE_FIRST, 0), 0);  // no help text
  EXPECT_EQ(pane0(), "MsgBox hWnd, String$");
  SendMessageA(g_app.frame, WM_MENUSELECT, MAKEWPARAM(ID_FILE_EXIT, 0), 0);
  SendMessageA(g_app.frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);  // closed
  EXPECT_EQ(pane0(), "MsgBox hWnd, String$");
}

TEST_F(Documents, ClosingTheLastDocumentEmptiesTheStatusBarAndTheList) {
  const int a = NewDocument(std::string(1024, 'x'));
  RefreshStatusBar();
  SendMessageA(Slot(a).window, WM_CLOSE, 0, 0);
  PumpMessages(10);
  char text[64] = {};
  for (int pane = 1; pane <= 4; ++pane) {
    SendMessageA(FrameStatusBar(), SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "") << pane;
  }
  EXPECT_EQ(SendMessageA(Frame().docList, CB_GETCURSEL, 0, 0), CB_ERR);
  GetWindowTextA(Frame().docList, text, sizeof text);
  EXPECT_STREQ(text, "");
}

TEST_F(Documents, ThePanesSplitterClampsAtTheWindowEdges) {
  // The web pane's splitter is the one the frame always owns.
  Frame().webPaneShown = true;
  FrameRelayout();
  RECT client;
  GetClientRect(g_app.frame, &client);
  RECT pane;
  GetWindowRect(Frame().webPane, &pane);
  MapWindowPoints(nullptr, g_app.frame, reinterpret_cast<POINT*>(&pane), 2);
  const int x = pane.left - 2, y = (pane.top + pane.bottom) / 2;
  SendMessageA(g_app.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(g_app.frame, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, y));
  SendMessageA(g_app.frame, WM_LBUTTONUP, 0, MAKELPARAM(0, y));
  EXPECT_EQ(g_app.settings.width_WebSearchView, client.right - 100);
  GetWindowRect(Frame().webPane, &pane);
  MapWindowPoints(nullptr, g_app.frame, reinterpret_cast<POINT*>(&pane), 2);
  const int x2 = pane.left - 2;
  SendMessageA(g_app.frame, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x2, y));
  SendMessageA(g_app.frame, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 500, y));
  SendMessageA(g_app.frame, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 500, y));
  EXPECT_EQ(g_app.settings.width_WebSearchView, 100);
}
