// Typing: Enter with auto-indentation and the provisional indent, Tab block
// indentation.
#include <gtest/gtest.h>

#include <string>

#include "editing_test_support.h"

namespace {

int Steps(EditSlot& s) { return UndoStepCount(s.ring()); }

TEST(EditingEnter, EnterAtTheEndOfAnIndentedLineLeavesProvisionalTabs) {
  EditSlot s("\t\tx");
  s.Place(3);
  s.Type("\r");
  EXPECT_EQ(s.Text(), "\t\tx\r\n\t\t");
  EXPECT_EQ(s.Pending(), "\t\t");
  EXPECT_EQ(s.Caret(), 7);
  EXPECT_EQ(Steps(s), 1);  // only the line break is recorded

  // Enter again: the line stays empty and the TABs move on.
  s.Type("\r");
  EXPECT_EQ(s.Text(), "\t\tx\r\n\r\n\t\t");
  EXPECT_EQ(s.Pending(), "\t\t");
  EXPECT_EQ(Steps(s), 2);
}

TEST(EditingEnter, TypingMakesTheTabsAStepOfTheirOwn) {
  EditSlot s("\t\tx");
  s.Place(3);
  s.Type("\ry");
  EXPECT_EQ(s.Text(), "\t\tx\r\n\t\ty");
  EXPECT_EQ(s.Pending(), "<none>");
  ASSERT_EQ(Steps(s), 3);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n\t\t");
  EXPECT_EQ(s.Pending(), "<none>");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx");
  EXPECT_FALSE(Undo(s.text));
}

TEST(EditingEnter, EnterAtColumnZeroInsertsOnlyTheLineBreak) {
  EditSlot s("\t\tab");
  s.Place(0);
  s.Type("\r");
  EXPECT_EQ(s.Text(), "\r\n\t\tab");
  EXPECT_EQ(s.Pending(), "<none>");
  EXPECT_EQ(Steps(s), 1);
  EXPECT_EQ(s.Caret(), 2);
}

TEST(EditingEnter, EnterSplittingALineIndentsTheRestAsASecondStep) {
  EditSlot s("\t\tab");
  s.Place(3);
  s.Type("\r");
  EXPECT_EQ(s.Text(), "\t\ta\r\n\t\tb");
  EXPECT_EQ(s.Caret(), 7);
  EXPECT_EQ(Steps(s), 2);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\ta\r\nb");
}

TEST(EditingEnter, ReferenceLineIsTheLastNonEmptyLine) {
  EditSlot s("\tfoo\r\n\r\n");
  s.Place(8);
  s.Type("\r");
  EXPECT_EQ(s.Text(), "\tfoo\r\n\r\n\r\n\t");
  EXPECT_EQ(s.Pending(), "\t");
  // Spaces do not count as indentation.
  EditSlot t("  \tbar");
  t.Place(6);
  t.Type("\r");
  EXPECT_EQ(t.Text(), "  \tbar\r\n");
  // Only the part of the line before the caret is the reference.
  EditSlot u("\tab\r\nfoo");
  u.Place(5);
  u.Type("\r");
  EXPECT_EQ(u.Text(), "\tab\r\n\r\nfoo");
  EXPECT_EQ(u.Pending(), "<none>");
}

TEST(EditingEnter, BlockOpenersAddALevelInSourceDocumentsOnly) {
  EditSlot s("\tIf a = 1 Then", DocumentKind::kSource);
  s.Place(s.doc().Length());
  s.Type("\r");
  EXPECT_EQ(s.Pending(), "\t\t");
  EditSlot t("\tIf a = 1 Then", DocumentKind::kText);
  t.Place(t.doc().Length());
  t.Type("\r");
  EXPECT_EQ(t.Pending(), "\t");
  EditSlot u("For i = 1 To 3", DocumentKind::kSource);
  u.Place(u.doc().Length());
  u.Type("\r");
  EXPECT_EQ(u.Pending(), "\t");
  EditSlot v("If a Then b = 1", DocumentKind::kSource);
  v.Place(v.doc().Length());
  v.Type("\r");
  EXPECT_EQ(v.Pending(), "<none>");
}

TEST(EditingEnter, WithoutAutoIndentOrOverASelection) {
  EditSlot s("\t\tx");
  s.Place(3);
  s.Type("\r", false);
  EXPECT_EQ(s.Text(), "\t\tx\r\n");
  EXPECT_EQ(s.Pending(), "<none>");
  EditSlot t("\tabcd");
  t.Select(2, 4);
  t.Type("\r");
  EXPECT_EQ(t.Text(), "\ta\r\n\td");
  EXPECT_EQ(Steps(t), 2);
}

TEST(EditingPendingIndent, CancelAndUndoRemoveTheTabsWithoutAStep) {
  EditSlot s("\t\tx");
  s.Place(3);
  s.Type("\r");
  PendingIndentCancel(s.text);
  EXPECT_EQ(s.Text(), "\t\tx\r\n");
  EXPECT_EQ(s.Caret(), 5);
  EXPECT_EQ(s.Pending(), "<none>");
  EXPECT_EQ(Steps(s), 1);
  s.Type("\r");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n");
  EXPECT_EQ(s.Pending(), "<none>");
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n\r\n");
}

TEST(EditingPendingIndent, BackspaceShortensThenRemoves) {
  EditSlot s("\t\t\tx");
  s.Place(4);
  s.Type("\r");
  ASSERT_EQ(s.Pending(), "\t\t\t");
  PendingIndentShorten(s.text);
  EXPECT_EQ(s.Text(), "\t\t\tx\r\n\t\t");
  EXPECT_EQ(s.Pending(), "\t\t");
  EXPECT_EQ(s.Caret(), 8);
  PendingIndentShorten(s.text);
  EXPECT_EQ(s.Pending(), "\t");
  PendingIndentShorten(s.text);
  EXPECT_EQ(s.Pending(), "<none>");
  EXPECT_EQ(s.Text(), "\t\t\tx\r\n");
  EXPECT_EQ(Steps(s), 1);
  // What is typed now lands at column 0 of the empty line.
  s.Type("y");
  EXPECT_EQ(s.Text(), "\t\t\tx\r\ny");
}

TEST(EditingPendingIndent, CommittedWhereItIsWhenTheCaretWentElsewhere) {
  // Home puts the caret before the TABs without removing them.
  EditSlot s("\t\tx");
  s.Place(3);
  s.Type("\r");
  s.Place(5);
  s.Type("y");
  EXPECT_EQ(s.Text(), "\t\tx\r\ny\t\t");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n\t\t");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "\t\tx\r\n");

  // Ctrl+Home and then a paste at the start.
  EditSlot t("\tx");
  t.Place(2);
  t.Type("\r");
  t.Place(0);
  EditSelection(t.text, "p", EditOrigin::kPasted);
  EXPECT_EQ(t.Text(), "p\tx\r\n\t");
  // Cancelling from elsewhere removes the TABs from their own line.
  EditSlot u("\tx");
  u.Place(2);
  u.Type("\r");
  u.Select(0, 2);
  PendingIndentCancel(u.text);
  EXPECT_EQ(u.Text(), "\tx\r\n");
  EXPECT_EQ(u.Caret(), 0);
  EXPECT_EQ(u.Anchor(), 2);
}

TEST(EditingPendingIndent, DeletingWithAPendingIndentKeepsItsTabs) {
  EditSlot s("\tab");
  s.Place(3);
  s.Type("\r");
  s.Select(1, 2);  // "a"
  EditSelection(s.text, "");
  EXPECT_EQ(s.Text(), "\tb\r\n\t");
  EXPECT_EQ(UndoStepCount(s.ring()), 3);
}

TEST(EditingBlockIndent, TabIndentsEveryNonEmptyLine) {
  EditSlot s("a\r\n\r\nb\r\nc");
  s.Select(1, 7);  // from inside the first line into the third
  ASSERT_TRUE(SelectionSpansLines(s.doc()));
  s.Type("\t");
  EXPECT_EQ(s.Text(), "\ta\r\n\r\n\tb\r\nc");
  EXPECT_EQ(s.Caret(), 0);
  EXPECT_EQ(s.Anchor(), 10);  // after the CR LF of the block's last line
  EXPECT_EQ(Steps(s), 1);
  EXPECT_EQ(s.ring().entries[0].kind, UndoKind::kReplace);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "a\r\n\r\nb\r\nc");
}

