// The undo ring through EditSelection, Undo and Redo.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "editing_test_support.h"

namespace {

std::vector<std::string> UndoTexts(const UndoRing& ring) {
  std::vector<std::string> out;
  for (int i = 0; i < UndoRing::kSize; ++i) {
    const UndoEntry& e = ring.entries[(ring.index + i) % UndoRing::kSize];
    if (e.kind != UndoKind::kEmpty) out.push_back(e.inserted);
  }
  return out;
}

size_t HeldBytes(const UndoRing& ring) {
  size_t n = 0;
  for (const UndoEntry& e : ring.entries) n += e.inserted.capacity() + e.removed.capacity();
  return n;
}

int EmptySlots(const UndoRing& ring) {
  int n = 0;
  for (const UndoEntry& e : ring.entries) n += e.kind == UndoKind::kEmpty;
  return n;
}

TEST(EditingUndoRing, TypedRunsMergeByBreakClass) {
  EditSlot s;
  s.Type("ab cd");
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"ab", " ", "cd"}));
  s.Type("  (x)");
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"ab", " ", "cd", "  (", "x", ")"}));
  EXPECT_EQ(s.Text(), "ab cd  (x)");
}

TEST(EditingUndoRing, EnterStartsAStepThatTheNextLettersJoin) {
  EditSlot s;
  s.Type("ab\rcd", false);
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"ab", "\r\ncd"}));
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "ab");
}

TEST(EditingUndoRing, OnlyAdjacentTypedInsertionsMerge) {
  EditSlot s("xyz");
  s.Place(3);
  s.Type("ab");
  s.Place(0);
  s.Type("c");  // not at the end of the last step
  EditSelection(s.text, "p", EditOrigin::kPasted);
  EditSelection(s.text, "q", EditOrigin::kPasted);  // pastes never merge
  s.Select(0, 1);
  EditSelection(s.text, "r");  // a replacement never merges
  s.Type("s");
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"ab", "c", "p", "q", "r", "s"}));
  EXPECT_EQ(s.Text(), "rspqxyzab");
}

TEST(EditingUndoRing, DoubleByteCharacterTypedByteByByteIsOneStep) {
  // ソ is 0x83 0x5C: its second byte has the value of a backslash, a break character.
  const std::string so = "ソ";
  ASSERT_EQ(so, "\x83\x5C");
  EditSlot s;
  s.Type("a" + so + "b" + so);
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"a" + so + "b" + so}));
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "");
}

TEST(EditingTypedBytes, FirstByteWaitsForTheSecond) {
  // Inserted alone, the first byte would pair with the CR after the caret.
  EditSlot s("ab\r\ncd");
  s.Place(2);
  EXPECT_EQ(TypeByte(s.text, 0x83), TypedBytes::kHeld);
  EXPECT_EQ(s.Text(), "ab\r\ncd");
  EXPECT_EQ(TypeByte(s.text, 0x5C), TypedBytes::kCharacter);
  EXPECT_EQ(s.Text(), "abソ\r\ncd");
  EXPECT_EQ(s.doc().LineCount(), 2);
  EXPECT_EQ(s.Caret(), 4);

  EditSlot t("xa");
  t.Place(1);
  t.Type("表");  // 0x95 0x5C
  EXPECT_EQ(t.Text(), "x表a");
  EXPECT_EQ(t.Caret(), 3);

  // A first byte followed by something that cannot be a second byte is dropped.
  EditSlot u("z");
  u.Place(1);
  u.Type("\x83" "1");
  EXPECT_EQ(u.Text(), "z1");
  u.Type("\x83\r");
  EXPECT_EQ(u.Text(), "z1\r\n");
  EXPECT_EQ(TypeByte(u.text, 'A'), TypedBytes::kByte);
  EXPECT_EQ(u.Text(), "z1\r\nA");
}

TEST(EditingTypedBytes, ALeadByteEndingAnInsertedTextIsNotStored) {
  EditSlot s("ab\r\ncd");
  s.Place(2);
  EditSelection(s.text, "x\x83", EditOrigin::kPasted);
  EXPECT_EQ(s.Text(), "abx\r\ncd");
  EditSelection(s.text, "\x83\x83", EditOrigin::kPasted);  // a complete character
  EXPECT_EQ(s.Text(), "abx\x83\x83\r\ncd");
  EXPECT_EQ(s.doc().LineCount(), 2);
}

