// Colouring after edits: seeded random edits of every sample, each followed by
// a comparison of the line-wise recolouring with a whole-text colouring, of
// the cached comment states with a walk from the first byte, and of the kept
// widest line with a fresh measurement.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>

#include "colour_test_support.h"
#include "editor/text_colouring.h"

namespace {

using colour_test::LoadSample;
using colour_test::Sample;

// Pieces that change colours and comment states, line structure and
// double-byte pairing (a lone lead byte may take a following CR).
const char* const kPieces[] = {
    "Dim ", "If", "endif", "#include", "\"", "'", "/*", "*/", "<!--", "-->", "table", "tables", ".", "x",
    "\r\n", "\r", "\n", "\t", "表", "ア", "\x82", "#", " ", "h1", "ab\"cd\"ef", "\r\n' c\r\n", "-", ">",
};

std::string RandomPiece(std::mt19937& rng) {
  std::string s;
  int count = std::uniform_int_distribution<int>(1, 3)(rng);
  for (int i = 0; i < count; ++i) s += kPieces[std::uniform_int_distribution<size_t>(0, std::size(kPieces) - 1)(rng)];
  return s;
}

int FuzzSeconds() {
  const char* v = std::getenv("QUILLET_FUZZ_SECONDS");
  return v ? std::max(0, std::atoi(v)) : 0;
}

void ExpectClassesMatchWhole(TextDocument& doc, const std::string& where) {
  TextDocument whole(doc.Substr(0, doc.Length()), doc.kind);
  ColorizeDocument(whole);
  for (int i = 0; i < doc.Length(); ++i)
    ASSERT_EQ(whole.ClassAt(i), doc.ClassAt(i)) << where << " byte " << i;
}

void RunEdits(const Sample& sample, bool rightTurn, unsigned seed, int minimumEdits) {
  TextLayout layout;
  layout.rightTurn = rightTurn;
  layout.maxOneLineTextLength = 12;  // short rows: soft wraps everywhere
  TextDocument doc(sample.Text(), sample.kind, layout);
  TextColouring view(doc);
  std::mt19937 rng(seed);
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(FuzzSeconds());
  for (int step = 0; step < minimumEdits || std::chrono::steady_clock::now() < until; ++step) {
    const std::string where = sample.name + " seed " + std::to_string(seed) + " step " + std::to_string(step);
    // Fill the caches fully before the edit, so that the edit has to trim them.
    const int rows = doc.RowCount();
    view.caches.comments.StateAtRow(doc, rows - 1);
    view.caches.widths.Widest(doc);

    std::uniform_int_distribution<int> pos(0, doc.Length());
    int a = pos(rng), b = pos(rng);
    if (std::uniform_int_distribution<int>(0, 3)(rng) != 0) b = a;  // mostly insertions
    if (a > b) std::swap(a, b);
    // Bytes inside a double-byte character snap to a character boundary.
    doc.PlaceSelection(std::min(b, a + 6), a);
    int s, e;
    doc.SelectionBytes(s, e);
    const int editRow = doc.RowOfByte(doc.LineStart(doc.LineOfByte(s)));
    std::string piece = std::uniform_int_distribution<int>(0, 4)(rng) == 0 ? std::string() : RandomPiece(rng);
    doc.ReplaceSelection(piece);

    ASSERT_NO_FATAL_FAILURE(ExpectClassesMatchWhole(doc, where));
    // Only rows after the edited line's first row were dropped (Text documents keep none).
    if (doc.kind != DocumentKind::kText) {
      EXPECT_GE(view.caches.comments.ValidRows(), std::min(editRow + 1, doc.RowCount())) << where;
    }
    EXPECT_TRUE(view.caches.widths.Valid()) << where;

    const std::vector<uint8_t> expected = CommentStatesFromStart(doc);
    ASSERT_EQ(static_cast<int>(expected.size()), doc.RowCount()) << where;
    // Probe a few rows lazily (from a partly filled cache) and then all of them.
    for (int k = 0; k < 3; ++k) {
      int row = std::uniform_int_distribution<int>(0, doc.RowCount() - 1)(rng);
      ASSERT_EQ(expected[static_cast<size_t>(row)], view.caches.comments.StateAtRow(doc, row)) << where << " row " << row;
    }
    for (int row = 0; row < doc.RowCount(); ++row)
      ASSERT_EQ(expected[static_cast<size_t>(row)], view.caches.comments.StateAtRow(doc, row)) << where << " row " << row;

    std::vector<int> widths;
    MeasureLinesFrom(doc, 0, widths);
    ASSERT_EQ(static_cast<int>(widths.size()), doc.LineCount()) << where;
    for (int line = 0; line < doc.LineCount(); ++line)
      ASSERT_EQ(widths[static_cast<size_t>(line)], MeasureLine(doc, line)) << where << " line " << line;
    ASSERT_EQ(*std::max_element(widths.begin(), widths.end()), view.caches.widths.Widest(doc)) << where;
  }
}

TEST(ColorizeFuzz, EditsKeepLineColoursCommentStatesAndWidestLine) {
  const char* const samples[] = {"source_program.txt", "source_edges.txt", "html_page.txt", "text_plain.txt"};
  unsigned seed = 1;
  for (const char* name : samples) {
    Sample s = LoadSample(name);
    for (bool wrap : {false, true}) ASSERT_NO_FATAL_FAILURE(RunEdits(s, wrap, seed++, 150));
  }
}

// An edit the caches were not told about (caches apart from any observer) is
// noticed by the version.
TEST(ColorizeFuzz, UnreportedEditDropsTheCaches) {
  Sample s = LoadSample("source_program.txt");
  TextDocument doc(s.Text(), s.kind);
  struct {
    TextRenderCaches caches;
  } view;
  ColorizeDocument(doc);
  view.caches.comments.StateAtRow(doc, doc.RowCount() - 1);
  const int wide = view.caches.widths.Widest(doc);
  doc.PlaceSelection(0, 0);
  doc.ReplaceSelection("/*" + std::string(static_cast<size_t>(wide + 5), 'w') + "\r\n");
  const std::vector<uint8_t> expected = CommentStatesFromStart(doc);
  for (int row = 0; row < doc.RowCount(); ++row)
    ASSERT_EQ(expected[static_cast<size_t>(row)], view.caches.comments.StateAtRow(doc, row)) << row;
  EXPECT_EQ(wide + 7, view.caches.widths.Widest(doc));
}

// A lead byte that loses the CR it had taken splits a line past the range the
// edit reports; the line after it is recoloured all the same.
TEST(ColorizeFuzz, LineSplitByAFreedCrIsRecoloured) {
  TextDocument doc(std::string("x = \"\x82\r\nIf"), DocumentKind::kSource);
  TextColouring view(doc);
  ASSERT_EQ(1, doc.LineCount());  // the last lead byte takes the CR
  EXPECT_EQ(kColorString, doc.ClassAt(doc.Length() - 1));
  view.caches.widths.Widest(doc);
  doc.PlaceSelection(5, 5);
  doc.ReplaceSelection("\x81");  // pairs with the old lead byte, which lets the CR go
  ASSERT_EQ(2, doc.LineCount());
  EXPECT_EQ(kColorStatement, doc.ClassAt(doc.Length() - 1));
  EXPECT_EQ(kColorStatement, doc.ClassAt(doc.Length() - 2));
  std::vector<int> widths;
  MeasureLinesFrom(doc, 0, widths);
  EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), view.caches.widths.Widest(doc));
}

}  // namespace

