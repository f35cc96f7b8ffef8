// Replace all, the replace button and find next over a TextDocument, through
// the real undoable edit.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/editing.h"
#include "regex_test_api.h"
#include "search/find_core.h"
#include "search/find_next.h"
#include "search/regex_command.h"
#include "search/replace_all.h"
#include "search/replace_selection.h"

namespace {

const RegexApi& Engine() {
  static const RegexApi api = EngineApi();
  return api;
}

struct Doc {
  EditableText et;
  explicit Doc(const std::string& text) : et(text, DocumentKind::kText) {}
  TextDocument& text() { return et.doc; }
  std::string All() { return text().Substr(0, text().Length()); }
  ReplaceAllOutcome ReplaceAll(const std::string& needle, const std::string& replacement,
                               SearchOptions options = kCasePlainSearch, const RegexApi* api = &Engine()) {
    return ReplaceAllInDocument(et, needle, replacement, options, api);
  }
  void Select(int caret, int anchor) { text().PlaceSelection(caret, anchor); }
  SearchHit ReplaceOne(const std::string& needle, const std::string& replacement, bool regex = false) {
    return ReplaceMatchInSelection(et, needle, replacement, SearchOptions{true, regex}, &Engine());
  }
};

// Records the changes a document reports.
struct ChangeLog : TextObserver {
  std::vector<TextChange> changes;
  void TextChanged(TextDocument&, const TextChange& c) override { changes.push_back(c); }
};

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

}  // namespace

TEST(SearchReplaceAll, AllReplacementsAreOneUndoStep) {
  struct Case {
    std::string text, needle, replacement;
    SearchOptions options;
    int count;
  };
  const Case cases[] = {
      {"a-b a-b\r\nxa-b", "a-b", "<>", kCasePlainSearch, 3},
      {"x", "x", "yy", kCasePlainSearch, 1},
      // More replacements than the ring has slots: the original stays one step away.
      {Repeat("表a\r\n", 10000), "a", "bb", kCasePlainSearch, 10000},
      {Repeat("one\r\n", 400), "^", "// ", kCaseRegexSearch, 401},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.needle);
    Doc d(c.text);
    d.Select(d.text().Length(), d.text().Length());
    EditSelection(d.et, "Q");  // an earlier step, undone on its own
    const std::string before = d.All();
    ReplaceAllOutcome r = d.ReplaceAll(c.needle, c.replacement, c.options);
    EXPECT_EQ(r.status, SearchStatus::kFound);
    EXPECT_EQ(r.count, c.count);
    const std::string after = d.All();
    // The search starts at the top, whatever the caret; it ends after the last replacement.
    EXPECT_GT(d.text().CaretByte(), 0);
    EXPECT_EQ(UndoStepCount(d.et.undo), 2);
    EXPECT_TRUE(d.text().modified);
    ASSERT_TRUE(Undo(d.et));
    EXPECT_EQ(d.All(), before);
    ASSERT_TRUE(Redo(d.et));
    EXPECT_EQ(d.All(), after);
    // Typing afterwards is a step of its own.
    EditSelection(d.et, "z");
    EXPECT_EQ(UndoStepCount(d.et.undo), 3);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Undo(d.et));
    EXPECT_EQ(d.All(), c.text);
    EXPECT_FALSE(Undo(d.et));
  }
}

TEST(SearchReplaceAll, NothingFoundLeavesTextAndHistoryAlone) {
  Doc d("abc\r\ndef");
  d.Select(4, 2);
  ReplaceAllOutcome r = d.ReplaceAll("xyz", "Q");
  EXPECT_EQ(r.status, SearchStatus::kNotFound);
  EXPECT_EQ(r.count, 0);
  EXPECT_EQ(d.All(), "abc\r\ndef");
  EXPECT_EQ(UndoStepCount(d.et.undo), 0);
  EXPECT_FALSE(d.text().modified);
  // The caret has been put at the start of the text.
  EXPECT_EQ(d.text().CaretByte(), 0);
  EXPECT_EQ(d.text().AnchorByte(), 0);
  EXPECT_EQ(d.ReplaceAll("", "Q").count, 0);
  EXPECT_EQ(d.All(), "abc\r\ndef");
}

