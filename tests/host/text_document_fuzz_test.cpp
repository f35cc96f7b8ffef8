// Differential test: random Shift-JIS texts and random edits; after every edit
// every conversion of TextDocument must equal the whole-text reference. Long
// lines run with small cursor-cache sizes, so that the remembered walk states
// and checkpoints are used, moved and dropped by short texts: conversions in
// sequence, backwards and at random, edits before, at and after the states.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "editor/line_widths.h"
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

// The changes a document reports.
struct ChangeLog : TextObserver {
  std::vector<TextChange> changes;
  void TextChanged(TextDocument&, const TextChange& c) override { changes.push_back(c); }
};

struct Pair {
  TextDocument doc;
  ReferenceTextDocument ref;
  ChangeLog log;
  Pair(const std::string& text, const TextLayout& lay) : doc(text, DocumentKind::kText, lay) {
    doc.AddObserver(&log);
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

// Cache sizes from "every line, every byte" to the defaults.
void RandomTuning(TextDocument& doc, std::mt19937& rng) {
  static const int kMemo[] = {1, 2, 8, 64, 1024};
  static const int kMarkLine[] = {1, 16, 100, 16384};
  static const int kInterval[] = {1, 2, 5, 16, 64};
  doc.TuneCursorCaches(kMemo[rng() % std::size(kMemo)], kMarkLine[rng() % std::size(kMarkLine)],
                       kInterval[rng() % std::size(kInterval)]);
}

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
  for (int i = 0; i < n; ++i)
    ASSERT_EQ(static_cast<char>(doc.ClassAt(i)), ref.classes[i]) << "class at " << i;
  ASSERT_EQ(doc.RowCount(), ref.RowCount());
  ASSERT_EQ(doc.LineCount(), ref.LineCount());
  int d1 = 0, d2 = 0;
  ASSERT_EQ(doc.ComputeGutter(d1), ref.ComputeGutter(d2));
  ASSERT_EQ(d1, d2);
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
    ASSERT_EQ(doc.RowOfByte(i), ref.RowOfByte(c)) << "RowOfByte " << i;
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

// Selects [a, b) on both sides (b the caret) and replaces it by text.
void Edit(Pair& p, int a, int b, const std::string& text) {
  p.doc.PlaceSelection(b, a);
  p.ref.caret = p.ref.ViewFromByte(b);
  p.ref.anchor = p.ref.ViewFromByte(a);
  ASSERT_EQ(p.doc.caretCol, p.ref.caret.col);
  ASSERT_EQ(p.doc.caretRow, p.ref.caret.row);
  ASSERT_EQ(p.doc.anchorCol, p.ref.anchor.col);
  ASSERT_EQ(p.doc.anchorRow, p.ref.anchor.row);

  p.log.changes.clear();
  uint64_t version = p.doc.Version();
  const int linesBefore = p.doc.LineCount();
  int s, e;
  p.doc.SelectionBytes(s, e);
  p.doc.ReplaceSelection(text);
  auto lines = p.ref.ReplaceSelection(text);
  ASSERT_EQ(p.log.changes.size(), 1u);
  const TextChange& c = p.log.changes[0];
  ASSERT_EQ(std::make_pair(c.firstLine, c.lastLine), lines) << "changed lines";
  ASSERT_EQ(c.start, s);
  ASSERT_EQ(c.removed, e - s);
  ASSERT_EQ(c.inserted, static_cast<int>(text.size()));
  ASSERT_EQ(c.linesAdded, p.doc.LineCount() - linesBefore);
  ASSERT_GT(p.doc.Version(), version);
  ASSERT_EQ(p.doc.anchorCol, p.doc.caretCol);
  ASSERT_EQ(p.doc.anchorRow, p.doc.caretRow);
  ASSERT_EQ(p.doc.caretCol, p.ref.caret.col);
  ASSERT_EQ(p.doc.caretRow, p.ref.caret.row);
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

  ASSERT_NO_FATAL_FAILURE(Edit(p, a, b, text));
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
    if (rng() % 2 == 0) RandomTuning(p.doc, rng);
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
    if (rng() % 2 == 0) RandomTuning(p.doc, rng);
    for (int step = 0; step < 20; ++step) {
      SCOPED_TRACE("step " + std::to_string(step));
      ASSERT_NO_FATAL_FAILURE(RandomEdit(p, rng));
      ASSERT_NO_FATAL_FAILURE(Compare(p, rng, false));
    }
  });
}

