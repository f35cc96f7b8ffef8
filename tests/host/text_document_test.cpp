#include "editor/text_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TextLayout Wrapped(int maxLen = 75, int tab = 4) {
  TextLayout lay;
  lay.rightTurn = true;
  lay.maxOneLineTextLength = maxLen;
  lay.tabSize = tab;
  return lay;
}

// Puts caret and anchor on bytes and replaces the selection.
void Replace(TextDocument& doc, int start, int end, std::string_view text) {
  doc.PlaceSelection(start, end);
  doc.ReplaceSelection(text);
}

// What observers saw: the change and the document's state at that moment.
struct Seen {
  TextChange change;
  ViewPos caret, anchor;
  bool modified;
  int wantedCol;
};
struct RecordingObserver : TextObserver {
  std::vector<Seen> seen;
  void TextChanged(TextDocument& d, const TextChange& c) override {
    seen.push_back(Seen{c, {d.caretCol, d.caretRow}, {d.anchorCol, d.anchorRow}, d.modified, d.wantedCol});
  }
};

}  // namespace

TEST(TextDocument, EmptyDocumentYieldsOriginEverywhere) {
  TextDocument doc;
  EXPECT_EQ(doc.Length(), 0);
  EXPECT_STREQ(doc.CStr(), "");
  EXPECT_EQ(doc.At(0), 0);
  EXPECT_EQ(doc.At(-1), 0);
  EXPECT_EQ(doc.ViewFromByte(0), (ViewPos{0, 0}));
  EXPECT_EQ(doc.ViewFromByte(7), (ViewPos{0, 0}));
  EXPECT_EQ(doc.ByteFromView(0, 0), 0);
  EXPECT_EQ(doc.ByteFromView(3, 0), 0);
  EXPECT_EQ(doc.SnapView(5, 5), (ViewPos{0, 0}));
  EXPECT_EQ(doc.SnapView(-2, -9), (ViewPos{0, 0}));
  EXPECT_EQ(doc.LineStartOf(0), 0);
  EXPECT_EQ(doc.LineCount(), 1);
  EXPECT_EQ(doc.RowCount(), 1);
  EXPECT_EQ(doc.RowWidth(0), 0);
  int s = -1, e = -1;
  doc.WordAt({0, 0}, s, e);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(e, 0);
  int digits = 0;
  EXPECT_EQ(doc.ComputeGutter(digits), 3 * doc.Layout().codeBoldCharWidth);
  EXPECT_EQ(digits, 1);
  doc.SelectionBytes(s, e);
  EXPECT_EQ(s, 0);
  EXPECT_EQ(e, 0);
}

TEST(TextDocument, TabAdvancesToNextStop) {
  TextDocument doc("a\tb");
  EXPECT_EQ(doc.ViewFromByte(1), (ViewPos{1, 0}));
  EXPECT_EQ(doc.ViewFromByte(2), (ViewPos{4, 0}));
  // A click inside the TAB lands before it.
  EXPECT_EQ(doc.SnapView(2, 0), (ViewPos{1, 0}));
  EXPECT_EQ(doc.SnapView(3, 0), (ViewPos{1, 0}));
  EXPECT_EQ(doc.SnapView(4, 0), (ViewPos{4, 0}));
  EXPECT_EQ(doc.ByteFromView(4, 0), 2);
  EXPECT_EQ(doc.RowWidth(0), 5);
  TextLayout lay;
  lay.tabSize = 8;
  doc.SetLayout(lay);
  EXPECT_EQ(doc.ViewFromByte(2), (ViewPos{8, 0}));
  EXPECT_EQ(doc.SnapView(7, 0), (ViewPos{1, 0}));
}

TEST(TextDocument, DoubleByteCharacterSnapsToItsLeftEdge) {
  TextDocument doc("abcde漢x");
  EXPECT_EQ(doc.ViewFromByte(5), (ViewPos{5, 0}));
  EXPECT_EQ(doc.ViewFromByte(7), (ViewPos{7, 0}));
  EXPECT_EQ(doc.SnapView(6, 0), (ViewPos{5, 0}));
  EXPECT_EQ(doc.SnapView(7, 0), (ViewPos{7, 0}));
  EXPECT_EQ(doc.ByteFromView(5, 0), 5);
  EXPECT_EQ(doc.ByteFromView(7, 0), 7);
  // A position inside the character walks past it as a whole.
  EXPECT_EQ(doc.ViewFromByte(6), (ViewPos{7, 0}));
}

