// Caret moves and the navigation keys' selection rules.
#include <gtest/gtest.h>

#include "editor/caret_moves.h"

namespace {

ViewPos Caret(const TextDocument& d) { return {d.caretCol, d.caretRow}; }
ViewPos Anchor(const TextDocument& d) { return {d.anchorCol, d.anchorRow}; }

void Put(TextDocument& d, int col, int row) {
  d.caretCol = d.anchorCol = col;
  d.caretRow = d.anchorRow = row;
  d.wantedCol = -1;
}

TextLayout Wrapping(int max) {
  TextLayout l;
  l.rightTurn = true;
  l.maxOneLineTextLength = max;
  return l;
}

TEST(CaretMoves, DownThroughAShortLineKeepsTheColumn) {
  TextDocument d("0123456789abc\r\nxyz\r\n0123456789abc");
  Put(d, 7, 0);
  MoveDown(d);
  EXPECT_EQ((ViewPos{3, 1}), Caret(d));
  MoveDown(d);
  EXPECT_EQ((ViewPos{7, 2}), Caret(d));
  MoveUp(d);
  MoveUp(d);
  EXPECT_EQ((ViewPos{7, 0}), Caret(d));
  MoveUp(d);  // not above row 0
  EXPECT_EQ((ViewPos{7, 0}), Caret(d));
}

TEST(CaretMoves, VerticalMovesSnapIntoTabsAndDoubleByteCharacters) {
  TextDocument d("ab表cd\r\na\tb\r\nabcdefgh");  // 表 at 2-3; the TAB covers 1-3
  Put(d, 3, 2);
  MoveUp(d);
  EXPECT_EQ((ViewPos{1, 1}), Caret(d));  // left edge of the TAB
  MoveUp(d);
  EXPECT_EQ((ViewPos{2, 0}), Caret(d));  // left edge of 表
  MoveDown(d);
  MoveDown(d);
  EXPECT_EQ((ViewPos{3, 2}), Caret(d));  // the remembered column comes back
}

TEST(CaretMoves, PastTheLastRowTheCaretStaysOnIt) {
  TextDocument d("abc\r\nabcdef");
  Put(d, 5, 1);
  MoveDown(d);
  EXPECT_EQ((ViewPos{5, 1}), Caret(d));
  MovePageDown(d, 10);
  EXPECT_EQ((ViewPos{5, 1}), Caret(d));
  MovePageUp(d, 10);
  EXPECT_EQ((ViewPos{3, 0}), Caret(d));
  EXPECT_EQ(5, d.wantedCol);
}

TEST(CaretMoves, RightAndLeftStepOverCharacters) {
  TextDocument d("a\t表\r\nb");
  Put(d, 0, 0);
  MoveRight(d);
  EXPECT_EQ((ViewPos{1, 0}), Caret(d));
  MoveRight(d);
  EXPECT_EQ((ViewPos{4, 0}), Caret(d));  // the next tab stop
  MoveRight(d);
  EXPECT_EQ((ViewPos{6, 0}), Caret(d));  // over both bytes of 表
  MoveRight(d);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));  // over CR LF
  MoveRight(d);
  MoveRight(d);  // the end of the text: stays
  EXPECT_EQ((ViewPos{1, 1}), Caret(d));
  MoveLeft(d);
  MoveLeft(d);
  EXPECT_EQ((ViewPos{6, 0}), Caret(d));  // the end of the previous row
  MoveLeft(d);
  EXPECT_EQ((ViewPos{4, 0}), Caret(d));
  MoveLeft(d);
  EXPECT_EQ((ViewPos{1, 0}), Caret(d));
  MoveLeft(d);
  MoveLeft(d);
  EXPECT_EQ((ViewPos{0, 0}), Caret(d));
}