namespace {

// Pieces of long lines: everything of kPieces but CR LF, which comes rarely.
std::string RandomLongLines(std::mt19937& rng, int pieces) {
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kPieces)) - 1);
  std::string s;
  for (int i = 0; i < pieces; ++i) {
    std::string piece = kPieces[pick(rng)];
    if (piece.find("\r\n") != std::string::npos && rng() % 40 != 0) continue;
    s += piece;
  }
  return s;
}

// Every conversion at and around one byte, against the reference.
void CheckAt(Pair& p, int byte, std::mt19937& rng) {
  TextDocument& doc = p.doc;
  const ReferenceTextDocument& ref = p.ref;
  const ViewPos v = ref.ViewFromByte(byte);
  ASSERT_EQ(doc.ViewFromByte(byte), v) << "ViewFromByte " << byte;
  ASSERT_EQ(doc.RowOfByte(byte), ref.RowOfByte(byte)) << "RowOfByte " << byte;
  const int col = v.col + static_cast<int>(rng() % 7) - 3;
  ASSERT_EQ(doc.ByteFromView(v.col, v.row), ref.ByteFromView(v.col, v.row))
      << "ByteFromView " << v.col << "," << v.row;
  ASSERT_EQ(doc.ByteFromView(col, v.row), ref.ByteFromView(col, v.row))
      << "ByteFromView " << col << "," << v.row;
  ASSERT_EQ(doc.SnapView(col, v.row), ref.SnapView(col, v.row)) << "SnapView " << col << "," << v.row;
  ASSERT_EQ(doc.RowWidth(v.row), ref.RowWidth(v.row)) << "RowWidth " << v.row;
  if (rng() % 4 == 0) {
    ASSERT_EQ(doc.RowStart(v.row), ref.RowStartOrMinus(v.row)) << "RowStart " << v.row;
  }
  if (rng() % 4 == 0) {
    const ViewPos snapped = ref.SnapView(col, v.row);
    int s = 0, e = 0;
    doc.WordAt(snapped, s, e);
    ASSERT_EQ(std::make_pair(s, e), ref.WordAt(snapped)) << "WordAt " << snapped.col << "," << snapped.row;
  }
}

// A run of conversions moving from `at` by small steps, forwards or backwards.
void Sweep(Pair& p, std::mt19937& rng, int& at, int direction) {
  for (int k = 0; k < 12; ++k) {
    at = std::clamp(at + direction * static_cast<int>(rng() % 24), 0, p.ref.Length());
    ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
  }
}

// Replace-all moving forward from `at`: each single-byte letter a-z found is
// selected with the following byte and replaced by one, two or no bytes.
void ReplaceForward(Pair& p, std::mt19937& rng, int& at) {
  for (int k = 0; k < 6; ++k) {
    size_t found = p.ref.text.find_first_of("abcdefghijklmnopqrstuvwxyz", static_cast<size_t>(at));
    if (found == std::string::npos) return;
    const int m = static_cast<int>(found);
    const int end = std::min(p.ref.Length(), m + 2);
    static const char* const kWith[] = {"Q", "QR", "", "\t", "表"};
    const std::string with = kWith[rng() % std::size(kWith)];
    ASSERT_NO_FATAL_FAILURE(Edit(p, m, end, with));
    at = p.ref.ByteFromView(p.ref.caret.col, p.ref.caret.row);
    ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
  }
}

}  // namespace

