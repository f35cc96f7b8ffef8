// Differential test: random Shift-JIS texts and random edits; after every edit
// every conversion of TextDocument must equal the whole-text reference.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "editor/text_document.h"
#include "tests/host/reference_text_document.h"

namespace {

// Pieces texts are made of: letters, digits, full stops, blanks, TABs, CR LF,
// lone CR and LF, double-byte characters (0x5C trail bytes among them), lone
// lead bytes and half-width katakana.
const char* const kPieces[] = {
    "a", "Z", "_", "x1", "9", ".", " ", "\t", "\t", "\r\n", "\r\n", "\r", "\n",
    "あ", "ひらがな", "カ", "ー", "ソ", "表", "能", "漢字", "、", "　", "\x82", "\x83", "\xE0",
    "\xB1", "\xDF", "\x82\r\n", "ab.cd", "If", "\x81\x5B",
};

std::string RandomText(std::mt19937& rng, int pieces) {
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kPieces)) - 1);
  std::string s;
  for (int i = 0; i < pieces; ++i) s += kPieces[pick(rng)];
  return s;
}

std::vector<std::pair<int, int>> g_recolored;
void Record(TextDocument&, int first, int last) { g_recolored.emplace_back(first, last); }

struct Pair {
  TextDocument doc;
  ReferenceTextDocument ref;
  Pair(const std::string& text, const TextLayout& lay) : doc(text, 2, lay) {
    ref.text = text;
    ref.classes.assign(text.size(), static_cast<char>(kColorDefault));
    ApplyLayout(lay);
  }
  void ApplyLayout(const TextLayout& lay) {
    ref.tabSize = lay.tabSize;
    ref.rightTurn = lay.rightTurn;
    ref.maxLen = lay.maxOneLineTextLength;
    ref.showLineNumber = lay.showLineNumber;
    ref.charWidth = lay.codeBoldCharWidth;
  }
};

TextLayout RandomLayout(std::mt19937& rng) {
  static const int kTabs[] = {1, 2, 3, 4, 8};
  static const int kMax[] = {2, 3, 5, 8, 13, 75};
  TextLayout lay;
  lay.tabSize = kTabs[rng() % std::size(kTabs)];
  lay.rightTurn = rng() % 2 == 0;
  lay.maxOneLineTextLength = kMax[rng() % std::size(kMax)];
  lay.showLineNumber = rng() % 4 != 0;
  lay.codeBoldCharWidth = 5 + static_cast<int>(rng() % 5);
  return lay;
}

// Compares everything; `fullSweep` checks every byte, else a sample.
void Compare(Pair& p, std::mt19937& rng, bool fullSweep) {
  TextDocument& doc = p.doc;
  const ReferenceTextDocument& ref = p.ref;
  const int n = ref.Length();
  ASSERT_EQ(doc.Length(), n);
  ASSERT_EQ(doc.Substr(0, n), ref.text);
  for (int i = 0; i < n; ++i) ASSERT_EQ(static_cast<char>(doc.ClassAt(i)), ref.classes[i]) << "class at " << i;
  ASSERT_EQ(doc.RowCount(), ref.RowCount());
  ASSERT_EQ(doc.LineCount(), ref.LineCount());
  int d1 = 0, d2 = 0;
  ASSERT_EQ(doc.ComputeGutter(d1), ref.ComputeGutter(d2));
  ASSERT_EQ(d1, d2);
  ASSERT_EQ(doc.gutterDigits, d2);
  ASSERT_EQ(doc.caretCol, ref.caret.col);
  ASSERT_EQ(doc.caretRow, ref.caret.row);

  std::vector<int> bytes;
  if (fullSweep) {
    for (int i = -2; i <= n + 2; ++i) bytes.push_back(i);
  } else {
    for (int k = 0; k < 48; ++k) bytes.push_back(static_cast<int>(rng() % (n + 3)) - 1);
    bytes.push_back(n);
  }
  for (int i : bytes) {
    ASSERT_EQ(doc.ViewFromByte(i), ref.ViewFromByte(i)) << "ViewFromByte " << i;
    int c = std::max(0, std::min(i, n));
    ASSERT_EQ(doc.LineStartOf(i), ref.LineStartOf(c)) << "LineStartOf " << i;
    ASSERT_EQ(doc.LineOfByte(i), ref.LineOfByte(c)) << "LineOfByte " << i;
  }

  const int rows = ref.RowCount();
  std::vector<int> rowList;
  if (fullSweep || rows < 40) {
    for (int r = -1; r <= rows + 1; ++r) rowList.push_back(r);
  } else {
    for (int k = 0; k < 10; ++k) rowList.push_back(static_cast<int>(rng() % (rows + 2)) - 1);
    rowList.push_back(rows - 1);
  }
  const int maxLen = ref.maxLen;
  for (int r : rowList) {
    int width = ref.RowStartOrMinus(r) >= 0 ? ref.RowWidth(r) : 0;
    if (r >= 0 && r < rows) {
      ASSERT_EQ(doc.RowWidth(r), width) << "RowWidth " << r;
      ASSERT_EQ(doc.RowStart(r), ref.RowStartOrMinus(r)) << "RowStart " << r;
    }
    const int cols[] = {-1, 0, 1, 2, 3, 4, 5, 7, maxLen - 2, maxLen - 1, maxLen, width - 1, width,
                        width + 1, width + 9};
    for (int c : cols) {
      if (!fullSweep && rng() % 3 != 0) continue;
      ASSERT_EQ(doc.ByteFromView(c, r), ref.ByteFromView(c, r)) << "ByteFromView " << c << "," << r;
      ASSERT_EQ(doc.SnapView(c, r), ref.SnapView(c, r)) << "SnapView " << c << "," << r;
      ViewPos snapped = ref.SnapView(c, r);
      int s = 0, e = 0;
      doc.WordAt(snapped, s, e);
      ASSERT_EQ(std::make_pair(s, e), ref.WordAt(snapped)) << "WordAt " << snapped.col << "," << snapped.row;
    }
  }
}