TEST(SearchReplaceAll, ReplacementsHoldingThePatternTerminate) {
  Doc a("aaa a");
  EXPECT_EQ(a.ReplaceAll("a", "aa").count, 4);
  EXPECT_EQ(a.All(), "aaaaaa aa");
  Doc b("cat, cat");
  EXPECT_EQ(b.ReplaceAll("cat", "concat").count, 2);
  EXPECT_EQ(b.All(), "concat, concat");
  Doc c("ab");
  EXPECT_EQ(c.ReplaceAll("b", "ab", kCaseRegexSearch).count, 1);
  EXPECT_EQ(c.All(), "aab");
  // Deleting every match.
  Doc e("xaxbx");
  EXPECT_EQ(e.ReplaceAll("x", "").count, 3);
  EXPECT_EQ(e.All(), "ab");
}

TEST(SearchReplaceAll, MatchesAtTheEdgesOfTheText) {
  Doc a("abXab");
  EXPECT_EQ(a.ReplaceAll("ab", "Z").count, 2);
  EXPECT_EQ(a.All(), "ZXZ");
  Doc whole("match");
  EXPECT_EQ(whole.ReplaceAll("match", "").count, 1);
  EXPECT_EQ(whole.All(), "");
  Doc tail("line\r\n");
  EXPECT_EQ(tail.ReplaceAll("\r\n", "|").count, 1);
  EXPECT_EQ(tail.All(), "line|");
  Doc empty("");
  EXPECT_EQ(empty.ReplaceAll("a", "b").status, SearchStatus::kNotFound);
  Doc regexEnd("x1 y22");
  EXPECT_EQ(regexEnd.ReplaceAll("[0-9]+$", "#", kCaseRegexSearch).count, 1);
  EXPECT_EQ(regexEnd.All(), "x1 y#");
}

TEST(SearchReplaceAll, LetterCaseFollowsTheFlag) {
  Doc d("ABC abc Abc");
  EXPECT_EQ(d.ReplaceAll("abc", "-", kPlainSearch).count, 3);
  EXPECT_EQ(d.All(), "- - -");
  Doc e("ABC abc Abc");
  EXPECT_EQ(e.ReplaceAll("abc", "-", kCasePlainSearch).count, 1);
  EXPECT_EQ(e.All(), "ABC - Abc");
  Doc f("ＡＢＣ ａｂｃ");
  EXPECT_EQ(f.ReplaceAll("ａｂｃ", "x", kRegexSearch).count, 2);
  EXPECT_EQ(f.All(), "x x");
}

TEST(SearchReplaceAll, RegexSeesTheTextBeforeEachMatch) {
  Doc d("dogcat cat dogcat\r\ncat");
  EXPECT_EQ(d.ReplaceAll("(?<=dog)cat", "CAT", kCaseRegexSearch).count, 2);
  EXPECT_EQ(d.All(), "dogCAT cat dogCAT\r\ncat");
  // "^" holds at line starts only, also after earlier replacements on the line.
  Doc lines("aa\r\naa\r\nba");
  EXPECT_EQ(lines.ReplaceAll("^a", "X", kCaseRegexSearch).count, 2);
  EXPECT_EQ(lines.All(), "Xa\r\nXa\r\nba");
  Doc words("concat cat");
  EXPECT_EQ(words.ReplaceAll("\\bcat", "dog", kCaseRegexSearch).count, 1);
  EXPECT_EQ(words.All(), "concat dog");
  // Groups of the match reach the replacement.
  Doc groups("Dim a As Long, Dim b As Long");
  EXPECT_EQ(groups.ReplaceAll("Dim (\\w+) As Long", "Dim $1 As Integer", kCaseRegexSearch).count, 2);
  EXPECT_EQ(groups.All(), "Dim a As Integer, Dim b As Integer");
  // Without the in-context library calls the matched text is substituted alone.
  const RegexApi plain = EngineApi(false);
  Doc old("a1 a2");
  EXPECT_EQ(old.ReplaceAll("a(\\d)", "<$1>", kCaseRegexSearch, &plain).count, 2);
  EXPECT_EQ(old.All(), "<1> <2>");
}

TEST(SearchReplaceAll, EachSearchSeesTheTextAsEditedSoFar) {
  // Every replacement is an edit of the document and the next search runs on
  // the result: deleting the first "b" puts the second one after the "a".
  Doc d("abb");
  EXPECT_EQ(d.ReplaceAll("(?<=a)b", "", kCaseRegexSearch).count, 2);
  EXPECT_EQ(d.All(), "a");
}