TEST(EditingUndoRing, EditsThatJoinTheirNeighboursUndoExactly) {
  // Deleting between a lone CR and a lone LF makes a line end of them.
  EditSlot s("a\rXY\nb");
  s.Select(2, 4);
  EditSelection(s.text, "");
  EXPECT_EQ(s.Text(), "a\r\nb");
  EXPECT_EQ(s.doc().LineCount(), 2);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "a\rXY\nb");
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Text(), "a\r\nb");
  // Pasting a text ending in CR before a lone LF.
  EditSlot t("x\ny");
  t.Place(1);
  EditSelection(t.text, "p\r", EditOrigin::kPasted);
  EXPECT_EQ(t.Text(), "xp\r\ny");
  EXPECT_EQ(t.Caret(), 4);  // after the line end, not inside it
  ASSERT_TRUE(Undo(t.text));
  EXPECT_EQ(t.Text(), "x\ny");
  // A document ending in a lone lead byte: the next byte typed pairs with it.
  EditSlot u("ab\x83");
  u.Place(3);
  u.Type("q");
  EXPECT_EQ(u.Text(), "ab\x83q");
  ASSERT_TRUE(Undo(u.text));
  EXPECT_EQ(u.Text(), "ab\x83");
}

TEST(EditingUndoRing, AtMost299StepsTheOldestDropped) {
  EditSlot s;
  std::string typed;
  for (int i = 0; i < 310; ++i) typed += (i % 2 ? ' ' : static_cast<char>('a' + i % 26));
  s.Type(typed);
  EXPECT_EQ(UndoStepCount(s.ring()), 299);
  EXPECT_EQ(EmptySlots(s.ring()), 1);
  for (int i = 0; i < 299; ++i) ASSERT_TRUE(Undo(s.text)) << i;
  EXPECT_FALSE(Undo(s.text));
  EXPECT_EQ(s.Text(), typed.substr(0, 11));
  EXPECT_EQ(RedoStepCount(s.ring()), 299);
  for (int i = 0; i < 299; ++i) ASSERT_TRUE(Redo(s.text)) << i;
  EXPECT_FALSE(Redo(s.text));
  EXPECT_EQ(s.Text(), typed);
}

TEST(EditingUndoRing, NewEditAfterUndoDropsTheRedoSteps) {
  EditSlot s;
  s.Type("ab cd ef");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "ab ");
  EXPECT_EQ(RedoStepCount(s.ring()), 3);
  s.Type("x");
  EXPECT_EQ(RedoStepCount(s.ring()), 0);
  EXPECT_FALSE(Redo(s.text));
  EXPECT_EQ(s.Text(), "ab x");
  EXPECT_EQ(UndoTexts(s.ring()), (std::vector<std::string>{"ab", " ", "x"}));
  // The dropped steps release their text.
  EXPECT_LT(HeldBytes(s.ring()), 300u * 2 * sizeof(std::string));
}

TEST(EditingUndoRing, RedoOfADeletionRemovesTheSameBytes) {
  EditSlot s("hello world");
  s.Select(11, 5);
  EditSelection(s.text, "");
  EXPECT_EQ(s.Text(), "hello");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "hello world");
  EXPECT_EQ(s.Caret(), 11);
  EXPECT_EQ(s.Anchor(), 11);
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Text(), "hello");
  EXPECT_EQ(s.Caret(), 5);
}

TEST(EditingUndoRing, SelectionsAfterUndoAndRedo) {
  EditSlot s("one two");
  s.Select(4, 7);
  EditSelection(s.text, "three");  // kind 3
  EXPECT_EQ(s.Caret(), 9);
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "one two");
  EXPECT_EQ(s.Caret(), 7);  // after the restored text
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Text(), "one three");
  EXPECT_EQ(s.Caret(), 9);

  s.Place(0);
  EditSelection(s.text, ">>", EditOrigin::kPasted);  // kind 2
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Caret(), 0);
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Caret(), 2);
  EXPECT_EQ(s.Text(), ">>one three");
}

