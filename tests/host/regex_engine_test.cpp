#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "regex_test_api.h"

namespace {

bool Contains(const std::string& haystack, const char* needle) { return haystack.find(needle) != std::string::npos; }

}  // namespace

TEST(RegexEngine, TrailBytesAreNeverBackslashesOrLetters) {
  const std::string s = "ソ表能";  // every trail byte is 0x5C
  for (const char* cmd : {"m/\\\\/k", "m/\\x5c/k", "m/\\x5C/ki", "m/[\\\\]/k", "m/\\\\\\\\/k"}) {
    EXPECT_EQ(EngineMatch(cmd, s).rc, 0) << cmd;
  }
  // "A" (0x41) is the trail byte of "ア" (0x83 0x41); with and without case folding.
  EXPECT_EQ(EngineMatch("m/A/k", "ア").rc, 0);
  EXPECT_EQ(EngineMatch("m/a/ki", "ア").rc, 0);
  auto r = EngineMatch("m/A/k", "アA");
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.pos, 2);
  // A pattern holding a 0x5C trail byte matches that character, not a backslash.
  r = EngineMatch("m/表/k", "\\表");
  EXPECT_EQ(r.pos, 1);
  EXPECT_EQ(r.len, 2);
  // "." takes a whole character.
  r = EngineMatch("m/^.$/k", "能");
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.len, 2);
}

TEST(RegexEngine, CountsCharactersNotBytes) {
  const std::string s = std::string("表示") + "あいうえおかきくけこさしすせそたちつてと" + "処理";
  auto r = EngineMatch("m/表示.{0,20}処理/k", s);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.len, static_cast<int>(s.size()));
  const std::string tooFar = std::string("表示") + "あいうえおかきくけこさしすせそたちつてとな" + "処理";
  EXPECT_EQ(EngineMatch("m/表示.{0,20}処理/k", tooFar).rc, 0);
  // Without "k" every byte is a character: 20 kana are 40 bytes.
  EXPECT_EQ(EngineMatch("m/\\x95\\x5c.{0,20}\\x8f\\x88/", s).rc, 0);
  // "." does not cross a line end; [ぁ-ん] is a range of cp932 codes.
  EXPECT_EQ(EngineMatch("m/表示.*処理/k", "表示\r\n処理").rc, 0);
  EXPECT_EQ(EngineMatch("m/表示.*処理/ks", "表示\r\n処理").rc, 1);
  r = EngineMatch("m/[ぁ-ん]+/k", "カナかなカナ");
  EXPECT_EQ(r.pos, 4);
  EXPECT_EQ(r.len, 4);
}

TEST(RegexEngine, CaseFoldingCoversWideGreekAndCyrillicLetters) {
  EXPECT_EQ(EngineMatch("m/ａｂｃ/ki", "ＡＢＣ").rc, 1);
  EXPECT_EQ(EngineMatch("m/ＡＢＣ/ki", "ａｂｃ").rc, 1);
  EXPECT_EQ(EngineMatch("m/ａ/k", "Ａ").rc, 0);
  EXPECT_EQ(EngineMatch("m/αβγ/ki", "ΑΒΓ").rc, 1);
  EXPECT_EQ(EngineMatch("m/ноя/ki", "НОЯ").rc, 1);  // both sides of the 0x847F gap
  EXPECT_EQ(EngineMatch("m/abc/ki", "xABCx").pos, 1);
  // Half-width and full-width forms stay different letters.
  EXPECT_EQ(EngineMatch("m/a/ki", "Ａ").rc, 0);
  // Classes with case folding.
  EXPECT_EQ(EngineMatch("m/[ａ-ｃ]+/ki", "ＡＢＣ").len, 6);
}

