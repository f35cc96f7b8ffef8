#include <gtest/gtest.h>

#include <string>

#include "regex_test_api.h"
#include "search/find_core.h"
#include "search/find_history.h"

namespace {

SearchHit Find(const std::string& text, const std::string& needle, SearchOptions options, int from = 0,
               const RegexApi* api = nullptr) {
  static const RegexApi engine = EngineApi();
  return FindInText(text.data(), static_cast<int>(text.size()), from, needle, options,
                    api ? api : &engine);
}

}  // namespace

TEST(SearchFind, RegexPositionIsUnambiguous) {
  auto h = Find("cat", "cat", kCaseRegexSearch);
  ASSERT_TRUE(h.Found());
  EXPECT_EQ(h.pos, 0);
  EXPECT_EQ(h.length, 3);
  h = Find("concat cat", "\\bcat", kCaseRegexSearch);
  EXPECT_EQ(h.pos, 7);
  h = Find("concat cat", "\\bcat", kCaseRegexSearch, 3);
  EXPECT_EQ(h.pos, 7);
  h = Find("dogcat cat", "(?<=dog)cat", kCaseRegexSearch);
  EXPECT_EQ(h.pos, 3);
  // Found text that occurs earlier must not move the position back.
  h = Find("ab xab", "(?<= x)ab", kRegexSearch);
  EXPECT_EQ(h.pos, 4);
  // The same through the plain BMatch call, without the in-context entry.
  const RegexApi plainApi = EngineApi(false);
  h = Find("concat cat", "\\bcat", kCaseRegexSearch, 0, &plainApi);
  EXPECT_EQ(h.pos, 7);
}

TEST(SearchFind, EmptyMatchesAndSubjects) {
  EXPECT_FALSE(Find("bbb", "a*", kCaseRegexSearch).Found());
  EXPECT_FALSE(Find("", "a", kCaseRegexSearch).Found());
  EXPECT_FALSE(Find("", "a", kCasePlainSearch).Found());
  EXPECT_FALSE(Find("abc", "", kCasePlainSearch).Found());
  EXPECT_FALSE(Find("abc", "a", kCaseRegexSearch, 3).Found());
  auto h = Find("xaa", "a*", kCaseRegexSearch);
  EXPECT_FALSE(h.Found());  // the first match, at 0, is empty
  EXPECT_FALSE(h.Error());
}

TEST(SearchFind, CaseFlagReachesBothSearches) {
  EXPECT_EQ(Find("xABC", "abc", kPlainSearch).pos, 1);
  EXPECT_FALSE(Find("xABC", "abc", kCasePlainSearch).Found());
  EXPECT_EQ(Find("xABC", "a.c", kRegexSearch).pos, 1);
  EXPECT_FALSE(Find("xABC", "a.c", kCaseRegexSearch).Found());
  EXPECT_EQ(Find("xＡＢＣ", "ａｂｃ", kRegexSearch).pos, 1);
}

TEST(SearchFind, ErrorsCarryTheLibrarysText) {
  auto h = Find("abc", "(a", kCaseRegexSearch);
  ASSERT_TRUE(h.Error());
  // The dialogs report the position within the pattern as typed.
  EXPECT_EQ(h.errorText, "括弧 ( ) の対応が取れていません。（パターンの 3 文字目付近）");
  const RegexApi missing;
  h = Find("abc", "a", kCaseRegexSearch, 0, &missing);
  ASSERT_TRUE(h.Error());
  EXPECT_EQ(h.errorText, kRegexLibraryMissing);
  // A plain search needs no library.
  EXPECT_TRUE(Find("abc", "b", kCasePlainSearch, 0, &missing).Found());
}

TEST(SearchFind, TrimKeepsWholeCharacters) {
  std::string longText(258, 'a');
  longText += "表示";
  std::string t = TrimSearchText(longText);
  EXPECT_EQ(t.size(), 258u);
  EXPECT_EQ(TrimSearchText(std::string(300, 'b')).size(), 259u);
  EXPECT_EQ(TrimSearchText("表示"), "表示");
}

TEST(SearchMatchList, OneEntryPerLineWithItsStart) {
  const std::string text = "cat cat cat\r\ndog\r\n\r\nthe cat\r\ncat";
  auto list = FillMatchList(text.data(), static_cast<int>(text.size()), "cat", kCasePlainSearch, nullptr);
  ASSERT_FALSE(list.error);
  ASSERT_EQ(list.entries.size(), 3u);
  EXPECT_EQ(list.entries[0].line, 1);
  EXPECT_EQ(list.entries[0].lineStart, 0);
  EXPECT_EQ(list.entries[0].text, "Line:1  cat cat cat");
  EXPECT_EQ(list.entries[1].line, 4);
  EXPECT_EQ(list.entries[1].lineStart, static_cast<int>(text.find("the")));
  EXPECT_EQ(list.entries[1].text, "Line:4  the cat");
  EXPECT_EQ(list.entries[2].text, "Line:5  cat");
  // A lone LF is not a line end; Japanese text is kept intact.
  const std::string mixed = "a\nb表示\r\n表示";
  list = FillMatchList(mixed.data(), static_cast<int>(mixed.size()), "表示", kCasePlainSearch, nullptr);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[0].text, "Line:1  a\nb表示");
  EXPECT_EQ(list.entries[1].line, 2);
}

