// The find and replace dialogs, the match list and F3, driven through the
// program's own modal dialogs: a thread timer runs each test's steps inside
// the dialog's message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "app_fixture.h"
#include "editor/editing.h"
#include "resources/ids.h"
#include "search/search_dialogs_win.h"
#include "shell/command_table_win.h"
#include "shell/frame_win.h"
#include "test_support.h"

namespace {

std::function<void(HWND)> g_steps;
HWND g_seen = nullptr;

BOOL CALLBACK FindModal(HWND w, LPARAM out) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) == "#32770" && IsWindowVisible(w) && GetWindow(w, GW_OWNER) == g_app.frame &&
      w != MatchListWindow()) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog) return;
  KillTimer(nullptr, id);
  g_seen = dialog;
  std::function<void(HWND)> steps = std::move(g_steps);
  g_steps = nullptr;
  if (steps) steps(dialog);
  // Ends the dialog unless the steps did (a second end is harmless).
  if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Opens a modal dialog with `open` and runs `steps` on it once it is up;
// returns the dialog's window (null when none came up).
HWND RunDialog(const std::function<void()>& open, std::function<void(HWND)> steps) {
  g_steps = std::move(steps);
  g_seen = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
  open();
  KillTimer(nullptr, timer);
  g_steps = nullptr;
  return g_seen;
}

void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

std::string Text(HWND dialog, int id) {
  char buf[9000] = {};
  GetDlgItemTextA(dialog, id, buf, sizeof buf);
  return buf;
}

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

std::string ListEntry(HWND list, int i) {
  const int len = static_cast<int>(SendMessageA(list, LB_GETTEXTLEN, i, 0));
  if (len < 0) return std::string();
  std::string s(static_cast<size_t>(len) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&s[0]));
  s.resize(static_cast<size_t>(len));
  return s;
}

class FindDialogs : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    g_app.settings.findHistory = SearchHistory{};
    g_app.settings.replaceHistory = SearchHistory{};
    g_app.settings.IsFindStrBigSmall = 0;
    g_app.settings.IsRegExp = 0;
  }
  void TearDown() override {
    if (HWND list = MatchListWindow()) DestroyWindow(list);
    AppFixture::TearDown();
  }
  // Selection of a document as [start, end).
  std::pair<int, int> Selection(int slot) {
    int s, e;
    Doc(slot).SelectionBytes(s, e);
    return {s, e};
  }
  std::string All(int slot) { return Doc(slot).Substr(0, Doc(slot).Length()); }
  // Opens the find dialog, types `text` and presses find next.
  void FindOnce(const std::string& text, bool matchCase = false, bool regex = false) {
    RunDialog(ShowFindDialog, [&](HWND d) {
      SetText(d, IDC_FIND_TEXT, text);
      Check(d, IDC_FIND_MATCHCASE, matchCase);
      Check(d, IDC_FIND_REGEXP, regex);
      Click(d, IDOK);
    });
  }
};

}  // namespace

TEST_F(FindDialogs, OpeningFillsTheFieldsFromSettingsHistoryAndSelection) {
  g_app.settings.findHistory[0] = "newest";
  g_app.settings.findHistory[1] = "older";
  g_app.settings.replaceHistory[0] = "with";
  g_app.settings.IsFindStrBigSmall = 1;
  const int slot = NewDocument("one 表示 two");
  View(slot).SetSelection(10, 4, false);  // "表示 t"
  HWND seen = RunDialog(ShowReplaceDialog, [](HWND d) {
    EXPECT_EQ(Text(d, IDC_FIND_TEXT), "表示 t");
    EXPECT_EQ(SendDlgItemMessageA(d, IDC_FIND_TEXT, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Text(d, IDC_REPLACE_TEXT), "with");
    EXPECT_EQ(IsDlgButtonChecked(d, IDC_FIND_MATCHCASE), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(d, IDC_FIND_REGEXP), BST_UNCHECKED);
    EXPECT_TRUE(WaitForForeground(d));
    EXPECT_EQ(GetFocus(), GetWindow(GetDlgItem(d, IDC_FIND_TEXT), GW_CHILD));
    // Centred on the frame.
    RECT f, r;
    GetWindowRect(g_app.frame, &f);
    GetWindowRect(d, &r);
    EXPECT_LE(std::abs((f.left + f.right) - (r.left + r.right)), 2);
    EXPECT_LE(std::abs((f.top + f.bottom) - (r.top + r.bottom)), 2);
  });
  EXPECT_NE(seen, nullptr);
  // Without a selection the newest history entry is offered.
  View(slot).SetSelection(0, 0, false);
  RunDialog(ShowFindDialog, [](HWND d) { EXPECT_EQ(Text(d, IDC_FIND_TEXT), "newest"); });
}

TEST_F(FindDialogs, FindNextAsksBeforeWrappingAndObeysTheAnswer) {
  const int slot = NewDocument("abc\r\nxyz abc tail");
  View(slot).SetSelection(Doc(slot).Length(), Doc(slot).Length(), false);
  {
    MessageBoxRecorder boxes(IDNO);
    FindOnce("abc");
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "ファイルの最初から検索しますか？");
    EXPECT_EQ(boxes.captions[0], "Wrenfold - Search");
  }
  EXPECT_EQ(Selection(slot), std::make_pair(Doc(slot).Length(), Doc(slot).Length()));
  {
    MessageBoxRecorder boxes(IDYES);
    FindOnce("abc");
    EXPECT_EQ(boxes.texts.size(), 1u);
  }
  EXPECT_EQ(Selection(slot), std::make_pair(0, 3));
  // The next one follows without a question; the search text is remembered with the options.
  {
    MessageBoxRecorder boxes(IDNO);
    FindOnce("abc", true);
    EXPECT_TRUE(boxes.texts.empty());
  }
  EXPECT_EQ(Selection(slot), std::make_pair(9, 12));
  EXPECT_EQ(g_app.settings.findHistory[0], "abc");
  EXPECT_TRUE(g_app.settings.findHistory[1].empty());
  EXPECT_EQ(g_app.settings.IsFindStrBigSmall, 1);
}