TEST(EditingUndoRing, EmptyEditOfEmptySelectionRecordsNothing) {
  EditSlot s("abc");
  s.Place(1);
  EditSelection(s.text, "");
  EXPECT_FALSE(CanUndo(s.ring()));
  EXPECT_FALSE(Undo(s.text));
  EXPECT_FALSE(Redo(s.text));
}

TEST(EditingUndoRing, PasteWithLoneLineFeedsAndNulKeepsTheLineIndex) {
  EditSlot s("12\r\n34");
  s.Place(1);
  EditSelection(s.text, std::string("a\nb\rc\r\nd\0e", 10), EditOrigin::kPasted);
  EXPECT_EQ(s.Text(), "1a\nb\rc\r\nd e2\r\n34");
  TextDocument& d = s.doc();
  ASSERT_EQ(d.LineCount(), 3);
  EXPECT_EQ(d.LineStart(1), 8);
  EXPECT_EQ(d.LineEnd(1), 12);
  EXPECT_EQ(d.LineStart(2), 14);
  EXPECT_EQ(s.ring().entries[0].kind, UndoKind::kBlock);
  EXPECT_EQ(s.ring().entries[0].inserted, "a\nb\rc\r\nd e");
  ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "12\r\n34");
  EXPECT_EQ(d.LineCount(), 2);
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.Text(), "1a\nb\rc\r\nd e2\r\n34");
  EXPECT_EQ(d.LineCount(), 3);
}

TEST(EditingUndoRing, EntriesHoldOnlyTheirOwnText) {
  std::string big(50u << 20, 'x');
  for (size_t i = 100; i < big.size(); i += 100) big[i - 2] = '\r', big[i - 1] = '\n';
  EditSlot s("head\r\ntail");
  s.Place(4);
  EditSelection(s.text, big, EditOrigin::kPasted);
  for (int i = 0; i < 40; ++i) s.Type(i % 2 ? "+" : "w");
  const size_t held = HeldBytes(s.ring());
  EXPECT_GE(held, big.size());
  EXPECT_LT(held, big.size() + 64 * 1024);
  for (int i = 0; i < 41; ++i) ASSERT_TRUE(Undo(s.text));
  EXPECT_EQ(s.Text(), "head\r\ntail");
  ASSERT_TRUE(Redo(s.text));
  EXPECT_EQ(s.doc().Length(), static_cast<int>(big.size()) + 10);
  EXPECT_EQ(s.doc().LineCount(), 2 + static_cast<int>(big.size() / 100) - (big.size() % 100 == 0 ? 1 : 0));
}

// Differential run: after any sequence of edits, undo and redo, each history
// position shows the text it had when it was reached.
std::string WithoutPending(const EditSlot& s) {
  std::string text = s.Text();
  const int start = PendingIndentStart(s.text);
  if (start >= 0) text.erase(static_cast<size_t>(start), s.text.pendingIndent->size());
  return text;
}

double FuzzSeconds() {
  const char* env = std::getenv("QUILLET_FUZZ_SECONDS");
  return env ? std::atof(env) : 0.5;
}