// One random edit on both sides through caret, anchor and the replace operation.
void RandomEdit(Pair& p, std::mt19937& rng) {
  const int n = p.ref.Length();
  int a = static_cast<int>(rng() % (n + 1));
  int b = a;
  switch (rng() % 4) {
    case 0: break;                                                   // insertion
    case 1: b = std::min(n, a + static_cast<int>(rng() % 4)); break;  // small replacement
    case 2: b = static_cast<int>(rng() % (n + 1)); break;            // anywhere, multi-line
    default: b = std::min(n, a + static_cast<int>(rng() % 40)); break;
  }
  std::string text;
  switch (rng() % 6) {
    case 0: break;  // deletion
    case 5:         // same length: nothing after it moves, but the lines may re-wrap
      text = RandomText(rng, 1 + std::abs(b - a) / 2);
      text.resize(std::abs(b - a), '\t');
      break;
    case 1: text = kPieces[rng() % std::size(kPieces)]; break;
    case 2: text = std::string(1, static_cast<char>(rng() % 256)); break;
    default: text = RandomText(rng, 1 + static_cast<int>(rng() % 8)); break;
  }
  // Random classes first, so that their movement with the text is checked.
  if (n > 0) {
    int from = static_cast<int>(rng() % n);
    int len = std::min(n - from, 1 + static_cast<int>(rng() % 12));
    uint8_t* cls = p.doc.ClassRangePointer(from, len);
    for (int i = 0; i < len; ++i) {
      cls[i] = static_cast<uint8_t>(rng() % 3);
      p.ref.classes[from + i] = static_cast<char>(cls[i]);
    }
  }
  if (rng() % 8 == 0) p.doc.CStr();  // gap to the end, as a search would

  p.doc.SetSelection(b, a, false);
  p.ref.caret = p.ref.ViewFromByte(b);
  p.ref.anchor = p.ref.ViewFromByte(a);
  ASSERT_EQ(p.doc.caretCol, p.ref.caret.col);
  ASSERT_EQ(p.doc.caretRow, p.ref.caret.row);
  ASSERT_EQ(p.doc.anchorCol, p.ref.anchor.col);
  ASSERT_EQ(p.doc.anchorRow, p.ref.anchor.row);

  g_recolored.clear();
  uint64_t version = p.doc.Version();
  p.doc.ReplaceSelection(text, false);
  auto lines = p.ref.ReplaceSelection(text);
  ASSERT_EQ(g_recolored.size(), 1u);
  ASSERT_EQ(g_recolored[0], lines) << "recoloured lines";
  ASSERT_GT(p.doc.Version(), version);
  ASSERT_EQ(p.doc.anchorCol, p.doc.caretCol);
  ASSERT_EQ(p.doc.anchorRow, p.doc.caretRow);
}

double FuzzSeconds(double normal) {
  const char* env = std::getenv("QUILLET_FUZZ_SECONDS");
  return env ? std::atof(env) : normal;
}

// Runs seeds 1, 2, 3... until the time budget is spent; each seed is reproducible.
template <typename F>
void ForSeeds(double seconds, F body) {
  auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (uint32_t seed = 1;; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    body(seed);
    if (::testing::Test::HasFatalFailure() || std::chrono::steady_clock::now() > until) break;
  }
}

}  // namespace

TEST(TextDocumentFuzz, SmallTextsMatchTheReferenceAfterEveryEdit) {
  ForSeeds(FuzzSeconds(1.5), [](uint32_t seed) {
    std::mt19937 rng(seed);
    TextLayout lay = RandomLayout(rng);
    Pair p(RandomText(rng, static_cast<int>(rng() % 30)), lay);
    p.doc.recolor = Record;
    ASSERT_NO_FATAL_FAILURE(Compare(p, rng, true));
    for (int step = 0; step < 25; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      ASSERT_NO_FATAL_FAILURE(RandomEdit(p, rng));
      if (rng() % 10 == 0) {
        TextLayout next = RandomLayout(rng);
        int caret = p.ref.ByteFromView(p.ref.caret.col, p.ref.caret.row);
        p.doc.SetLayout(next);
        p.ApplyLayout(next);
        p.ref.caret = p.ref.anchor = p.ref.ViewFromByte(caret);
      }
      ASSERT_NO_FATAL_FAILURE(Compare(p, rng, true));
    }
  });
}

TEST(TextDocumentFuzz, ManyLinesKeepTheIndexInStep) {
  // Hundreds of lines, edits far apart: exercises the pending shift of line
  // starts moving forwards and backwards.
  ForSeeds(FuzzSeconds(1.0), [](uint32_t seed) {
    std::mt19937 rng(seed * 7919u);
    TextLayout lay = RandomLayout(rng);
    Pair p(RandomText(rng, 300 + static_cast<int>(rng() % 300)), lay);
    p.doc.recolor = Record;
    for (int step = 0; step < 20; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      ASSERT_NO_FATAL_FAILURE(RandomEdit(p, rng));
      ASSERT_NO_FATAL_FAILURE(Compare(p, rng, false));
    }
  });
}