TEST(TextDocumentFuzz, LongLinesWithRememberedStates) {
  ForSeeds(FuzzSeconds(2.0), [](uint32_t seed) {
    std::mt19937 rng(seed * 104729u);
    TextLayout lay = RandomLayout(rng);
    Pair p(RandomLongLines(rng, 300 + static_cast<int>(rng() % 900)), lay);
    RandomTuning(p.doc, rng);
    int at = static_cast<int>(rng() % (p.ref.Length() + 1));
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE("step " + std::to_string(step) + " at " + std::to_string(at));
      const int n = p.ref.Length();
      switch (rng() % 9) {
        case 0:
        case 1: ASSERT_NO_FATAL_FAILURE(Sweep(p, rng, at, 1)); break;
        case 2: ASSERT_NO_FATAL_FAILURE(Sweep(p, rng, at, -1)); break;
        case 3: {  // typing at the last converted place
          const std::string text = RandomLongLines(rng, 1 + static_cast<int>(rng() % 3));
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          const int caret = p.ref.ByteFromView(p.ref.ViewFromByte(at).col, p.ref.ViewFromByte(at).row);
          ASSERT_NO_FATAL_FAILURE(Edit(p, caret, caret, text));
          at = caret + static_cast<int>(text.size());
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          break;
        }
        case 4: {  // an edit before the remembered place, then conversions after it
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          const int a = static_cast<int>(rng() % (at + 1));
          const int b = std::min(at, a + static_cast<int>(rng() % 6));
          ASSERT_NO_FATAL_FAILURE(Edit(p, a, b, RandomLongLines(rng, static_cast<int>(rng() % 3))));
          at = std::min(p.ref.Length(), at + static_cast<int>(rng() % 50));
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          break;
        }
        case 5: {  // an edit after it, then conversions before it
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          const int a = at + static_cast<int>(rng() % (n - at + 1));
          const int b = std::min(n, a + static_cast<int>(rng() % 6));
          ASSERT_NO_FATAL_FAILURE(Edit(p, a, b, RandomLongLines(rng, static_cast<int>(rng() % 3))));
          at = std::max(0, at - static_cast<int>(rng() % 50));
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          break;
        }
        case 6: ASSERT_NO_FATAL_FAILURE(ReplaceForward(p, rng, at)); break;
        case 7:  // anywhere
          at = static_cast<int>(rng() % (n + 1));
          ASSERT_NO_FATAL_FAILURE(CheckAt(p, at, rng));
          break;
        default:  // a line end added or removed
          ASSERT_NO_FATAL_FAILURE(RandomEdit(p, rng));
          break;
      }
      at = std::clamp(at, 0, p.ref.Length());
      if (step % 8 == 7) {
        if (rng() % 3 == 0) {
          TextLayout next = RandomLayout(rng);
          const int caret = p.ref.ByteFromView(p.ref.caret.col, p.ref.caret.row);
          p.doc.SetLayout(next);
          p.ApplyLayout(next);
          p.ref.caret = p.ref.anchor = p.ref.ViewFromByte(caret);
        }
        ASSERT_NO_FATAL_FAILURE(Compare(p, rng, false));
      }
    }
  });
}

// Conversions on a second thread (as the drag auto-scroll worker makes them)
// at the same time as on the document's own thread: both use the memo, only
// the own thread the checkpoints; every answer must stay exact.
TEST(TextDocumentFuzz, ConversionsOnTwoThreadsAtOnce) {
  std::mt19937 rng(99);
  TextLayout lay;
  lay.rightTurn = true;
  lay.maxOneLineTextLength = 13;
  Pair p(RandomLongLines(rng, 1500), lay);
  p.doc.TuneCursorCaches(8, 64, 16);
  struct Probe {
    int byte;
    ViewPos view;
    ViewPos snapped;
  };
  std::vector<Probe> probes;
  for (int k = 0; k < 300; ++k) {
    Probe pr;
    pr.byte = static_cast<int>(rng() % (p.ref.Length() + 1));
    pr.view = p.ref.ViewFromByte(pr.byte);
    pr.snapped = p.ref.SnapView(pr.view.col + 1, pr.view.row);
    probes.push_back(pr);
  }
  for (Probe& pr : probes) pr.byte = p.ref.ByteFromView(pr.view.col, pr.view.row);

  std::atomic<int> wrong{0};
  auto run = [&](uint32_t order) {
    std::mt19937 pick(order);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < until) {
      // Mostly neighbours, so that the memo is hit and rewritten all the time.
      size_t k = pick() % probes.size();
      for (int i = 0; i < 20; ++i, k = (k + 1) % probes.size()) {
        const Probe& pr = probes[k];
        if (p.doc.ViewFromByte(pr.byte) != pr.view) ++wrong;
        if (p.doc.ByteFromView(pr.view.col, pr.view.row) != pr.byte) ++wrong;
        if (p.doc.SnapView(pr.view.col + 1, pr.view.row) != pr.snapped) ++wrong;
      }
    }
  };
  std::thread worker(run, 2u);
  run(1u);
  worker.join();
  EXPECT_EQ(wrong.load(), 0);
}

