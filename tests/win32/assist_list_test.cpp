// The completion list in real documents, typed through the editor window:
// block completion, member lists, attribute lists, keys, placement, drawing.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "assist/assist_hooks_win.h"
#include "assist/completion_items.h"
#include "assist_test_support.h"
#include "shell/frame_win.h"
#include "editor/editing.h"

namespace {

class AssistList : public AssistFixture {
 protected:
  void SetUp() override {
    AssistFixture::SetUp();
    g_app.settings.ParameterHint = 0;
    g_app.settings.IsAutoIndent = 1;
  }

  std::string Text(int slot) { return Doc(slot).Substr(0, Doc(slot).Length()); }
  std::string Selected() {
    const int i = CompletionListSelectionForTest();
    const std::vector<std::string> items = CompletionListItemsForTest();
    return i >= 0 && i < static_cast<int>(items.size()) ? items[i] : std::string();
  }
};

const char kPointProgram[] =
    "Class Point\r\n"
    "Public\r\n"
    "  x As Long\r\n"
    "  y As Long\r\n"
    "  Sub Move(dx As Long)\r\n"
    "  End Sub\r\n"
    "Private\r\n"
    "  secret As Long\r\n"
    "  Function Hidden() As Long\r\n"
    "  End Function\r\n"
    "End Class\r\n"
    "Sub Main()\r\n"
    "  Dim obj As Point\r\n"
    "  ";

}  // namespace

TEST_F(AssistList, EInsideAnIfBlockOffersElseAndEndIfAndCompletesEndIfAligned) {
  const int slot = Open("", DocumentKind::kSource);
  Type(slot, "\tIf x Then\r");
  Type(slot, "E");
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListItemsForTest(), (std::vector<std::string>{"Else", "End If"}));
  EXPECT_EQ(Selected(), "Else");
  EXPECT_EQ(CompletionListImageForTest(0), 4);
  EXPECT_EQ(ListView_GetBkColor(CompletionListViewForTest()), 0xFFF5F5u);
  ExpectFocusOutsidePopups();

  Type(slot, "nd");
  EXPECT_EQ(Selected(), "End If");
  Type(slot, " I");  // the space keeps a block list open
  ASSERT_TRUE(CompletionListOpen());
  Type(slot, "f");
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), "\tIf x Then\r\n\tEnd If");
  EXPECT_EQ(Doc(slot).CaretByte(), Doc(slot).Length());
  // The completion is one undo step after the typed letters.
  ASSERT_TRUE(Undo(Editable(slot)));
  EXPECT_EQ(Text(slot), "\tIf x Then\r\n\t\tEnd If");
}

TEST_F(AssistList, DownAndEnterInsertTheChosenBlockItemWithoutALineBreak) {
  const int slot = Open("If x Then\r\n", DocumentKind::kSource);
  Type(slot, "e");
  ASSERT_TRUE(CompletionListOpen());
  Key(slot, VK_DOWN);
  EXPECT_EQ(Selected(), "End If");
  Type(slot, "\r");
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), "If x Then\r\nEnd If");
}

TEST_F(AssistList, CaseGoesOneTabDeeperThanSelect) {
  const int slot = Open("", DocumentKind::kSource);
  Type(slot, "\tSelect Case a\r");
  Type(slot, "C");
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListItemsForTest(), (std::vector<std::string>{"Case", "End Select"}));
  Type(slot, "\r");
  EXPECT_EQ(Text(slot), "\tSelect Case a\r\n\t\tCase");
}

TEST_F(AssistList, NoBlockListMidStatementOrWhenSwitchedOff) {
  const int slot = Open("If x Then\r\n", DocumentKind::kSource);
  Type(slot, "a = E");
  EXPECT_FALSE(CompletionListOpen());
  g_app.settings.BackNum_PairStatementComplement = 0;
  Type(slot, "\r\n");
  Type(slot, "E");
  EXPECT_FALSE(CompletionListOpen());
}

TEST_F(AssistList, MemberListAfterAFullStopListsTheClassMembersSorted) {
  const int slot = Open(kPointProgram, DocumentKind::kSource);
  Type(slot, "obj.");
  ASSERT_TRUE(CompletionListOpen());
  const std::vector<std::string> items = CompletionListItemsForTest();
  EXPECT_EQ(items, (std::vector<std::string>{"Hidden", "Move", "secret", "x", "y"}));
  // Private function 2, public Sub 3, private variable 0, public variables 1.
  const int images[] = {2, 3, 0, 1, 1};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(CompletionListImageForTest(i), images[i]) << items[i];
  EXPECT_EQ(ListView_GetBkColor(CompletionListViewForTest()), 0xF0F5FFu);
  EXPECT_EQ(CompletionListSelectionForTest(), -1);
  ExpectFocusOutsidePopups();

  Type(slot, "m");
  EXPECT_EQ(Selected(), "Move");
  Type(slot, "q");  // sorts after "Move": the first item not less is "secret"
  EXPECT_EQ(Selected(), "secret");
  EXPECT_EQ(CompletionListTypedForTest(), 2);
  Key(slot, VK_BACK);
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListTypedForTest(), 1);
  EXPECT_EQ(Selected(), "Move");
  Key(slot, VK_BACK);
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListTypedForTest(), 0);
  Type(slot, "z");  // after every item: the last one
  EXPECT_EQ(Selected(), "y");
  Key(slot, VK_BACK);
  Type(slot, "m");
  Type(slot, "\r");
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), std::string(kPointProgram) + "obj.Move");
}