TEST(EditingBlockIndent, ASelectionEndingAtALineStartLeavesThatLine) {
  EditSlot s("a\r\nb\r\nc");
  s.Select(6, 0);
  s.Type("\t");
  EXPECT_EQ(s.Text(), "\ta\r\n\tb\r\nc");
  EXPECT_EQ(s.Caret(), 0);
  EXPECT_EQ(s.Anchor(), 8);
}

TEST(EditingBlockIndent, ShiftTabRemovesOneLeadingTabWhereThereIsOne) {
  EditSlot s("\t\ta\r\nb\r\n\tc");
  s.Select(0, s.doc().Length());
  BlockIndent(s.text, true);
  EXPECT_EQ(s.Text(), "\ta\r\nb\r\nc");
  EXPECT_EQ(s.Anchor(), s.doc().Length());
  // Nothing to remove: no step.
  EditSlot t("a\r\nb");
  t.Select(0, 4);
  BlockIndent(t.text, true);
  EXPECT_EQ(t.Text(), "a\r\nb");
  EXPECT_EQ(Steps(t), 0);
  EXPECT_EQ(t.Anchor(), 4);
}

TEST(EditingBlockIndent, TabInsideOneLineReplacesTheSelection) {
  EditSlot s("abc\r\nd");
  s.Select(1, 3);
  s.Type("\t");
  EXPECT_EQ(s.Text(), "a\t\r\nd");
}

TEST(EditingBlockIndent, TextBuilding) {
  EXPECT_EQ(BlockIndentText("a\r\n\r\nb", false), "\ta\r\n\r\n\tb");
  EXPECT_EQ(BlockIndentText("\r\na\r\n", false), "\r\n\ta\r\n");
  EXPECT_EQ(BlockIndentText("\t\ta\r\n b\r\n\t", true), "\ta\r\n b\r\n");
  // A CR that is the second byte of a double-byte character is no line end.
  EXPECT_EQ(BlockIndentText("\x83\r\na", false), "\t\x83\r\na");
  EXPECT_EQ(BlockIndentText("表\r\n\t能", true), "表\r\n能");
  EXPECT_EQ(BlockIndentText("", false), "");
}

}  // namespace