// Every small edit at every place of texts where runs of lead-range bytes
// decide which CR ends a line: inserting or removing one byte flips the
// pairing up to the first byte after the run, with and without soft wrap and
// with states remembered at every byte.
TEST(TextDocumentFuzz, EveryEditNearLeadByteRuns) {
  const std::string texts[] = {
      "x\x82\x82\x82\r\ny\x81\r\n\tz",
      "\x82\x82\r\n\x82\r\n\r\n\x9F\xE0\x82\r\nab",
      "a\tb\x82\x82\x82\x82\x82\r\n\t\x82",
  };
  const std::string inserts[] = {"", "\x82", "a", "\r", "\n"};
  std::mt19937 rng(5);
  for (const std::string& text : texts) {
    for (bool wrap : {false, true}) {
      TextLayout lay;
      lay.rightTurn = wrap;
      lay.maxOneLineTextLength = 3;
      for (int a = 0; a <= static_cast<int>(text.size()); ++a) {
        for (int len : {0, 1, 2}) {
          for (const std::string& insert : inserts) {
            SCOPED_TRACE("wrap " + std::to_string(wrap) + " at " + std::to_string(a) + " len " +
                         std::to_string(len) + " insert " + std::to_string(insert.size()));
            Pair p(text, lay);
            p.doc.TuneCursorCaches(1, 1, 1);
            // Remember states everywhere first, so that the edit has to sort them out.
            for (int i = 0; i <= static_cast<int>(text.size()); ++i) p.doc.ViewFromByte(i);
            const int b = std::min(static_cast<int>(text.size()), a + len);
            ASSERT_NO_FATAL_FAILURE(Edit(p, a, b, insert));
            ASSERT_NO_FATAL_FAILURE(Compare(p, rng, true));
          }
        }
      }
    }
  }
}

// Checkpoints laid by walks in small forward steps (so that many start from
// the memo just past the last checkpoint) are moved by an edit before them;
// the columns after the first TAB behind the edit move by whole TAB stops.
TEST(TextDocumentFuzz, CheckpointsMovePastTabsAfterAnEditBeforeThem) {
  std::mt19937 rng(11);
  for (int round = 0; round < 150; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    std::string text;
    while (text.size() < 160) {
      // A lone lead byte takes the TAB after it as its second byte.
      const unsigned pick = rng() % 12;
      text += pick == 0 ? "\t" : pick == 1 ? "表" : pick == 2 ? "\x82" : "a";
    }
    TextLayout lay;
    lay.tabSize = 2 + static_cast<int>(rng() % 7);
    Pair p(text, lay);
    p.doc.TuneCursorCaches(1, 1, 2 + static_cast<int>(rng() % 12));
    for (int at = 0; at <= p.ref.Length(); at += 1 + static_cast<int>(rng() % 4)) p.doc.ViewFromByte(at);
    const int a = static_cast<int>(rng() % 40);
    const int b = a + static_cast<int>(rng() % 3);
    const std::string insert(rng() % 4, 'x');
    ASSERT_NO_FATAL_FAILURE(Edit(p, a, b, insert));
    ASSERT_NO_FATAL_FAILURE(Compare(p, rng, true));
  }
}

// The widest line the renderer keeps follows edits inside long lines, where
// the widths come from the moved checkpoints, and equals a fresh measurement.
TEST(TextDocumentFuzz, WidestLineFollowsEditsInLongLines) {
  ForSeeds(FuzzSeconds(0.5), [](uint32_t seed) {
    std::mt19937 rng(seed * 7u);
    TextLayout lay;
    lay.tabSize = 2 + static_cast<int>(rng() % 7);
    TextDocument doc(RandomLongLines(rng, 400 + static_cast<int>(rng() % 400)), DocumentKind::kText, lay);
    doc.TuneCursorCaches(1, 1 + static_cast<int>(rng() % 40), 1 + static_cast<int>(rng() % 30));
    LineWidthCache widths;
    widths.Widest(doc);
    for (int step = 0; step < 60; ++step) {
      const int a = static_cast<int>(rng() % (doc.Length() + 1));
      const int b = std::min(doc.Length(), a + static_cast<int>(rng() % 4));
      doc.PlaceSelection(b, a);
      int s, e;
      doc.SelectionBytes(s, e);
      const std::string text = RandomLongLines(rng, static_cast<int>(rng() % 3));
      doc.ReplaceSelection(text);
      const int end = s + static_cast<int>(text.size());
      widths.LinesChanged(doc, doc.LineOfByte(doc.LineStartOf(s)), doc.LineOfByte(end));
      ASSERT_TRUE(widths.Valid()) << "step " << step;
      std::vector<int> fresh;
      MeasureLinesFrom(doc, 0, fresh);
      ASSERT_EQ(*std::max_element(fresh.begin(), fresh.end()), widths.Widest(doc)) << "step " << step;
    }
  });
}