TEST_F(AssistList, ArrowAfterAPointerListsTheMembersOfItsType) {
  const int slot = Open(std::string(kPointProgram) + "Dim p As *Point\r\n  ", DocumentKind::kSource);
  Type(slot, "p-");
  EXPECT_FALSE(CompletionListOpen());
  Type(slot, ">");
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListItemsForTest(), (std::vector<std::string>{"Hidden", "Move", "secret", "x", "y"}));
  Type(slot, "x\r");
  EXPECT_EQ(Text(slot).substr(Text(slot).size() - 4), "p->x");
  // A full stop after a pointer without an index does not fit: no list.
  Type(slot, " + p.");
  EXPECT_FALSE(CompletionListOpen());
}

TEST_F(AssistList, ListClosesOnNonWordCharactersEscAndCaretLeavingTheWord) {
  const int slot = Open(kPointProgram, DocumentKind::kSource);
  Type(slot, "obj.");
  ASSERT_TRUE(CompletionListOpen());
  Type(slot, "x ");
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), std::string(kPointProgram) + "obj.x ");

  // A double-byte character is no name character.
  Type(slot, "+ obj.");
  ASSERT_TRUE(CompletionListOpen());
  SendMessageW(Editor(slot), WM_CHAR, 0x3042, 1);
  PumpMessages(5);
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), std::string(kPointProgram) + "obj.x + obj.\x82\xa0");

  Type(slot, " obj.");
  ASSERT_TRUE(CompletionListOpen());
  SendMessageA(Editor(slot), WM_CHAR, 27, 0);
  EXPECT_FALSE(CompletionListOpen());

  Type(slot, "\r obj.");
  ASSERT_TRUE(CompletionListOpen());
  Key(slot, VK_LEFT);  // before the list's start byte
  EXPECT_FALSE(CompletionListOpen());

  // Enter with nothing selected closes the list and breaks the line.
  Key(slot, VK_RIGHT);
  Type(slot, "y.");
  EXPECT_FALSE(CompletionListOpen());  // y is a Long: no members
  Type(slot, " obj.");
  ASSERT_TRUE(CompletionListOpen());
  Type(slot, "\r");
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot).substr(Text(slot).size() - 6), "obj.\r\n");
}

TEST_F(AssistList, NoMemberListInCommentsStringsOrWhenSwitchedOff) {
  const int slot = Open(kPointProgram, DocumentKind::kSource);
  Type(slot, "' obj.");
  EXPECT_FALSE(CompletionListOpen());
  Type(slot, "\r s = \"obj.");
  EXPECT_FALSE(CompletionListOpen());
  g_app.settings.IsShowComplementWnd = 0;
  Type(slot, "\"\r obj.");
  EXPECT_FALSE(CompletionListOpen());
}

TEST_F(AssistList, MembersOfAClassFromAnIncludedFile) {
  const std::string dir = MakeTempFolder("assist_inc");
  const std::string include = dir + "shapes.sbp";
  HANDLE f = CreateFileA(include.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  const std::string content = "Class Circle\r\nPublic\r\n  radius As Long\r\n  centre As Long\r\nEnd Class\r\n";
  DWORD written = 0;
  WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(f);
  const int slot = Open("#include \"" + include + "\"\r\nSub Main()\r\n  Dim c As Circle\r\n  ", DocumentKind::kSource);
  Type(slot, "c.");
  ASSERT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListItemsForTest(), (std::vector<std::string>{"centre", "radius"}));
  CloseCompletionList();
  RemoveTree(dir);
}