namespace {

// An edit that opens or closes no comment leaves the states of the rows after
// it in place; one that does drops them.
TEST(ColorizeFuzz, EditsOutsideCommentsKeepTheLaterStates) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += i % 7 == 3 ? "/* a\r\n b */ x\r\n" : "Dim x ' c\r\n";
  for (bool wrap : {false, true}) {
    TextLayout layout;
    layout.rightTurn = wrap;
    layout.maxOneLineTextLength = 8;
    TextDocument doc(text, DocumentKind::kSource, layout);
    TextColouring view(doc);
    auto fill = [&] { view.caches.comments.StateAtRow(doc, doc.RowCount() - 1); };
    auto edit = [&](int line, const char* piece) {
      int at = doc.LineStart(line) + 1;
      doc.PlaceSelection(at, at);
      doc.ReplaceSelection(piece);
    };
    fill();
    edit(10, "yy");
    EXPECT_EQ(doc.RowCount(), view.caches.comments.ValidRows()) << wrap;
    edit(20, "\r\nabc\r\n");
    EXPECT_EQ(doc.RowCount(), view.caches.comments.ValidRows()) << wrap;
    edit(30, "");
    doc.PlaceSelection(doc.LineStart(31), doc.LineStart(29));  // two whole lines away
    doc.ReplaceSelection("");
    EXPECT_EQ(doc.RowCount(), view.caches.comments.ValidRows()) << wrap;
    const std::vector<uint8_t> expected = CommentStatesFromStart(doc);
    for (int row = 0; row < doc.RowCount(); ++row)
      ASSERT_EQ(expected[static_cast<size_t>(row)], view.caches.comments.StateAtRow(doc, row)) << row;

    edit(40, "/*");  // opens a comment that runs to the next "*/"
    EXPECT_LT(view.caches.comments.ValidRows(), doc.RowOfByte(doc.LineStart(44)));
    const std::vector<uint8_t> after = CommentStatesFromStart(doc);
    for (int row = 0; row < doc.RowCount(); ++row)
      ASSERT_EQ(after[static_cast<size_t>(row)], view.caches.comments.StateAtRow(doc, row)) << row;
  }
}

}  // namespace
