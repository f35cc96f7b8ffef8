// Regular expressions through every path of the find and replace dialogs
// (find next, list all, replace, replace all) with the real engine: each
// path must see the pattern exactly as the user typed it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/editing.h"
#include "regex_test_api.h"
#include "search/find_core.h"
#include "search/find_next.h"
#include "search/replace_all.h"
#include "search/replace_selection.h"

namespace {

struct PathCase {
  const char* text;
  const char* pattern;
  const char* replacement;
  bool matchCase;
  std::vector<std::pair<int, int>> hits;  // position and length, as find next steps through them
  std::vector<int> lines;                 // lines of the match list
  const char* afterReplace;               // the first hit selected, then the replace button
  const char* afterReplaceAll;
};

const PathCase kCases[] = {
    {"aa bb cd", "(a)\\1", "X", true, {{0, 2}}, {1}, "X bb cd", "X bb cd"},
    {"aa bb cd", "(.)\\1", "<$1>", true, {{0, 2}, {3, 2}}, {1}, "<a> bb cd", "<a> <b> cd"},
    {"Aa\r\nbB\r\ncd", "(\\w)\\1", "=", false, {{0, 2}, {4, 2}}, {1, 2}, "=\r\nbB\r\ncd", "=\r\n=\r\ncd"},
    {"表表 表示\r\nソソ", "(\\S)\\1", "[$1]", true, {{0, 4}, {11, 4}}, {1, 2}, "[表] 表示\r\nソソ",
     "[表] 表示\r\n[ソ]"},
    {"ab1\r\ncd2\r\nef", "\\d$", "#", true, {{2, 1}, {7, 1}}, {1, 2}, "ab#\r\ncd2\r\nef", "ab#\r\ncd#\r\nef"},
    {"concat cat\r\ncats", "\\bcat", "dog", true, {{7, 3}, {12, 3}}, {1, 2}, "concat dog\r\ncats",
     "concat dog\r\ndogs"},
    {"dogcat cat\r\nhotdogcat", "(?<=dog)cat", "CAT", true, {{3, 3}, {18, 3}}, {1, 2}, "dogCAT cat\r\nhotdogcat",
     "dogCAT cat\r\nhotdogCAT"},
    // Patterns holding the "/" delimiter, then "/" and "#".
    {"<b>x</b> <i>y</i>", "<(\\w)>.*?</\\1>", "[$1]", true, {{0, 8}, {9, 8}}, {1}, "[b] <i>y</i>", "[b] [i]"},
    {"#1/1 #2/3 #4/4", "#(\\d)/\\1", "$1", true, {{0, 4}, {10, 4}}, {1}, "1 #2/3 #4/4", "1 #2/3 4"},
    // A replacement holding the delimiter.
    {"a-a b-c", "(\\w)-\\1", "$1/$1", true, {{0, 3}}, {1}, "a/a b-c", "a/a b-c"},
};

struct Doc {
  EditableText slot;
  explicit Doc(const std::string& text) : slot(text) {}
  TextDocument& text() { return slot.doc; }
  std::string All() { return text().Substr(0, text().Length()); }
};

// Find next, repeated from the end of each selected match, as F3 does.
std::vector<std::pair<int, int>> FindNextAll(Doc& d, const PathCase& c, const RegexApi& api) {
  std::vector<std::pair<int, int>> hits;
  d.text().PlaceSelection(0, 0);
  for (;;) {
    const SearchOptions options{c.matchCase, true};
    SearchHit h = FindInDocument(d.text(), FindNextStart(d.text()), c.pattern, options, &api);
    EXPECT_FALSE(h.Error()) << h.errorText;
    if (!h.Found() || hits.size() > 20) break;
    hits.emplace_back(h.pos, h.length);
    d.text().PlaceSelection(h.pos + h.length, h.pos);
  }
  return hits;
}

}  // namespace

TEST(SearchRegexPaths, EveryDialogPathSeesThePatternAsTyped) {
  const RegexApi withContext = EngineApi();
  const RegexApi plainCalls = EngineApi(false);
  for (const PathCase& c : kCases) {
    SCOPED_TRACE(std::string("pattern ") + c.pattern + " text " + c.text);
    const SearchOptions options{c.matchCase, true};
    const std::string text = c.text;
    const int len = static_cast<int>(text.size());
    for (const RegexApi* api : {&withContext, &plainCalls}) {
      Doc d(text);
      EXPECT_EQ(FindNextAll(d, c, *api), c.hits);
      // List all.
      MatchList list = FillMatchList(text.data(), len, c.pattern, options, api);
      EXPECT_FALSE(list.error) << list.errorText;
      std::vector<int> lines;
      for (const MatchListEntry& e : list.entries) lines.push_back(e.line);
      EXPECT_EQ(lines, c.lines);
    }
    // Replace: the first hit selected as find next selects it.
    Doc one(text);
    const auto first = c.hits.front();
    one.text().PlaceSelection(first.first + first.second, first.first);
    SearchHit r = ReplaceMatchInSelection(one.slot, c.pattern, c.replacement, options, &withContext);
    EXPECT_TRUE(r.Found()) << r.errorText;
    EXPECT_EQ(one.All(), c.afterReplace);
    // Replace all, in the document and over the whole text.
    Doc all(text);
    ReplaceAllOutcome out = ReplaceAllInDocument(all.slot, c.pattern, c.replacement, options, &withContext);
    EXPECT_EQ(out.count, static_cast<int>(c.hits.size())) << out.errorText;
    EXPECT_EQ(all.All(), c.afterReplaceAll);
    ReplaceAllResult whole = ReplaceAllInText(text.data(), len, c.pattern, c.replacement, options, &withContext);
    EXPECT_EQ(whole.text, c.afterReplaceAll) << whole.errorText;
  }
}