TEST(SearchReplaceAll, LookBehindOnALineLongerThanTheContext) {
  const std::string line = Repeat("表b", 1000);  // 3000 bytes on one line
  Doc d(line + "\r\nb");
  EXPECT_EQ(d.ReplaceAll("(?<=表)b", "B", kCaseRegexSearch).count, 1000);
  EXPECT_EQ(d.All(), Repeat("表B", 1000) + "\r\nb");
}

TEST(SearchReplaceAll, RegexErrorsStopWithoutAChange) {
  Doc d("(a) (a)");
  ReplaceAllOutcome r = d.ReplaceAll("(a", "b", kCaseRegexSearch);
  EXPECT_EQ(r.status, SearchStatus::kError);
  EXPECT_FALSE(r.errorText.empty());
  EXPECT_EQ(r.count, 0);
  EXPECT_EQ(d.All(), "(a) (a)");
  EXPECT_EQ(UndoStepCount(d.et.undo), 0);
  // Without the library a regular expression fails with a message.
  RegexApi missing;
  r = d.ReplaceAll("a", "b", kCaseRegexSearch, &missing);
  EXPECT_EQ(r.status, SearchStatus::kError);
  EXPECT_EQ(r.errorText, kRegexLibraryMissing);
  // A plain search needs no library.
  EXPECT_EQ(d.ReplaceAll("(a", "b", kCasePlainSearch, &missing).count, 2);
  EXPECT_EQ(d.All(), "b) b)");
}

TEST(SearchReplaceAll, ShiftJisTrailBytesAreNotMatched) {
  // The second byte of "表" and "ソ" is a backslash; only the real ones are replaced.
  Doc d("表\\ソ\\");
  EXPECT_EQ(d.ReplaceAll("\\", "/").count, 2);
  EXPECT_EQ(d.All(), "表/ソ/");
  Doc r("表\\ソ\\");
  EXPECT_EQ(r.ReplaceAll("\\\\", "/", kCaseRegexSearch).count, 2);
  EXPECT_EQ(r.All(), "表/ソ/");
  // "@" (0x40) is the trail byte of many double-byte characters.
  Doc at("＠@　@");
  EXPECT_EQ(at.ReplaceAll("@", "a").count, 2);
  EXPECT_EQ(at.All(), "＠a　a");
  Doc kanji("表示と表示");
  EXPECT_EQ(kanji.ReplaceAll("表示", "ひょうじ").count, 2);
  EXPECT_EQ(kanji.All(), "ひょうじとひょうじ");
  // A lead byte at the very end of the text is a byte of its own.
  Doc lone(std::string("ab\x95"));
  EXPECT_EQ(lone.ReplaceAll("b", "c").count, 1);
  EXPECT_EQ(lone.All(), std::string("ac\x95"));
}

TEST(SearchReplaceAll, ObserversHearEachReplacementWhereItHappened) {
  Doc d(Repeat("x\r\n", 50));
  ChangeLog log;
  d.text().AddObserver(&log);
  EXPECT_EQ(d.ReplaceAll("x", "yy").count, 50);
  d.text().RemoveObserver(&log);
  ASSERT_EQ(log.changes.size(), 50u);
  for (int i = 0; i < 50; ++i) {
    const TextChange& c = log.changes[static_cast<size_t>(i)];
    EXPECT_EQ(c.start, i * 4) << i;  // "yy\r\n" before it
    EXPECT_EQ(c.removed, 1);
    EXPECT_EQ(c.inserted, 2);
    EXPECT_EQ(c.firstLine, i);
    EXPECT_EQ(c.lastLine, i);
    EXPECT_EQ(c.linesAdded, 0);
  }
}