TEST(CaretMoves, SoftWrapLimit) {
  // Rows of 11 cells: "abcdefghijk" and "lmno".
  TextDocument d("abcdefghijklmno", DocumentKind::kText, Wrapping(12));
  ASSERT_EQ(2, d.RowCount());
  Put(d, 10, 0);
  MoveRight(d);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
  EXPECT_EQ(11, d.CaretByte());
  MoveLeft(d);  // from a wrapped row's start: before the last character of the row above
  EXPECT_EQ((ViewPos{10, 0}), Caret(d));
  EXPECT_EQ(10, d.CaretByte());
  Put(d, 11, 0);  // the end of the wrapped row, the same byte as (0, 1)
  MoveRight(d);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
  MoveRight(d);
  EXPECT_EQ((ViewPos{1, 1}), Caret(d));
}

TEST(CaretMoves, ALineEndingAtTheWrapLimitKeepsItsEndPosition) {
  TextDocument d("abcdefghijk\r\nz", DocumentKind::kText, Wrapping(12));
  ASSERT_EQ(2, d.RowCount());
  Put(d, 10, 0);
  MoveRight(d);
  EXPECT_EQ((ViewPos{11, 0}), Caret(d));  // before the CR LF, where typing appends to the line
  MoveRight(d);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
}

TEST(CaretMoves, WrappedDoubleByteCharacterAtTheLimit) {
  // 表 starts at column 10 (below the limit 11) and reaches column 12.
  TextDocument d("abcdefghij表xy", DocumentKind::kText, Wrapping(12));
  Put(d, 10, 0);
  MoveRight(d);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
  EXPECT_EQ(12, d.CaretByte());
  MoveLeft(d);
  EXPECT_EQ((ViewPos{10, 0}), Caret(d));
}

TEST(CaretMoves, NextCharacterEnd) {
  TextDocument d("a\r\n表\x82");
  EXPECT_EQ(1, NextCharEnd(d, 0));
  EXPECT_EQ(3, NextCharEnd(d, 1));
  EXPECT_EQ(5, NextCharEnd(d, 3));
  EXPECT_EQ(6, NextCharEnd(d, 5));  // a lead byte at the end stands alone
  EXPECT_EQ(6, NextCharEnd(d, 6));
}

TEST(NavigationKeys, ShiftRightSelectsAndLeftCollapsesToTheStart) {
  TextDocument d("abc\r\ndef");
  Put(d, 0, 0);
  for (int i = 0; i < 3; ++i) NavigateKey(d, NavKey::kRight, true, false, 10);
  EXPECT_EQ((ViewPos{3, 0}), Caret(d));
  EXPECT_EQ((ViewPos{0, 0}), Anchor(d));
  int s, e;
  d.SelectionBytes(s, e);
  EXPECT_EQ("abc", d.Substr(s, e));
  NavigateKey(d, NavKey::kLeft, false, false, 10);
  EXPECT_EQ((ViewPos{0, 0}), Caret(d));
  EXPECT_EQ((ViewPos{0, 0}), Anchor(d));
}

TEST(NavigationKeys, RightCollapsesToTheEndAndUpDownCollapseFirst) {
  TextDocument d("abcdef\r\nabcdef\r\nabcdef");
  d.anchorCol = 4;
  d.anchorRow = 1;
  d.caretCol = 2;
  d.caretRow = 1;
  NavigateKey(d, NavKey::kRight, false, false, 10);
  EXPECT_EQ((ViewPos{4, 1}), Caret(d));
  EXPECT_EQ((ViewPos{4, 1}), Anchor(d));

  d.caretCol = 1;  // selection (1,1)-(4,1)
  NavigateKey(d, NavKey::kDown, false, false, 10);
  EXPECT_EQ((ViewPos{4, 2}), Caret(d));  // collapsed to its end, then down
  d.anchorCol = 5;
  d.anchorRow = 2;
  d.caretCol = 2;
  d.wantedCol = -1;
  NavigateKey(d, NavKey::kUp, false, false, 10);
  EXPECT_EQ((ViewPos{2, 1}), Caret(d));  // collapsed to its start, then up
  EXPECT_EQ(Caret(d), Anchor(d));
}