TEST(TextDocument, SoftWrapSplitsLongLineAt74Cells) {
  TextDocument doc(std::string(100, 'x'), DocumentKind::kText, Wrapped());
  EXPECT_EQ(doc.RowCount(), 2);
  EXPECT_EQ(doc.LineCount(), 1);
  EXPECT_EQ(doc.RowWidth(0), 74);
  EXPECT_EQ(doc.RowWidth(1), 26);
  EXPECT_EQ(doc.ByteFromView(74, 0), 74);
  EXPECT_EQ(doc.ByteFromView(0, 1), 74);
  EXPECT_EQ(doc.ViewFromByte(74), (ViewPos{74, 0}));
  EXPECT_EQ(doc.ViewFromByte(75), (ViewPos{1, 1}));
  EXPECT_EQ(doc.ByteFromView(75, 0), 0);  // past the wrap
  EXPECT_EQ(doc.SnapView(90, 0), (ViewPos{74, 0}));
  EXPECT_EQ(doc.RowStart(1), 74);
  EXPECT_EQ(doc.RowOfByte(73), 0);
  EXPECT_EQ(doc.RowOfByte(74), 1);

  // No wrap in front of a CR; a lone LF wraps like any character.
  TextDocument crlf(std::string(74, 'x') + "\r\ny", DocumentKind::kText, Wrapped());
  EXPECT_EQ(crlf.RowCount(), 2);
  EXPECT_EQ(crlf.ViewFromByte(74), (ViewPos{74, 0}));
  TextDocument lf(std::string(74, 'x') + "\ny", DocumentKind::kText, Wrapped());
  EXPECT_EQ(lf.RowCount(), 2);
  EXPECT_EQ(lf.ViewFromByte(76), (ViewPos{2, 1}));

  // A double-byte character starting just before the limit reaches past it.
  TextDocument wide(std::string(73, 'x') + "漢y", DocumentKind::kText, Wrapped());
  EXPECT_EQ(wide.RowWidth(0), 75);
  EXPECT_EQ(wide.ViewFromByte(76), (ViewPos{1, 1}));
}

TEST(TextDocument, SoftWrapFollowsEditsAndLayoutChanges) {
  TextDocument doc(std::string(70, 'x') + "\r\nabc", DocumentKind::kText, Wrapped());
  EXPECT_EQ(doc.RowCount(), 2);
  Replace(doc, 10, 10, std::string(10, 'y'));  // line grows to 80 cells
  EXPECT_EQ(doc.RowCount(), 3);
  EXPECT_EQ(doc.ViewFromByte(76), (ViewPos{2, 1}));
  EXPECT_EQ(doc.caretRow, 0);
  EXPECT_EQ(doc.caretCol, 20);
  Replace(doc, 0, 20, "");
  EXPECT_EQ(doc.RowCount(), 2);
  doc.PlaceSelection(doc.LineStart(1) + 2, doc.LineStart(1) + 2);
  TextLayout off;
  doc.SetLayout(off);
  EXPECT_EQ(doc.RowCount(), 2);
  EXPECT_EQ(doc.CaretByte(), doc.LineStart(1) + 2);
  doc.SetLayout(Wrapped(10));
  EXPECT_EQ(doc.RowCount(), 7 + 1);  // 60 cells in rows of 9, then "abc"
  EXPECT_EQ(doc.CaretByte(), doc.LineStart(1) + 2);
}

TEST(TextDocument, ReplacementKeepingTheLineBreaksRewrapsTheLines) {
  TextDocument doc("a\r\n\t\t\t\t\t\t\r\nc", DocumentKind::kText, Wrapped(5));
  EXPECT_EQ(doc.RowCount(), 1 + 6 + 1);  // one TAB per row of 4 cells
  // Same length, CR LF at the same places, far fewer cells on the middle line.
  Replace(doc, 0, 11, "a\r\nbbbbbb\r\n");
  EXPECT_EQ(doc.RowCount(), 1 + 2 + 1);
  EXPECT_EQ(doc.RowStart(2), 7);
}

TEST(TextDocument, LoneLineFeedAndCarriageReturnAreOrdinaryCharacters) {
  TextDocument doc("ab\ncd\ref");
  EXPECT_EQ(doc.LineCount(), 1);
  EXPECT_EQ(doc.RowCount(), 1);
  EXPECT_EQ(doc.ViewFromByte(3), (ViewPos{3, 0}));
  EXPECT_EQ(doc.ViewFromByte(8), (ViewPos{8, 0}));
  EXPECT_EQ(doc.LineStartOf(7), 0);
}