TEST(SearchReplaceAll, AgreesWithTheWholeTextReplacement) {
  // Seeded random texts of ASCII and double-byte characters with CR LF; the
  // edit-by-edit loop must give the single-pass result of the search core
  // (patterns that look behind see edited text in the loop: they are tested
  // on their own).
  const char* pieces[] = {"a", "b", "ab", "表", "ソ", "\\", "\r\n", " ", "A", "ｂ", "@"};
  const char* plainNeedles[] = {"a", "ab", "\\", "表", "b ", "\r\n", "A"};
  const char* regexNeedles[] = {"a+", "ab|b", "b$", "[表ソ]", "\\\\", "a(b)?", "A.", "ｂ+", "^", "$", "b*", "(?=a)"};
  const int regexCount = static_cast<int>(sizeof regexNeedles / sizeof regexNeedles[0]);
  const char* replacements[] = {"", "x", "aa", "$&$&", "表", "\\"};
  uint64_t s = 12345;
  auto next = [&s](int n) {
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((s >> 33) % static_cast<uint64_t>(n));
  };
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int n = next(40);
    for (int i = 0; i < n; ++i) text += pieces[next(11)];
    const bool regex = next(2) == 1;
    const bool matchCase = next(2) == 1;
    const std::string needle = regex ? regexNeedles[next(regexCount)] : plainNeedles[next(7)];
    std::string replacement = replacements[next(6)];
    if (!regex && replacement == "$&$&") replacement = "&";
    ReplaceAllResult expected = ReplaceAllInText(text.data(), static_cast<int>(text.size()), needle, replacement,
                                                 SearchOptions{matchCase, regex}, &Engine());
    Doc d(text);
    ReplaceAllOutcome got = d.ReplaceAll(needle, replacement, SearchOptions{matchCase, regex});
    SCOPED_TRACE("round " + std::to_string(round) + " needle " + needle + " text " + text);
    ASSERT_EQ(got.status, expected.status);
    ASSERT_EQ(got.count, expected.count);
    ASSERT_EQ(d.All(), expected.count ? expected.text : text);
  }
}

TEST(SearchReplaceAll, EmptyMatchesAreReplacedOncePerPosition) {
  struct Case {
    const char* text;
    const char* pattern;
    const char* replacement;
    const char* expected;
    int count;
    bool asLibrary = true;  // the library's own "g" substitution gives the same
  };
  const Case cases[] = {
      {"ab\r\ncd", "^", "// ", "// ab\r\n// cd", 2},
      {"ab\r\ncd", "$", ";", "ab;\r\ncd;", 2},
      {"ab\r\n", "$", ";", "ab;\r\n;", 2},  // the empty last line is a line too
      {"ab\r\ncd", "^(?=c)", "> ", "ab\r\n> cd", 1},
      {"axb", "x*", "-", "-a-b-", 3},  // no second, empty match where "x" ended
      {"aa", "a*?", "-", "-a-a-", 3},
      {"a b", "\\b", "|", "|a| |b|", 4},
      {"表示ソ", "(?=示)|$", "|", "表|示ソ|", 2},
      {"bab", "b*", "", "a", 2},  // empty matches replaced by nothing change nothing
      {"a\r\n", "b*", "-", "-a-\r\n-", 3, false},  // never between CR and LF
      {"ab\r\ncd", "^", "", "ab\r\ncd", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " in " + c.text);
    const std::string text = c.text;
    ReplaceAllResult whole = ReplaceAllInText(text.data(), static_cast<int>(text.size()), c.pattern, c.replacement,
                                              kCaseRegexSearch, &Engine());
    EXPECT_EQ(whole.count, c.count);
    EXPECT_EQ(whole.count ? whole.text : text, c.expected);
    Doc d(text);
    ReplaceAllOutcome got = d.ReplaceAll(c.pattern, c.replacement, kCaseRegexSearch);
    EXPECT_EQ(got.count, c.count);
    EXPECT_EQ(got.status, c.count ? SearchStatus::kFound : SearchStatus::kNotFound);
    EXPECT_EQ(d.All(), c.expected);
    std::string out;
    EngineSubst(BuildSubstCommand(c.pattern, c.replacement, true) + "g", text, out);
    if (c.asLibrary) {
      EXPECT_EQ(out, c.expected);
    }
  }
}