TEST(SearchMatchList, RegexErrorsEndTheListing) {
  const RegexApi api = EngineApi();
  const std::string text = "a\r\nb";
  auto list = FillMatchList(text.data(), static_cast<int>(text.size()), "(", kCaseRegexSearch, &api);
  EXPECT_TRUE(list.error);
  EXPECT_TRUE(list.entries.empty());
  list = FillMatchList(text.data(), static_cast<int>(text.size()), "^\\w$", kCaseRegexSearch, &api);
  ASSERT_EQ(list.entries.size(), 2u);
  EXPECT_EQ(list.entries[1].text, "Line:2  b");
}

TEST(SearchReplaceAll, SinglePassPlainAndRegex) {
  const RegexApi api = EngineApi();
  std::string text = "a b a";
  auto r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "a", "aa", kCasePlainSearch, &api);
  ASSERT_EQ(r.status, SearchStatus::kFound);
  EXPECT_EQ(r.count, 2);
  EXPECT_EQ(r.text, "aa b aa");
  text = "Dim x As Long\r\nDim y As LONG";
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "as long", "As Integer", kPlainSearch, &api);
  EXPECT_EQ(r.text, "Dim x As Integer\r\nDim y As Integer");
  // Look-behind keeps working for every replacement (context is kept).
  text = "xa ya xa";
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "(?<=x)a", "[$&]", kCaseRegexSearch, &api);
  EXPECT_EQ(r.text, "x[a] ya x[a]");
  EXPECT_EQ(r.count, 2);
  text = "表示 表示";
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "(表)(示)", "$2$1", kCaseRegexSearch, &api);
  EXPECT_EQ(r.text, "示表 示表");
  // Nothing found: nothing to do; an error replaces nothing.
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "zz", "y", kCasePlainSearch, &api);
  EXPECT_EQ(r.status, SearchStatus::kNotFound);
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "[", "y", kCaseRegexSearch, &api);
  EXPECT_EQ(r.status, SearchStatus::kError);
  EXPECT_TRUE(r.text.empty());
  // Without the in-context call the matched text alone is substituted.
  const RegexApi plainApi = EngineApi(false);
  text = "k1=v1 k2=v2";
  r = ReplaceAllInText(text.data(), static_cast<int>(text.size()), "(\\w+)=(\\w+)", "$2=$1", kCaseRegexSearch,
                       &plainApi);
  EXPECT_EQ(r.text, "v1=k1 v2=k2");
}

TEST(SearchReplaceAll, NextReplacementStepsThroughTheText) {
  const RegexApi api = EngineApi();
  const std::string text = "one two three";
  auto h = NextReplacement(text.data(), static_cast<int>(text.size()), 0, "t(\\w)", "<$1>", kCaseRegexSearch, &api);
  ASSERT_TRUE(h.Found());
  EXPECT_EQ(h.pos, 4);
  EXPECT_EQ(h.length, 2);
  EXPECT_EQ(h.replacement, "<w>");
  h = NextReplacement(text.data(), static_cast<int>(text.size()), h.pos + h.length, "t(\\w)", "<$1>", kCaseRegexSearch,
                      &api);
  EXPECT_EQ(h.pos, 8);
  EXPECT_EQ(h.replacement, "<h>");
}

TEST(SearchHistory, AddMovesOrShifts) {
  SearchHistory h{};
  HistoryAdd(h, "a");
  HistoryAdd(h, "b");
  HistoryAdd(h, "c");
  EXPECT_EQ(h[0], "c");
  EXPECT_EQ(h[1], "b");
  EXPECT_EQ(h[2], "a");
  EXPECT_EQ(h[3], "");
  HistoryAdd(h, "a");  // moves to the front, the others shift down by one
  EXPECT_EQ(h[0], "a");
  EXPECT_EQ(h[1], "c");
  EXPECT_EQ(h[2], "b");
  EXPECT_EQ(h[3], "");
  HistoryAdd(h, "A");  // exact comparison: a new entry
  EXPECT_EQ(h[0], "A");
  EXPECT_EQ(h[1], "a");
  for (int i = 0; i < 30; ++i) HistoryAdd(h, "t" + std::to_string(i));
  EXPECT_EQ(h[0], "t29");
  EXPECT_EQ(h[19], "t10");  // the 20th and older are lost
  HistoryAdd(h, "t10");
  EXPECT_EQ(h[0], "t10");
  EXPECT_EQ(h[1], "t29");
  EXPECT_EQ(h[19], "t11");
  HistoryAdd(h, "");
  EXPECT_EQ(h[0], "t10");
}

TEST(SearchFind, KeepInsideALookAheadStopsEveryLoopWithTheLibrarysText) {
  const RegexApi api = EngineApi();
  const RegexApi plainApi = EngineApi(false);
  const std::string text = "abcd\r\nab";
  const int len = static_cast<int>(text.size());
  for (const char* pattern : {"ab(?=c\\Kd)", "(?=ab\\K)"}) {
    for (const RegexApi* a : {&api, &plainApi}) {
      SearchHit h = Find(text, pattern, kCaseRegexSearch, 0, a);
      ASSERT_TRUE(h.Error()) << pattern;
      EXPECT_NE(h.errorText.find("\\K"), std::string::npos) << h.errorText;
      MatchList list = FillMatchList(text.data(), len, pattern, kCaseRegexSearch, a);
      EXPECT_TRUE(list.error);
      ReplaceAllResult all = ReplaceAllInText(text.data(), len, pattern, "X", kCaseRegexSearch, a);
      EXPECT_EQ(all.status, SearchStatus::kError);
      EXPECT_NE(all.errorText.find("\\K"), std::string::npos) << all.errorText;
    }
  }
}