TEST_F(FindDialogs, TextThatDoesNotOccurIsReportedOnce) {
  const int slot = NewDocument("abc abc");
  View(slot).SetSelection(3, 3, false);
  MessageBoxRecorder boxes(IDYES);
  FindOnce("zzz");
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "文字列 \"zzz\" が見つかりません");
  EXPECT_EQ(boxes.captions[0], "Wrenfold - Search");
  EXPECT_EQ(Selection(slot), std::make_pair(3, 3));
}

TEST_F(FindDialogs, LowerCaseSearchFindsUpperCaseUnlessCaseMatters) {
  const int slot = NewDocument("say HELLO");
  MessageBoxRecorder boxes(IDYES);
  FindOnce("hello", false);
  EXPECT_EQ(Selection(slot), std::make_pair(4, 9));
  EXPECT_TRUE(boxes.texts.empty());
  View(slot).SetSelection(0, 0, false);
  FindOnce("hello", true);
  EXPECT_EQ(Selection(slot), std::make_pair(0, 0));
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "文字列 \"hello\" が見つかりません");
}

TEST_F(FindDialogs, RegexErrorsShowTheLibraryMessageAndStop) {
  const int slot = NewDocument("(a)");
  MessageBoxRecorder boxes(IDOK);
  FindOnce("(a", false, true);
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.captions[0], "Quillet");
  EXPECT_FALSE(boxes.texts[0].empty());
  EXPECT_EQ(Selection(slot), std::make_pair(0, 0));
  EXPECT_EQ(g_app.settings.IsRegExp, 1);
}

TEST_F(FindDialogs, LongSearchTextsAreCutWithoutSplittingACharacter) {
  NewDocument("x");
  MessageBoxRecorder boxes(IDOK);
  const std::string text = std::string(258, 'a') + "表示";
  FindOnce(text);
  EXPECT_EQ(g_app.settings.findHistory[0], std::string(258, 'a'));
  ASSERT_EQ(boxes.texts.size(), 1u);
}