TEST(RegexEngine, ClassesKnowDoubleByteCharacters) {
  auto r = EngineMatch("m/\\w+/k", "「漢字かなカナＡ１_x」");
  EXPECT_EQ(r.pos, 2);
  EXPECT_EQ(r.len, static_cast<int>(std::strlen("漢字かなカナＡ１_x")));
  r = EngineMatch("m/\\d+/k", "番号１２3です");
  EXPECT_EQ(r.pos, 4);
  EXPECT_EQ(r.len, 5);
  r = EngineMatch("m/\\s+/k", "a\xE3\x80\x80" "b");  // bytes that are no Shift-JIS space
  EXPECT_EQ(r.rc, 0);
  r = EngineMatch("m/\\s+/k", "あ　 い");
  EXPECT_EQ(r.pos, 2);
  EXPECT_EQ(r.len, 3);
  EXPECT_EQ(EngineMatch("m/\\bword\\b/k", "漢字word").rc, 0);  // kanji are word characters
  EXPECT_EQ(EngineMatch("m/\\bword\\b/k", "、word。").rc, 1);   // punctuation is not
  EXPECT_EQ(EngineMatch("m/[[:upper:]]/k", "ａＢ").pos, 2);
}

TEST(RegexEngine, PositionComesFromTheMatchItself) {
  auto r = EngineMatch("m/(\\bcat)/k", "concat cat");
  EXPECT_EQ(r.pos, 7);
  r = EngineMatch("m/(?<=表)示/k", "示表示");
  EXPECT_EQ(r.pos, 4);
  r = EngineMatch("m/cat(?=s)/k", "cat cats");
  EXPECT_EQ(r.pos, 4);
  r = EngineMatch("m/^Dim/k", "xDim\r\nDim");
  EXPECT_EQ(r.pos, 6);
}

TEST(RegexEngine, SearchFromInsideTheTextSeesItsContext) {
  const std::string s = "concat cat";
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  // Starting at the "cat" of "concat": no word boundary there.
  ASSERT_EQ(BMatchEx("m/\\bcat/k", s.data(), s.data() + 3, s.data() + s.size(), &res, err), 1);
  EXPECT_EQ(res->outp - s.data(), 7);
  ASSERT_EQ(BMatchEx("m/(?<=n)cat/k", s.data(), s.data() + 3, s.data() + s.size(), &res, err), 1);
  EXPECT_EQ(res->outp - s.data(), 3);
  EXPECT_EQ(BMatchEx("m/^cat/k", s.data(), s.data() + 7, s.data() + s.size(), &res, err), 0);
  EXPECT_EQ(res, nullptr);
}

TEST(RegexEngine, ErrorTextsAreClearAndTerminated) {
  auto r = EngineMatch("m/(abc/k", "abc");
  EXPECT_EQ(r.rc, -1);
  EXPECT_TRUE(Contains(r.error, "括弧")) << r.error;
  // The position counts the pattern's characters, not the command around it.
  EXPECT_EQ(r.error, "括弧 ( ) の対応が取れていません。（パターンの 5 文字目付近）");
  EXPECT_EQ(EngineMatch("m/表示[a/k", "a").error, "角括弧 [ ] の対応が取れていません。（パターンの 5 文字目付近）");
  r = EngineMatch("m/[abc/k", "abc");
  EXPECT_TRUE(Contains(r.error, "角括弧"));
  r = EngineMatch("m/*a/k", "a");
  EXPECT_EQ(r.rc, -1);
  r = EngineMatch("m/abc", "abc");
  EXPECT_EQ(r.rc, -1);
  EXPECT_TRUE(Contains(r.error, "区切り"));
  r = EngineMatch("x/abc/", "abc");
  EXPECT_EQ(r.rc, -1);
  r = EngineMatch("m/abc/kq", "abc");
  EXPECT_TRUE(Contains(r.error, "'q'"));
  // Substitution commands are not matches and vice versa.
  EXPECT_EQ(EngineMatch("s/a/b/k", "a").rc, -1);
  std::string out;
  EXPECT_EQ(EngineSubst("m/a/k", "a", out), -1);
  // The buffer always ends within its 256 bytes, even for a long message.
  char err[BREGEXP_ERROR_TEXT_SIZE];
  std::memset(err, 'x', sizeof err);
  BREGEXP* res = nullptr;
  const char* a = "ab";
  EXPECT_EQ(BMatch("m/(a/k", a, a + 1, &res, err), -1);
  EXPECT_NE(std::memchr(err, '\0', sizeof err), nullptr);
  // Bad arguments are errors, not crashes.
  EXPECT_EQ(BMatch(nullptr, a, a + 1, &res, err), -1);
  EXPECT_EQ(BMatch("m/a/", a + 1, a, &res, err), -1);
  EXPECT_EQ(BMatch("m/a/", a, a + 1, nullptr, err), -1);
  EXPECT_EQ(BMatch("m/a/", a, a + 1, &res, nullptr), 1);
  BRegfree(res);
  BRegfree(nullptr);
}