TEST(TextDocument, RowsPastTheEnd) {
  TextDocument doc("ab\r\ncd\r\n");
  EXPECT_EQ(doc.RowCount(), 3);
  EXPECT_EQ(doc.ByteFromView(0, 2), 8);
  EXPECT_EQ(doc.ByteFromView(0, 3), 0);
  EXPECT_EQ(doc.ByteFromView(1, 99), 0);
  EXPECT_EQ(doc.ByteFromView(0, -1), 0);
  EXPECT_EQ(doc.ByteFromView(3, 0), 0);  // beyond the row end
  EXPECT_EQ(doc.ByteFromView(2, 1), 6);  // the row end is its CR
  EXPECT_EQ(doc.SnapView(9, 99), (ViewPos{0, 2}));
  EXPECT_EQ(doc.SnapView(9, 1), (ViewPos{2, 1}));
  EXPECT_EQ(doc.ViewFromByte(3), (ViewPos{0, 1}));  // between CR and LF: after the pair
  EXPECT_EQ(doc.ViewFromByte(1000), (ViewPos{0, 2}));
  EXPECT_EQ(doc.ViewFromByte(-5), (ViewPos{0, 0}));
  EXPECT_EQ(doc.LineStartOf(3), 0);
  EXPECT_EQ(doc.LineStartOf(4), 4);
  EXPECT_EQ(doc.LineStartOf(100), 8);
  EXPECT_EQ(doc.LineEnd(0), 2);
  EXPECT_EQ(doc.LineEnd(2), 8);
  EXPECT_EQ(doc.RowStart(50), 8);
}

TEST(TextDocument, ReplacementGrowsAndShrinksTextAndClassesTogether) {
  TextDocument doc("0123456789");
  uint8_t* cls = doc.ClassRangePointer(0, 10);
  for (int i = 0; i < 10; ++i) cls[i] = static_cast<uint8_t>(i % 3);
  Replace(doc, 2, 4, "ABCDEF");
  EXPECT_EQ(doc.Substr(0, 100), "01ABCDEF456789");
  EXPECT_EQ(doc.Length(), 14);
  for (int i = 2; i < 8; ++i) EXPECT_EQ(doc.ClassAt(i), kColorDefault);
  for (int i = 8; i < 14; ++i) EXPECT_EQ(doc.ClassAt(i), (i - 4) % 3);
  EXPECT_EQ(doc.ClassAt(1), 1);
  Replace(doc, 1, 12, "");
  EXPECT_EQ(std::string(doc.CStr()), "089");
  EXPECT_EQ(doc.ClassAt(1), 8 % 3);
  EXPECT_EQ(doc.ClassAt(2), 9 % 3);
  EXPECT_EQ(doc.ClassAt(3), kColorDefault);  // past the end
  EXPECT_EQ(doc.caretCol, 1);
  EXPECT_EQ(doc.modified, 1);
  // A large paste and removal of many lines keep the index in step.
  std::string big;
  for (int i = 0; i < 5000; ++i) big += "line\t" + std::to_string(i) + "\r\n";
  Replace(doc, 1, 1, big);
  EXPECT_EQ(doc.LineCount(), 5001);
  EXPECT_EQ(doc.LineStart(4000), 1 + static_cast<int>(big.find("line\t4000")));
  Replace(doc, 3, doc.Length() - 2, "");
  EXPECT_EQ(doc.LineCount(), 1);
  EXPECT_STREQ(doc.CStr(), "0li89");
}

TEST(TextDocument, LeadByteTakesTheNextByteEvenCarriageReturn) {
  TextDocument doc("a\r\nb\r\nc");
  EXPECT_EQ(doc.LineCount(), 3);
  // A lead byte typed alone before CR LF takes the CR: the line end disappears.
  Replace(doc, 1, 1, "\x82");
  EXPECT_EQ(doc.LineCount(), 2);
  EXPECT_EQ(doc.LineStart(1), 7);
  EXPECT_EQ(doc.ViewFromByte(5), (ViewPos{5, 0}));
  EXPECT_EQ(doc.LineStartOf(5), 0);
  EXPECT_EQ(doc.caretCol, 3);  // after the pair the lead byte formed with the CR
  // Replacing that pair by a whole character and the CR brings the line end back.
  Replace(doc, 1, 2, "\x82\xA0\r");
  EXPECT_EQ(doc.Substr(0, 99), "a\x82\xA0\r\nb\r\nc");
  EXPECT_EQ(doc.LineCount(), 3);
  EXPECT_EQ(doc.LineStart(1), 5);
  EXPECT_EQ(doc.ViewFromByte(5), (ViewPos{0, 1}));

  // Splitting: the pair of lead byte and CR at the start becomes a plain CR.
  TextDocument split("\x82\r\nx\r\ny");
  EXPECT_EQ(split.LineCount(), 2);
  Replace(split, 0, 2, "\r");
  EXPECT_EQ(split.LineCount(), 3);
  EXPECT_EQ(split.LineStart(1), 2);
  EXPECT_EQ(split.LineStart(2), 5);

  // A lone lead byte at the very end is one cell; text typed after it pairs with it.
  TextDocument end("ab\x82");
  EXPECT_EQ(end.ViewFromByte(3), (ViewPos{3, 0}));
  EXPECT_EQ(end.At(3), 0);
  end.PlaceSelection(3, 3);
  end.ReplaceSelection("A");
  EXPECT_EQ(end.ViewFromByte(4), (ViewPos{4, 0}));
  EXPECT_EQ(end.SnapView(3, 0), (ViewPos{2, 0}));
}