TEST(EditingUndoFuzz, HistoryPositionsReproduceTheirTexts) {
  std::mt19937 rng(20260);
  const char* pieces[] = {"a", "b", " ", "\t", "\r\n", "x\ny", "ソ", "\x83", "\x5C", "表示", "(", "\r", ""};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(FuzzSeconds());
  int rounds = 0;
  while (std::chrono::steady_clock::now() < deadline || rounds < 3) {
    ++rounds;
    EditSlot s("\t\tfirst\r\nsecond", rng() % 2 ? DocumentKind::kSource : DocumentKind::kText);
    std::vector<std::string> states{WithoutPending(s)};
    size_t pos = 0;
    std::string trace;
    for (int step = 0; step < 400; ++step) {
      const int len = s.doc().Length();
      const int op = static_cast<int>(rng() % 14);
      const int before = s.ring().index;
      if (op <= 1) {
        ASSERT_EQ(Undo(s.text), pos > 0);
        if (pos > 0) --pos;
        ASSERT_EQ(WithoutPending(s), states[pos]) << "undo, round " << rounds << " step " << step << trace;
        trace += " U";
        continue;
      }
      if (op == 2) {
        ASSERT_EQ(Redo(s.text), pos + 1 < states.size());
        if (pos + 1 < states.size()) ++pos;
        ASSERT_EQ(WithoutPending(s), states[pos]) << "redo, round " << rounds << " step " << step << trace;
        trace += " R";
        continue;
      }
      if (op == 3) {
        PendingIndentShorten(s.text);
        trace += " S";
      } else if (op == 4) {
        s.Type("\r");
        trace += " E";
      } else if (op == 10) {
        PendingIndentCancel(s.text);
        trace += " C";
      } else if (op == 13) {
        // A group, as a replace all makes: one step however many edits.
        UndoGroupScope group(s.ring());
        trace += " G{";
        for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n) {
          const int at = s.doc().Length() ? static_cast<int>(rng() % (s.doc().Length() + 1)) : 0;
          const int to = std::min(s.doc().Length(), at + static_cast<int>(rng() % 3));
          s.Select(at, to);
          const std::string piece = pieces[rng() % (sizeof(pieces) / sizeof(pieces[0]))];
          EditSelection(s.text, piece);
          trace += " [" + std::to_string(at) + "," + std::to_string(to) + ")=" + piece;
        }
        trace += " }";
      } else if (op == 11 || op == 12) {
        const int a = len ? static_cast<int>(rng() % (len + 1)) : 0;
        const int b = len ? static_cast<int>(rng() % (len + 1)) : 0;
        s.Select(a, b);
        if (op == 11) {
          BlockIndent(s.text, rng() % 2);
          trace += " B";
        } else {
          static const Conversion kIds[] = {Conversion::kLower, Conversion::kUpper, Conversion::kTabsToSpaces,
                                            Conversion::kSpacesToTabs, Conversion::kQuoteWrap, Conversion::kWrap};
          const Conversion id = kIds[rng() % 6];
          ConvertSelection(s.text, id, nullptr);
          trace += " V" + std::to_string(static_cast<int>(id));
        }
      } else {
        const int a = len ? static_cast<int>(rng() % (len + 1)) : 0;
        const int b = (op == 5 && len) ? static_cast<int>(rng() % (len + 1)) : a;
        s.Select(a, b);
        const std::string piece = pieces[rng() % (sizeof(pieces) / sizeof(pieces[0]))];
        EditSelection(s.text, piece, (op == 6) ? EditOrigin::kPasted : EditOrigin::kTyped);
        trace += " [" + std::to_string(a) + "," + std::to_string(b) + ")=" + piece;
      }
      const int advanced = (s.ring().index - before + UndoRing::kSize) % UndoRing::kSize;
      if (advanced > 0) states.resize(pos + 1);
      if (advanced == 2) {
        // The state between the two steps: the text without the last step.
        const UndoEntry& last = s.ring().entries[(s.ring().index + UndoRing::kSize - 1) % UndoRing::kSize];
        const std::string now = s.Text();
        states.push_back(now.substr(0, last.newStart) + (last.kind == UndoKind::kReplace ? last.removed : "") + now.substr(last.newEnd));
        ++pos;
      }
      if (advanced >= 1) {
        states.push_back(WithoutPending(s));
        ++pos;
      } else {
        states[pos] = WithoutPending(s);
        if (pos + 1 < states.size() && RedoStepCount(s.ring()) == 0) states.resize(pos + 1);
      }
      while (states.size() > static_cast<size_t>(UndoStepCount(s.ring()) + 1 + RedoStepCount(s.ring()))) {
        states.erase(states.begin());
        --pos;
      }
      ASSERT_EQ(states.size(), static_cast<size_t>(UndoStepCount(s.ring()) + 1 + RedoStepCount(s.ring())));
      ASSERT_GE(EmptySlots(s.ring()), 1);
      const std::string text = s.Text();
      long long lineBreaks = 0;
      for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lineBreaks;
      ASSERT_EQ(s.doc().LineCount(), lineBreaks + 1) << trace;
    }
  }
}

}  // namespace