TEST_F(FindDialogs, ListAllListsEachLineOnceAndJumpsToIt) {
  const int slot = NewDocument("ab ab ab\r\nxx\r\n\tlast ab");
  MessageBoxRecorder boxes(IDOK);
  HWND find = RunDialog(ShowFindDialog, [](HWND d) {
    SetText(d, IDC_FIND_TEXT, "ab");
    Click(d, IDC_FIND_LISTALL);
  });
  ASSERT_NE(find, nullptr);
  EXPECT_FALSE(IsWindow(find));
  HWND listWindow = MatchListWindow();
  ASSERT_NE(listWindow, nullptr);
  EXPECT_EQ(GetWindow(listWindow, GW_OWNER), g_app.frame);
  HWND list = GetDlgItem(listWindow, IDC_MATCH_LIST);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(ListEntry(list, 0), "Line:1  ab ab ab");
  EXPECT_EQ(ListEntry(list, 1), "Line:3  \tlast ab");
  EXPECT_TRUE(boxes.texts.empty());

  // The list fills the client area below a 26-pixel band, also after resizing.
  SetWindowPos(listWindow, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  RECT client, box;
  GetClientRect(listWindow, &client);
  GetWindowRect(list, &box);
  MapWindowPoints(nullptr, listWindow, reinterpret_cast<POINT*>(&box), 2);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 26);
  EXPECT_EQ(box.right, client.right);
  EXPECT_EQ(box.bottom, client.bottom);

  SendMessageA(list, LB_SETCURSEL, 1, 0);
  ASSERT_TRUE(WaitForForeground(listWindow));
  Click(listWindow, IDC_MATCH_JUMP);
  EXPECT_EQ(Selection(slot), std::make_pair(14, 22));
  EXPECT_EQ(GetFocus(), Editor(slot));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(listWindow, WM_COMMAND, MAKEWPARAM(IDC_MATCH_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(Selection(slot), std::make_pair(0, 8));

  // A new list replaces the old one.
  RunDialog(ShowFindDialog, [](HWND d) {
    SetText(d, IDC_FIND_TEXT, "xx");
    Click(d, IDC_FIND_LISTALL);
  });
  EXPECT_FALSE(IsWindow(listWindow));
  ASSERT_NE(MatchListWindow(), nullptr);
  list = GetDlgItem(MatchListWindow(), IDC_MATCH_LIST);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(ListEntry(list, 0), "Line:2  xx");

  // Once the document is closed a jump only beeps.
  Editable(slot).doc.modified = false;
  SendMessageA(Slot(slot).window, WM_CLOSE, 0, 0);
  PumpMessages(10);
  ASSERT_FALSE(Slot(slot).InUse());
  Click(MatchListWindow(), IDC_MATCH_JUMP);
  // Close frees the list.
  Click(MatchListWindow(), IDCANCEL);
  EXPECT_EQ(MatchListWindow(), nullptr);
}

TEST_F(FindDialogs, ReplaceWithoutAMatchInTheSelectionOnlyMovesOn) {
  const int slot = NewDocument("foo bar foo");
  View(slot).SetSelection(7, 4, false);  // "bar"
  MessageBoxRecorder boxes(IDNO);
  RunDialog(ShowReplaceDialog, [&](HWND d) {
    SetText(d, IDC_FIND_TEXT, "fo+");
    SetText(d, IDC_REPLACE_TEXT, "X");
    Check(d, IDC_FIND_REGEXP, true);
    Click(d, IDC_REPLACE_ONE);
    EXPECT_EQ(All(slot), "foo bar foo");
    EXPECT_EQ(Selection(slot), std::make_pair(8, 11));
    // Now the selection is a match: it is replaced, then the search goes on and asks to wrap.
    Click(d, IDC_REPLACE_ONE);
    EXPECT_EQ(All(slot), "foo bar X");
  });
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "ファイルの最初から検索しますか？");
  EXPECT_EQ(g_app.settings.findHistory[0], "fo+");
  EXPECT_EQ(g_app.settings.replaceHistory[0], "X");
  EXPECT_EQ(g_app.settings.IsRegExp, 1);
  ASSERT_TRUE(Undo(Editable(slot)));
  EXPECT_EQ(All(slot), "foo bar foo");
}

TEST_F(FindDialogs, ReplaceAllIsOneUndoStepAndCountsItsReplacements) {
  const int slot = NewDocument("a b a\r\na");
  View(slot).SetSelection(5, 5, false);
  MessageBoxRecorder boxes(IDYES);
  RunDialog(ShowReplaceDialog, [](HWND d) {
    SetText(d, IDC_FIND_TEXT, "a");
    SetText(d, IDC_REPLACE_TEXT, "aa");
    Click(d, IDC_REPLACE_ALL);
  });
  EXPECT_EQ(All(slot), "aa b aa\r\naa");
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_EQ(Doc(slot).CaretByte(), Doc(slot).Length());
  EXPECT_EQ(g_app.settings.replaceHistory[0], "aa");
  char status[64] = {};
  SendMessageA(FrameStatusBar(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_STREQ(status, "3 件置換しました");
  ActivateAndDispatch(slot, ID_EDIT_UNDO);
  EXPECT_EQ(All(slot), "a b a\r\na");
  ActivateAndDispatch(slot, ID_EDIT_REDO);
  EXPECT_EQ(All(slot), "aa b aa\r\naa");
  ActivateAndDispatch(slot, ID_EDIT_UNDO);

  // An empty replacement deletes, and leaves the replacement field empty.
  RunDialog(ShowReplaceDialog, [](HWND d) {
    SetText(d, IDC_FIND_TEXT, " ");
    SetText(d, IDC_REPLACE_TEXT, "");
    Click(d, IDC_REPLACE_ALL);
    EXPECT_EQ(Text(d, IDC_REPLACE_TEXT), "");
  });
  EXPECT_EQ(All(slot), "aba\r\na");
  EXPECT_EQ(g_app.settings.replaceHistory[0], "aa");
}

TEST_F(FindDialogs, F3RepeatsTheLastSearchAndOpensTheDialogWithoutOne) {
  const int slot = NewDocument("ABC abc");
  // No history: the find dialog opens.
  HWND seen = RunDialog([] { DispatchCommand(ID_SEARCH_FINDNEXT); }, [](HWND) {});
  EXPECT_NE(seen, nullptr);
  g_app.settings.findHistory[0] = "abc";
  g_app.settings.IsFindStrBigSmall = 0;
  MessageBoxRecorder boxes(IDYES);
  DispatchCommand(ID_SEARCH_FINDNEXT);
  EXPECT_EQ(Selection(slot), std::make_pair(0, 3));
  DispatchCommand(ID_SEARCH_FINDNEXT);
  EXPECT_EQ(Selection(slot), std::make_pair(4, 7));
  EXPECT_TRUE(boxes.texts.empty());
  DispatchCommand(ID_SEARCH_FINDNEXT);
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(Selection(slot), std::make_pair(0, 3));
  // With letter case on only the lower-case one matches.
  g_app.settings.IsFindStrBigSmall = 1;
  DispatchCommand(ID_SEARCH_FINDNEXT);
  EXPECT_EQ(Selection(slot), std::make_pair(4, 7));
}