TEST(TextDocument, WordAtSelectsWordsAndCharacterRuns) {
  auto word = [](const TextDocument& doc, int byte) {
    int s, e;
    doc.WordAt(doc.ViewFromByte(byte), s, e);
    return doc.Substr(s, e);
  };
  TextDocument doc("Dim a.bcd = x_1 + 2\r\n");
  EXPECT_EQ(word(doc, 0), "Dim");
  EXPECT_EQ(word(doc, 3), " ");
  EXPECT_EQ(word(doc, 6), "bcd");   // the full stop ends words
  EXPECT_EQ(word(doc, 5), ".");
  EXPECT_EQ(word(doc, 13), "x_1");
  int s, e;
  doc.WordAt({19, 0}, s, e);  // at the CR LF: nothing
  EXPECT_EQ(s, e);
  doc.WordAt({0, 1}, s, e);  // at the end of the text: nothing
  EXPECT_EQ(s, 21);
  EXPECT_EQ(e, 21);

  // Runs of one class of double-byte characters; 0x5C trail bytes included.
  TextDocument jp("漢字ひらがなカタカナーソ表能、x");
  EXPECT_EQ(word(jp, 0), "漢字");
  EXPECT_EQ(word(jp, 6), "ひらがな");
  EXPECT_EQ(word(jp, 14), "カタカナーソ");
  EXPECT_EQ(word(jp, 26), "表能");
  EXPECT_EQ(word(jp, 28), "、");
  EXPECT_EQ(word(jp, 30), "x");

  // Trail bytes that look like letters are never part of a word: ア is 83 41.
  TextDocument trail("アbc");
  EXPECT_EQ(word(trail, 2), "bc");
  EXPECT_EQ(word(trail, 0), "ア");
  // Half-width katakana bytes are single characters, not kanji halves.
  TextDocument half("\xB1\xB2漢");
  EXPECT_EQ(word(half, 2), "漢");
  EXPECT_EQ(word(half, 1), "\xB2");
}

TEST(TextDocument, ReplaceSelectionTellsEachObserverOnceWithTheCaretPlaced) {
  TextDocument doc("one\r\ntwo\r\nthree");
  RecordingObserver first, second;
  doc.AddObserver(&first);
  doc.AddObserver(&second);
  doc.AddObserver(&first);  // added once only
  doc.wantedCol = 5;
  doc.PlaceSelection(5, 5);
  EXPECT_TRUE(first.seen.empty());  // placing the selection is no edit
  ASSERT_TRUE(doc.ReplaceSelection("x\r\ny"));
  ASSERT_EQ(first.seen.size(), 1u);
  ASSERT_EQ(second.seen.size(), 1u);
  const Seen& s1 = first.seen[0];
  EXPECT_EQ(s1.change.start, 5);
  EXPECT_EQ(s1.change.removed, 0);
  EXPECT_EQ(s1.change.inserted, 4);
  EXPECT_EQ(s1.change.firstLine, 1);
  EXPECT_EQ(s1.change.lastLine, 2);
  EXPECT_EQ(s1.change.linesAdded, 1);
  EXPECT_EQ(s1.caret, (ViewPos{1, 2}));
  EXPECT_EQ(s1.anchor, (ViewPos{1, 2}));
  EXPECT_TRUE(s1.modified);
  EXPECT_EQ(s1.wantedCol, -1);

  doc.RemoveObserver(&second);
  doc.PlaceSelection(0, 9);  // "one\r\nx\r\ny": two line ends go
  ASSERT_TRUE(doc.ReplaceSelection(""));
  ASSERT_EQ(first.seen.size(), 2u);
  EXPECT_EQ(second.seen.size(), 1u);
  EXPECT_EQ(first.seen[1].change.removed, 9);
  EXPECT_EQ(first.seen[1].change.linesAdded, -2);
  EXPECT_EQ(first.seen[1].change.firstLine, 0);
  EXPECT_EQ(doc.Substr(0, 99), "two\r\nthree");
}