TEST(RegexEngine, PathologicalPatternEndsWithComplexityError) {
  const std::string line(40, 'x');
  auto r = EngineMatch("m/(x+x+)+y/k", line);
  EXPECT_EQ(r.rc, -1);
  EXPECT_TRUE(Contains(r.error, "複雑")) << r.error;
  // In a long text, too, with and without a literal prefix to skip to.
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "abc def ghi\r\n";
  text += "z" + line;
  EXPECT_EQ(EngineMatch("m/z(x+x+)+y/k", text).rc, -1);
  EXPECT_EQ(EngineMatch("m/(x+x+)+y/k", text).rc, -1);
}

TEST(RegexEngine, LongSubjectsAreSearchedAcrossBlocks) {
  // Longer than the engine's search blocks, with matches placed near and
  // across block boundaries.
  std::string text;
  while (text.size() < 300000) text += "あいうえお x = 1\r\n";
  const size_t at = 65536 * 2 + 7;
  std::string withMatch = text;
  withMatch.insert(at - (at % 18), "BEGIN\r\n\r\nEND");
  auto r = EngineMatch("m/\\w+\\s+\\s+[E]ND/k", withMatch);
  ASSERT_EQ(r.rc, 1);
  EXPECT_EQ(withMatch.substr(static_cast<size_t>(r.pos), static_cast<size_t>(r.len)), "BEGIN\r\n\r\nEND");
  EXPECT_EQ(EngineMatch("m/\\d{2}/k", text).rc, 0);
  r = EngineMatch("m/[x]\\s=\\s1\\s*$/k", text);
  EXPECT_EQ(r.pos, 11);
  // A match that runs over the end of the first block is found whole.
  std::string spaced(200000, ' ');
  spaced = "q" + spaced + "!";
  r = EngineMatch("m/[q] *!/k", spaced);
  EXPECT_EQ(r.pos, 0);
  EXPECT_EQ(r.len, static_cast<int>(spaced.size()));
}

TEST(RegexEngine, SubstitutesFirstOrEveryMatch) {
  std::string out;
  EXPECT_EQ(EngineSubst("s/cat/dog/k", "cat cat", out), 1);
  EXPECT_EQ(out, "dog cat");
  EXPECT_EQ(EngineSubst("s/cat/dog/kg", "cat cat", out), 1);
  EXPECT_EQ(out, "dog dog");
  EXPECT_EQ(EngineSubst("s/(\\w+)=(\\w+)/$2=$1/k", "表=示", out), 1);
  EXPECT_EQ(out, "示=表");
  EXPECT_EQ(EngineSubst("s/ＡＢ/ソ/ki", "xａｂy", out), 1);
  EXPECT_EQ(out, "xソy");
  EXPECT_EQ(EngineSubst("s/x*/-/kg", "axb", out), 1);
  EXPECT_EQ(out, "-a-b-");
  EXPECT_EQ(EngineSubst("s/q/z/k", "abc", out), 0);
  EXPECT_TRUE(out.empty());
  // Escaped delimiter and a trail byte 0x40 under "@" delimiters.
  EXPECT_EQ(EngineSubst("s/a\\/b/c/k", "xa/b", out), 1);
  EXPECT_EQ(out, "xc");
  EXPECT_EQ(EngineSubst("s@ァ@/#@k", "ァ", out), 1);
  EXPECT_EQ(out, "/#");
  std::string err;
  EXPECT_EQ(EngineSubst("s/(a/b/k", "a", out, &err), -1);
  EXPECT_FALSE(err.empty());
}

TEST(RegexEngine, SubstituteOneMatchInContext) {
  const std::string s = "xa ya xa";
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  ASSERT_EQ(BSubstEx("s/(?<=x)a/[$&]/k", s.data(), s.data() + 2, s.data() + s.size(), &res, err), 1);
  EXPECT_EQ(res->matchp - s.data(), 7);
  EXPECT_EQ(std::string(res->outp, res->outendp), "[a]");
  BRegfree(res);
}