TEST(NavigationKeys, ShiftKeepsTheAnchor) {
  TextDocument d("abcdef\r\nabcdef");
  Put(d, 2, 0);
  NavigateKey(d, NavKey::kDown, true, false, 10);
  NavigateKey(d, NavKey::kEnd, true, false, 10);
  EXPECT_EQ((ViewPos{6, 1}), Caret(d));
  EXPECT_EQ((ViewPos{2, 0}), Anchor(d));
  NavigateKey(d, NavKey::kHome, true, true, 10);
  EXPECT_EQ((ViewPos{0, 0}), Caret(d));
  EXPECT_EQ((ViewPos{2, 0}), Anchor(d));
}

TEST(NavigationKeys, CtrlVariants) {
  TextDocument d("abcdef\r\nab\r\nabcd");
  Put(d, 2, 1);
  NavigateKey(d, NavKey::kUp, false, true, 10);  // Ctrl+Up off column 0: the row start
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
  NavigateKey(d, NavKey::kUp, false, true, 10);  // at column 0: an ordinary Up
  EXPECT_EQ((ViewPos{0, 0}), Caret(d));
  Put(d, 4, 0);
  NavigateKey(d, NavKey::kDown, false, true, 10);
  EXPECT_EQ((ViewPos{0, 1}), Caret(d));
  EXPECT_EQ(-1, d.wantedCol);
  Put(d, 1, 2);
  NavigateKey(d, NavKey::kDown, false, true, 10);  // the last row: its end
  EXPECT_EQ((ViewPos{4, 2}), Caret(d));
  NavigateKey(d, NavKey::kHome, false, true, 10);
  EXPECT_EQ((ViewPos{0, 0}), Caret(d));
  NavigateKey(d, NavKey::kEnd, false, true, 10);
  EXPECT_EQ((ViewPos{4, 2}), Caret(d));
  EXPECT_EQ(d.Length(), d.CaretByte());
}

TEST(NavigationKeys, HorizontalKeysForgetTheColumnAndPagesKeepIt) {
  TextDocument d("abcdefgh\r\nab\r\nabcdefgh\r\nabcdefgh");
  Put(d, 6, 0);
  NavigateKey(d, NavKey::kPageDown, false, false, 2);
  EXPECT_EQ((ViewPos{6, 2}), Caret(d));
  EXPECT_EQ(6, d.wantedCol);
  NavigateKey(d, NavKey::kLeft, false, false, 2);
  EXPECT_EQ(-1, d.wantedCol);
  NavigateKey(d, NavKey::kPageUp, false, false, 2);
  EXPECT_EQ((ViewPos{5, 0}), Caret(d));
}

}  // namespace

namespace {

TEST(CaretWord, WordSelectionOrTextBeforeTheCaret) {
  TextDocument d("Dim obj.Name As 表示\r\nnext line");
  Put(d, 10, 0);  // inside "Name"
  EXPECT_EQ("Name", CaretWordText(d, false));
  Put(d, 7, 0);  // on the full stop: a word of one byte
  EXPECT_EQ(".", CaretWordText(d, false));
  Put(d, 3, 0);  // right after "Dim" as after typing "m": two columns left
  EXPECT_EQ(" ", CaretWordText(d, false));
  EXPECT_EQ("Dim", CaretWordText(d, true));
  d.anchorCol = 4;
  d.anchorRow = 1;
  d.caretCol = 8;
  d.caretRow = 0;  // the selection runs over the line end: cut there
  EXPECT_EQ("Name As 表示", CaretWordText(d, false));
}

TEST(CaretWord, LongSelectionsAreCutOnACharacterBoundary) {
  std::string text = "a";
  for (int i = 0; i < kCaretWordMax; ++i) text += "表";
  TextDocument d(text);
  d.anchorCol = d.anchorRow = d.caretRow = 0;
  d.caretCol = 1 + 2 * kCaretWordMax;
  std::string word = CaretWordText(d, false);
  EXPECT_EQ(static_cast<size_t>(kCaretWordMax - 1), word.size());  // "a" and whole 表 only
  EXPECT_EQ(text.substr(0, word.size()), word);
}

}  // namespace