TEST(TextDocument, GutterFollowsTheRowCount) {
  TextLayout lay;
  lay.codeBoldCharWidth = 7;
  std::string nine;
  for (int i = 0; i < 8; ++i) nine += "l\r\n";
  TextDocument doc(nine, DocumentKind::kText, lay);
  int digits = 0;
  EXPECT_EQ(doc.ComputeGutter(digits), 3 * 7);
  EXPECT_EQ(digits, 1);
  Replace(doc, 0, 0, "\r\n");
  EXPECT_EQ(doc.ComputeGutter(digits), 4 * 7);
  EXPECT_EQ(digits, 2);
  lay.showLineNumber = false;
  doc.SetLayout(lay);
  EXPECT_EQ(doc.ComputeGutter(digits), 10);
  // Soft-wrapped rows are numbered too.
  TextDocument wrapped(std::string(30, 'w'), DocumentKind::kText, Wrapped(4));
  wrapped.ComputeGutter(digits);
  EXPECT_EQ(wrapped.RowCount(), 10);
  EXPECT_EQ(digits, 2);
}

TEST(TextDocument, ContiguousViewsAndSelfReferencingEdits) {
  TextDocument doc("abc\r\ndef");
  const char* p = doc.CStr();
  EXPECT_STREQ(p, "abc\r\ndef");
  EXPECT_EQ(doc.CStr(), p);
  uint64_t v = doc.Version();
  Replace(doc, 1, 1, "XY");
  EXPECT_GT(doc.Version(), v);
  EXPECT_EQ(std::string(doc.RangePointer(0, 4), 4), "aXYb");
  EXPECT_EQ(std::string(doc.RangePointer(2, 5), 5), "Ybc\r\n");
  EXPECT_EQ(std::string(doc.RangePointer(-3, 1000), doc.Length()), "aXYbc\r\ndef");
  // Inserting a copy of the document's own bytes, taken straight from its storage.
  doc.PlaceSelection(doc.Length(), doc.Length());
  doc.ReplaceSelection(std::string_view(doc.RangePointer(0, 5), 5));
  EXPECT_STREQ(doc.CStr(), "aXYbc\r\ndefaXYbc");
  // NUL bytes never enter the text.
  doc.ReplaceSelection(std::string_view("a\0b", 3));
  EXPECT_EQ(doc.Substr(doc.Length() - 3, doc.Length()), "a b");
  TextDocument withNul(std::string("x\0y", 3));
  EXPECT_STREQ(withNul.CStr(), "x y");
  EXPECT_EQ(doc.CopySelectionText(1, 3), "XY");
  EXPECT_EQ(doc.CopySelectionText(-4, 2), "aX");
}

TEST(TextDocument, ShapingSettingsOutsideTheirRangeAreClamped) {
  TextLayout lay;
  lay.tabSize = 0;
  lay.rightTurn = true;
  lay.maxOneLineTextLength = 0;
  TextDocument doc("\tab\r\ncd", DocumentKind::kText, lay);
  EXPECT_GE(doc.Layout().tabSize, 1);
  EXPECT_GE(doc.Layout().maxOneLineTextLength, 2);
  // Every row holds at least one character, so the walk always ends.
  EXPECT_EQ(doc.RowCount(), 5);
  EXPECT_EQ(doc.SnapView(1000, 1000).row, 4);
}

TEST(TextDocument, TenMegabyteSingleLine) {
  std::string line(10 * 1024 * 1024, 'a');
  for (size_t i = 0; i < line.size(); i += 97) line[i] = '\t';
  line.back() = '\x82';  // a lone lead byte at the very end
  TextDocument doc(line, DocumentKind::kText, Wrapped());
  const int n = doc.Length();
  doc.PlaceSelection(n, n);
  const ViewPos end{doc.caretCol, doc.caretRow};
  EXPECT_EQ(end.row, doc.RowCount() - 1);
  EXPECT_EQ(doc.SnapView(end.col + 5, end.row + 5), end);
  doc.ReplaceSelection("\x9F");  // pairs with the lone lead byte
  EXPECT_EQ(doc.Substr(n - 2, n + 5), "a\x82\x9F");
  EXPECT_EQ(doc.caretRow, end.row);
  EXPECT_EQ(doc.caretCol, end.col + 1);
  EXPECT_EQ(doc.LineCount(), 1);
}