TEST(RegexEngine, UnsupportedCallsFailCleanly) {
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  const char* s = "a,b";
  EXPECT_EQ(BTrans("tr/a/b/", s, s + 1, &res, err), -1);
  EXPECT_GT(std::strlen(err), 0u);
  EXPECT_EQ(BSplit("m/,/", s, s + 3, 0, &res, err), -1);
  EXPECT_EQ(res, nullptr);
  EXPECT_NE(std::strstr(BRegexpVersion(), "BREGEXP"), nullptr);
}

TEST(RegexEngine, SubMatchesAreReported) {
  const std::string s = "key=value";
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  ASSERT_EQ(BMatch("m/(\\w+)=(x)?(\\w+)/k", s.data(), s.data() + s.size(), &res, err), 1);
  ASSERT_EQ(res->nparens, 3);
  EXPECT_EQ(std::string(res->startp[1], res->endp[1]), "key");
  EXPECT_EQ(res->startp[2], nullptr);
  EXPECT_EQ(std::string(res->startp[3], res->endp[3]), "value");
  BRegfree(res);
}

TEST(RegexEngine, KeepInsideALookAroundIsRefusedNotLooped) {
  // "\K" in a look-ahead puts the start of the match after its end, and in a
  // look-behind it can put it before the search start: such a match is an
  // error of its own, never a substitution that finds it again and again.
  struct Case {
    const char* command;
    const char* subject;
  };
  for (const Case& c : {Case{"s/ab(?=c\\Kd)/X/kg", "abcd"}, Case{"s/(?=ab\\K)/X/kg", "abab"},
                        Case{"s/(?=ab\\K)/X/k", "xab"}, Case{"s/x*(?=a\\K)/-/kg", "aaa"}}) {
    std::string out, err;
    EXPECT_EQ(EngineSubst(c.command, c.subject, out, &err), -1) << c.command;
    EXPECT_TRUE(Contains(err, "\\K")) << c.command << ": " << err;
  }
  auto r = EngineMatch("m/(?=ab\\K)/k", "ab");
  EXPECT_EQ(r.rc, -1);
  EXPECT_TRUE(Contains(r.error, "\\K")) << r.error;
  const std::string s = "ab";
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  EXPECT_EQ(BMatchEx("m/(?<=\\Ka)b/k", s.data(), s.data() + 1, s.data() + 2, &res, err), -1);
  EXPECT_TRUE(Contains(err, "\\K")) << err;
  EXPECT_EQ(BSubstEx("s/ab(?=\\K)/X/k", s.data(), s.data(), s.data() + 2, &res, err), 1);
  EXPECT_EQ(res->matchp, res->matchendp);  // an empty match at the end: start and end agree
  EXPECT_EQ(BSubstEx("s/a(?=b\\K)/X/k", s.data(), s.data(), s.data() + 2, &res, err), -1);
  EXPECT_EQ(res, nullptr);
  // "\K" where it keeps the match in order still works.
  std::string out;
  EXPECT_EQ(EngineSubst("s/a\\Kb/X/kg", "abab", out), 1);
  EXPECT_EQ(out, "aXaX");
  r = EngineMatch("m/表\\K示/k", "表示");
  EXPECT_EQ(r.pos, 2);
  EXPECT_EQ(r.len, 2);
  EXPECT_EQ(EngineSubst("s/(?<=\\Ka)b/X/k", "ab", out), 1);
  EXPECT_EQ(out, "X");
}

TEST(RegexEngine, GlobalSubstitutionTakesOneMatchPerPosition) {
  struct Case {
    const char* command;
    const char* subject;
    const char* expected;
  };
  for (const Case& c : {Case{"s/^/> /kg", "ab\r\ncd", "> ab\r\n> cd"}, Case{"s/$/;/kg", "ab\r\ncd", "ab;\r\ncd;"},
                        Case{"s/a*?/-/kg", "aa", "-a-a-"}, Case{"s/\\b/|/kg", "a b", "|a| |b|"},
                        Case{"s/(?=示)|(?<=表)/|/kg", "表示", "表|示"}, Case{"s/x*/-/kg", "表x示", "-表-示-"}}) {
    std::string out;
    EXPECT_EQ(EngineSubst(c.command, c.subject, out), 1) << c.command;
    EXPECT_EQ(out, c.expected) << c.command;
  }
}
