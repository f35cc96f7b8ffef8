// The run-building walk of a paint: cells, colours, runs, fills and numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/colorize.h"
#include "editor/paint_runs.h"
#include "prefs/theme_colours.h"

namespace {

constexpr COLORREF kText = 0x000011, kKeyword = 0x000022, kString = 0x000033, kComment = 0x000044;
constexpr COLORREF kBack = 0xFFFFFF, kCaretBack = 0xEEEEEE;

PaintColours Colours(bool markCaretRow = true) {
  ThemeColours t;
  t.rgbDefault = kText;
  t.rgbStatement = kKeyword;
  t.rgbString = kString;
  t.rgbComment = kComment;
  t.rgbBackground = kBack;
  t.rgbCursorBack = kCaretBack;
  return PaintColoursFrom(t, markCaretRow);
}

PaintRequest Request(int visibleCols = 40, int rows = 10) {
  PaintRequest r;
  r.visibleCols = visibleCols;
  r.rows = rows;
  r.caretRow = -1;
  return r;
}

struct Painted {
  PaintFrame frame;
  std::vector<PaintRun> Row(int row) const {
    std::vector<PaintRun> out;
    for (const PaintRun& r : frame.runs)
      if (r.row == row) out.push_back(r);
    return out;
  }
  std::string Text(const PaintRun& r) const { return frame.text.substr(static_cast<size_t>(r.start), static_cast<size_t>(r.length)); }
  // The row's runs joined, with the column where they start.
  std::string RowText(int row, int* firstCol = nullptr) const {
    std::string s;
    std::vector<PaintRun> runs = Row(row);
    if (firstCol) *firstCol = runs.empty() ? 0 : runs.front().col;
    for (const PaintRun& r : runs) s += Text(r);
    return s;
  }
};

Painted Paint(TextDocument& doc, const PaintRequest& req, bool markCaretRow = true) {
  Painted p;
  CommentStateCache cache;
  BuildPaintRuns(doc, cache, Colours(markCaretRow), req, p.frame);
  return p;
}

TEST(PaintRuns, SelectedLineEndIsOneInvertedCell) {
  TextDocument doc("ab\r\ncd");
  PaintRequest req = Request();
  req.selStart = 2;  // exactly the CR LF
  req.selEnd = 4;
  Painted p = Paint(doc, req);
  std::vector<PaintRun> row0 = p.Row(0);
  ASSERT_EQ(2u, row0.size());
  EXPECT_EQ("ab", p.Text(row0[0]));
  EXPECT_TRUE(row0[0].transparent);
  EXPECT_EQ(" ", p.Text(row0[1]));
  EXPECT_EQ(2, row0[1].col);
  EXPECT_EQ(kText ^ 0xFFFFFF, row0[1].fg);
  EXPECT_EQ(kBack ^ 0xFFFFFF, row0[1].bg);
  EXPECT_FALSE(row0[1].transparent);
  ASSERT_EQ(1u, p.Row(1).size());
  EXPECT_EQ(kBack, p.Row(1)[0].bg);
}

TEST(PaintRuns, CaretRowBackgroundAndFill) {
  TextDocument doc("abc\r\ndef\r\n");
  PaintRequest req = Request();
  req.caretRow = 1;
  Painted p = Paint(doc, req);
  ASSERT_EQ(1u, p.Row(1).size());
  EXPECT_EQ("def ", p.Text(p.Row(1)[0]));  // CR LF drawn as one cell
  EXPECT_EQ(kCaretBack, p.Row(1)[0].bg);
  EXPECT_FALSE(p.Row(1)[0].transparent);
  ASSERT_EQ(1u, p.frame.fills.size());
  EXPECT_EQ(1, p.frame.fills[0].row);
  EXPECT_EQ(4, p.frame.fills[0].col);  // right of the CR LF cell
  EXPECT_EQ(kBack, p.Row(0)[0].bg);

  req.caretRow = 2;  // the empty last row is filled from its start
  p = Paint(doc, req);
  ASSERT_EQ(1u, p.frame.fills.size());
  EXPECT_EQ(2, p.frame.fills[0].row);
  EXPECT_EQ(0, p.frame.fills[0].col);

  // Without the caret-row colour the row looks like any other: no fill, transparent runs.
  p = Paint(doc, req, false);
  EXPECT_TRUE(p.frame.fills.empty());
  for (const PaintRun& r : p.frame.runs) EXPECT_TRUE(r.transparent);
}

TEST(PaintRuns, TabsBecomeSpacesToTheNextStop) {
  TextDocument doc("a\tb\t\tc\r\n\x82\xA0\tx");  // tab size 4; あ then TAB
  Painted p = Paint(doc, Request());
  EXPECT_EQ("a   b       c ", p.RowText(0));
  EXPECT_EQ("\x82\xA0  x", p.RowText(1));
}

TEST(PaintRuns, RunsBreakWhereColourOrUnderlineChanges) {
  TextDocument doc("If \"s\" x", DocumentKind::kSource);
  ColorizeDocument(doc);
  PaintRequest req = Request();
  req.linkStart = 7;
  req.linkEnd = 8;
  Painted p = Paint(doc, req);
  std::vector<PaintRun> runs = p.Row(0);
  ASSERT_EQ(5u, runs.size());
  EXPECT_EQ("If", p.Text(runs[0]));
  EXPECT_EQ(kKeyword, runs[0].fg);
  EXPECT_EQ(" ", p.Text(runs[1]));
  EXPECT_EQ("\"s\"", p.Text(runs[2]));
  EXPECT_EQ(kString, runs[2].fg);
  EXPECT_EQ(" ", p.Text(runs[3]));
  EXPECT_EQ("x", p.Text(runs[4]));
  EXPECT_TRUE(runs[4].underline);
  EXPECT_FALSE(runs[3].underline);
}

TEST(PaintRuns, LongRunsAreSkippedLeftAndCutRight) {
  TextDocument doc(std::string(200, 'x') + "\r\n" + std::string(7, 'y'));
  PaintRequest req = Request(20);
  req.leftCol = 50;
  Painted p = Paint(doc, req);
  std::vector<PaintRun> row0 = p.Row(0);
  ASSERT_EQ(1u, row0.size());
  EXPECT_EQ(kPaintLeftKeep, row0[0].col);             // only 10 cells left of the window
  EXPECT_EQ(20 + 1 + 10, row0[0].length);             // cut after the visible cells + 1 + 10
  // A row ending left of the window draws only what lies within 10 cells of it.
  EXPECT_TRUE(p.Row(1).empty());
  req.leftCol = 12;
  p = Paint(doc, req);
  int col = 0;
  EXPECT_EQ("yyyyy", p.RowText(1, &col));
  EXPECT_EQ(kPaintLeftKeep, col);
  req.leftCol = 5;
  p = Paint(doc, req);
  EXPECT_EQ("yyyyyyy", p.RowText(1, &col));
  EXPECT_EQ(-5, col);
}

TEST(PaintRuns, CharactersAcrossTheLeftCutStayWhole) {
  std::string wide;
  for (int i = 0; i < 30; ++i) wide += "表";
  TextDocument doc(wide + "\r\na\t\t\t\t\tb");
  PaintRequest req = Request(10);
  req.leftCol = 21;  // 表 at columns 10-11 of the text sits at window columns -11, -10
  Painted p = Paint(doc, req);
  int col = 0;
  std::string row0 = p.RowText(0, &col);
  EXPECT_EQ(-11, col);
  EXPECT_EQ(std::string("表"), row0.substr(0, 2));
  EXPECT_EQ(0u, row0.size() % 2);
  // TABs are trimmed to the kept cells: column 21 - 10 = 11 onward of "a" + TABs to 20, then "b".
  std::string row1 = p.RowText(1, &col);
  EXPECT_EQ(kPaintLeftKeep, col);
  EXPECT_EQ(std::string(9, ' ') + "b", row1);
}

TEST(PaintRuns, CommentsFromTheCachedStateOfTheFirstRow) {
  TextDocument doc("a /* one\r\ntwo\r\nthree */ If ' c\r\nx", DocumentKind::kSource);
  ColorizeDocument(doc);
  PaintRequest req = Request();
  req.topRow = 1;
  Painted p = Paint(doc, req);
  ASSERT_EQ(3, p.frame.numberedRows);
  EXPECT_EQ(2, p.frame.firstNumber);
  ASSERT_EQ(1u, p.Row(0).size());
  EXPECT_EQ(kComment, p.Row(0)[0].fg);
  std::vector<PaintRun> row1 = p.Row(1);
  ASSERT_EQ(6u, row1.size());
  EXPECT_EQ("three */", p.Text(row1[0]));
  EXPECT_EQ(kComment, row1[0].fg);
  EXPECT_EQ("If", p.Text(row1[2]));
  EXPECT_EQ(kKeyword, row1[2].fg);
  EXPECT_EQ("' c", p.Text(row1[4]));
  EXPECT_EQ(kComment, row1[4].fg);
  EXPECT_EQ(kText, row1[5].fg);  // the line end is not part of a line comment
  EXPECT_EQ(kText, p.Row(2)[0].fg);
}

TEST(PaintRuns, AFarRightLineEndHandsTheCachedStateToTheNextLine) {
  TextDocument doc("/*" + std::string(300, 'x') + "\r\nabc */ d\r\n<!-- e", DocumentKind::kSource);
  PaintRequest req = Request(10);
  Painted p = Paint(doc, req);
  std::vector<PaintRun> row1 = p.Row(1);
  ASSERT_EQ(2u, row1.size());
  EXPECT_EQ("abc */", p.Text(row1[0]));
  EXPECT_EQ(kComment, row1[0].fg);
  EXPECT_EQ(" d ", p.Text(row1[1]));
  EXPECT_EQ(kText, p.Row(2)[0].fg);  // "<!--" means nothing in Source
}

TEST(PaintRuns, HtmlCommentOverLines) {
  TextDocument doc("a <!-- b\r\nc\r\nd\r\ne --> f", DocumentKind::kHtml);
  ColorizeDocument(doc);
  PaintRequest req = Request();
  req.topRow = 2;
  Painted p = Paint(doc, req);
  EXPECT_EQ(kComment, p.Row(0)[0].fg);
  EXPECT_EQ("e -->", p.Text(p.Row(1)[0]));
  EXPECT_EQ(kComment, p.Row(1)[0].fg);
  EXPECT_EQ(" f", p.Text(p.Row(1)[1]));
  EXPECT_EQ(kText, p.Row(1)[1].fg);
}

TEST(PaintRuns, SoftWrapOnTheCaretRowFillsTheRestOfTheRow) {
  TextLayout lay;
  lay.rightTurn = true;
  lay.maxOneLineTextLength = 6;  // rows of 5 cells
  TextDocument doc("abcdefgh", DocumentKind::kText, lay);
  PaintRequest req = Request(20);
  req.caretRow = 0;
  Painted p = Paint(doc, req);
  EXPECT_EQ("abcde", p.RowText(0));
  EXPECT_EQ("fgh", p.RowText(1));
  ASSERT_EQ(1u, p.frame.fills.size());
  EXPECT_EQ(0, p.frame.fills[0].row);
  EXPECT_EQ(5, p.frame.fills[0].col);
}

TEST(PaintRuns, NumbersOnlyForRowsWithText) {
  TextDocument doc("a\r\nb\r\nc");
  PaintRequest req = Request(40, 10);
  req.topRow = 1;
  Painted p = Paint(doc, req);
  EXPECT_EQ(2, p.frame.firstNumber);
  EXPECT_EQ(2, p.frame.numberedRows);
  req.topRow = 5;  // scrolled past the end
  p = Paint(doc, req);
  EXPECT_EQ(0, p.frame.numberedRows);
  EXPECT_TRUE(p.frame.runs.empty());
  EXPECT_EQ("  7:", MarginLabel(7, 3));
  EXPECT_EQ("1234:", MarginLabel(1234, 3));
}

}  // namespace