TEST(SearchReplaceOne, OnlyAMatchInsideTheSelectionIsReplaced) {
  Doc d("one two one");
  d.Select(3, 0);  // "one"
  SearchHit r = d.ReplaceOne("one", "1");
  EXPECT_EQ(r.status, SearchStatus::kFound);
  EXPECT_EQ(d.All(), "1 two one");
  EXPECT_EQ(d.text().CaretByte(), 1);
  EXPECT_EQ(UndoStepCount(d.et.undo), 1);

  // A selection without a match changes nothing.
  d.Select(5, 2);  // "two"
  EXPECT_EQ(d.ReplaceOne("one", "1").status, SearchStatus::kNotFound);
  EXPECT_EQ(d.All(), "1 two one");
  // A match that starts inside but ends outside does not count.
  d.Select(2, 8);  // "two o"
  EXPECT_EQ(d.ReplaceOne("one", "1").status, SearchStatus::kNotFound);
  // An empty selection holds no match.
  d.Select(6, 6);
  EXPECT_EQ(d.ReplaceOne("one", "1").status, SearchStatus::kNotFound);
  EXPECT_EQ(UndoStepCount(d.et.undo), 1);

  // The rest of a wider selection is kept.
  d.Select(1, d.text().Length());  // " two one"
  EXPECT_EQ(d.ReplaceOne("one", "1").status, SearchStatus::kFound);
  EXPECT_EQ(d.All(), "1 two 1");
  ASSERT_TRUE(Undo(d.et));
  EXPECT_EQ(d.All(), "1 two one");
}

TEST(SearchReplaceOne, RegexSubstitutesWithTheTextAround) {
  Doc d("dogcat");
  d.Select(6, 3);  // "cat", as find next selects it
  EXPECT_EQ(d.ReplaceOne("(?<=dog)c(a)t", "C$1T", true).status, SearchStatus::kFound);
  EXPECT_EQ(d.All(), "dogCaT");
  Doc e("ab");
  e.Select(0, 1);  // "a", followed by "b"
  EXPECT_EQ(e.ReplaceOne("a(?=b)", "x", true).status, SearchStatus::kFound);
  EXPECT_EQ(e.All(), "xb");
  Doc f("abc");
  f.Select(0, 3);
  SearchHit err = f.ReplaceOne("(b", "x", true);
  EXPECT_EQ(err.status, SearchStatus::kError);
  EXPECT_FALSE(err.errorText.empty());
  EXPECT_EQ(f.All(), "abc");
}

TEST(SearchFindNext, StartsAfterTheSelectionAndReadsInPlace) {
  Doc d("abc abc\r\nabc");
  d.Select(3, 0);
  EXPECT_EQ(FindNextStart(d.text()), 3);
  SearchHit h = FindInDocument(d.text(), 3, "abc", kCasePlainSearch, &Engine());
  ASSERT_TRUE(h.Found());
  EXPECT_EQ(h.pos, 4);
  // After an edit in the middle the rest of the text is still searched correctly.
  d.Select(5, 4);
  EditSelection(d.et, "Q");
  h = FindInDocument(d.text(), FindNextStart(d.text()), "abc", kCasePlainSearch, &Engine());
  EXPECT_EQ(h.pos, 9);
  h = FindInDocument(d.text(), 0, "(?<=Q)bc", kCaseRegexSearch, &Engine());
  EXPECT_EQ(h.pos, 5);
  EXPECT_FALSE(FindInDocument(d.text(), d.text().Length(), "abc", kCasePlainSearch, &Engine()).Found());
  EXPECT_FALSE(FindInDocument(d.text(), 0, "", kCasePlainSearch, &Engine()).Found());
}

TEST(SearchFindNext, RegexContextStartsAtACharacterOfTheLine) {
  const std::string line = Repeat("表", 2000);  // 4000 bytes
  Doc d("xx\r\n" + line);
  const int lineStart = 4;
  EXPECT_EQ(RegexContextStart(d.text(), -1, 1), 0);
  EXPECT_EQ(RegexContextStart(d.text(), -1, lineStart + 10), lineStart);
  const int from = lineStart + 3000;
  const int ctx = RegexContextStart(d.text(), -1, from);
  EXPECT_GE(from - ctx, kRegexContext);
  EXPECT_LE(from - ctx, kRegexContext + 1);
  EXPECT_EQ((ctx - lineStart) % 2, 0);
  // Carrying on from an earlier start gives the same place.
  EXPECT_EQ(RegexContextStart(d.text(), lineStart + 100, from), ctx);
  // A start past `from` is not used.
  EXPECT_EQ(RegexContextStart(d.text(), from + 2, lineStart + 10), lineStart);
}