TEST_F(AssistList, RelativeIncludesResolveInTheOpenProjectsDirectory) {
  const std::string dir = MakeTempFolder("assist_pj");
  HANDLE f = CreateFileA((dir + "shapes.sbp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  const std::string content = "Class Square\r\nPublic\r\n  side As Long\r\nEnd Class\r\n";
  DWORD written = 0;
  WriteFile(f, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(f);
  // An untitled document: without a project the include is looked for in the program directory.
  const int slot = Open("#include \"shapes.sbp\"\r\nSub Main()\r\n  Dim s As Square\r\n  ", DocumentKind::kSource);
  Type(slot, "s.");
  EXPECT_FALSE(CompletionListOpen());
  CloseCompletionList();
  Type(slot, "\r\n  ");
  g_app.project.projectName = "Pj";
  g_app.project.projectDir = dir;
  Type(slot, "s.");
  EXPECT_TRUE(CompletionListOpen());
  EXPECT_EQ(CompletionListItemsForTest(), (std::vector<std::string>{"side"}));
  CloseCompletionList();
  g_app.project = ProjectState();
  RemoveTree(dir);
}

TEST_F(AssistList, HtmlStartTagListsTheTagsAttributesAndNarrowsAsTyped) {
  const int slot = Open("", DocumentKind::kHtml);
  Type(slot, "<table ");
  ASSERT_TRUE(CompletionListOpen());
  const std::vector<std::string> items = CompletionListItemsForTest();
  ASSERT_EQ(items.size(), 20u);
  for (size_t i = 1; i < items.size(); ++i) EXPECT_LT(CompareItemText(items[i - 1], items[i]), 0) << items[i];
  for (size_t i = 0; i < items.size(); ++i) {
    const bool common = items[i] == "class" || items[i] == "id" || items[i] == "style";
    EXPECT_EQ(CompletionListImageForTest(static_cast<int>(i)), common ? 5 : 6) << items[i];
  }
  Type(slot, "b");
  EXPECT_EQ(Selected(), "background");
  Type(slot, "o");
  EXPECT_EQ(Selected(), "border");
  Type(slot, "\r");
  EXPECT_EQ(Text(slot), "<table border");
  // Inside a quoted value and after the tag, a space opens nothing.
  Type(slot, "=\"1 ");
  EXPECT_FALSE(CompletionListOpen());
  Type(slot, "\"> ");
  EXPECT_FALSE(CompletionListOpen());
}

TEST_F(AssistList, PlacementBelowTheCaretRowAndFifteenVisibleRows) {
  const int slot = Open("", DocumentKind::kHtml);
  Type(slot, "<table ");
  ASSERT_TRUE(CompletionListOpen());
  POINT caret{};
  int cx = 0, cy = 0;
  ASSERT_TRUE(View(slot).CaretScreenPoint(caret, cx, cy));
  RECT window;
  GetWindowRect(CompletionListWindowForTest(), &window);
  EXPECT_EQ(window.left, caret.x - cx);
  EXPECT_EQ(window.top, caret.y + cy);
  HWND list = CompletionListViewForTest();
  RECT item{};
  item.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  RECT client;
  GetClientRect(CompletionListWindowForTest(), &client);
  EXPECT_EQ(client.bottom, 15 * (item.bottom - item.top));  // 20 items: 15 rows and a scroll bar
  EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
  SendMessageA(Editor(slot), WM_CHAR, 27, 0);

  // Few items: exactly their rows, no scroll bar.
  Type(slot, ">\r<br ");
  ASSERT_TRUE(CompletionListOpen());
  const int count = static_cast<int>(CompletionListItemsForTest().size());
  GetClientRect(CompletionListWindowForTest(), &client);
  EXPECT_EQ(client.bottom, count * (item.bottom - item.top));
  EXPECT_FALSE(GetWindowLongA(CompletionListViewForTest(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(AssistList, SelectedItemIsDrawnOnTheTwoColourBand) {
  const int slot = Open("", DocumentKind::kHtml);
  Type(slot, "<table bo");
  // Typed after the space: the list opened at the space.
  ASSERT_TRUE(CompletionListOpen());
  HWND list = CompletionListViewForTest();
  const int selected = CompletionListSelectionForTest();
  ASSERT_GE(selected, 0);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT sel{}, other{};
  sel.left = other.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, selected, reinterpret_cast<LPARAM>(&sel));
  SendMessageA(list, LVM_GETITEMRECT, selected == 0 ? 1 : 0, reinterpret_cast<LPARAM>(&other));
  HDC dc = GetDC(list);
  const int x = sel.right - 3;
  EXPECT_EQ(GetPixel(dc, x, sel.top), 0xD29682u);
  EXPECT_EQ(GetPixel(dc, x, sel.bottom - 1), 0xBE5032u);
  EXPECT_EQ(GetPixel(dc, other.right - 3, (other.top + other.bottom) / 2), 0xF0F5FFu);
  EXPECT_EQ(GetPixel(dc, 0, (sel.top + sel.bottom) / 2), 0xF0F5FFu);  // left of the icon
  ReleaseDC(list, dc);
}

TEST_F(AssistList, MouseClickSelectsAndDoubleClickInserts) {
  const int slot = Open(kPointProgram, DocumentKind::kSource);
  Type(slot, "obj.");
  ASSERT_TRUE(CompletionListOpen());
  HWND list = CompletionListViewForTest();
  RECT item{};
  item.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 30, (item.top + item.bottom) / 2);
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  EXPECT_EQ(Selected(), "x");
  ExpectFocusOutsidePopups();
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PumpMessages(5);
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(Text(slot), std::string(kPointProgram) + "obj.x");
}

TEST_F(AssistList, ClosingTheDocumentClosesItsList) {
  const int slot = Open(kPointProgram, DocumentKind::kSource);
  Type(slot, "obj.");
  ASSERT_TRUE(CompletionListOpen());
  Doc(slot).modified = 0;
  SendMessageA(Slot(slot).window, WM_CLOSE, 0, 0);
  PumpMessages(10);
  EXPECT_FALSE(CompletionListOpen());
  EXPECT_EQ(CompletionListWindowForTest(), nullptr);
}
