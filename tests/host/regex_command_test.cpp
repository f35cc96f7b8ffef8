#include <gtest/gtest.h>

#include "ancillar/regex/regex_command_parse.h"
#include "regex_test_api.h"
#include "search/regex_command.h"

TEST(RegexCommand, MatchDelimiterFollowsThePatternsContent) {
  EXPECT_EQ(BuildMatchCommand("abc", true), "m/abc/k");
  EXPECT_EQ(BuildMatchCommand("abc", false), "m/abc/ki");
  EXPECT_EQ(BuildMatchCommand("a/b", true), "m#a/b#k");
  EXPECT_EQ(BuildMatchCommand("a/b#c", false), "m@a/b#c@ki");
  // No group around the pattern: its back-references keep their numbers.
  EXPECT_EQ(BuildMatchCommand("(a)\\1", true), "m/(a)\\1/k");
  // The 0x40 trail byte of "ァ" is no "@": "@" stays usable.
  EXPECT_EQ(BuildMatchCommand("/#ァ", true), "m@/#ァ@k");
}

TEST(RegexCommand, SubstDelimiterLooksAtBothTexts) {
  EXPECT_EQ(BuildSubstCommand("a", "b", true), "s/a/b/k");
  EXPECT_EQ(BuildSubstCommand("a", "b", false), "s/a/b/ki");
  EXPECT_EQ(BuildSubstCommand("a", "b/c", true), "s#a#b/c#k");
  EXPECT_EQ(BuildSubstCommand("a#", "/", false), "s@a#@/@ki");
}

TEST(RegexCommand, PatternWithEveryDelimiterIsAnErrorOfTheLibrary) {
  for (const char* pattern : {"a/b#c@d", "@/#", "x@y/#"}) {
    auto r = EngineMatch(BuildMatchCommand(pattern, false), "a/b#c@d @/# x@y/#");
    EXPECT_EQ(r.rc, -1) << pattern;
    EXPECT_FALSE(r.error.empty());
  }
  std::string out, err;
  EXPECT_EQ(EngineSubst(BuildSubstCommand("a@b", "/#", true), "a@b", out, &err), -1);
  EXPECT_FALSE(err.empty());
}

TEST(RegexCommand, BuiltCommandsRoundTripThroughTheParser) {
  RegexCommand c;
  std::string err;
  ASSERT_TRUE(ParseRegexCommand(BuildMatchCommand("表/示", false), c, err)) << err;
  EXPECT_FALSE(c.substitute);
  EXPECT_EQ(c.pattern, "表/示");
  EXPECT_TRUE(c.sjis);
  EXPECT_TRUE(c.icase);
  ASSERT_TRUE(ParseRegexCommand(BuildSubstCommand("ソ", "能#", true), c, err)) << err;
  EXPECT_TRUE(c.substitute);
  EXPECT_EQ(c.pattern, "ソ");
  EXPECT_EQ(c.replacement, "能#");
  EXPECT_FALSE(c.icase);
  EXPECT_FALSE(c.global);
}

TEST(RegexCommandParse, EscapesAndFlags) {
  RegexCommand c;
  std::string err;
  ASSERT_TRUE(ParseRegexCommand("s/a\\/b/c\\/d/gik", c, err));
  EXPECT_EQ(c.pattern, "a/b");
  EXPECT_EQ(c.replacement, "c/d");
  EXPECT_TRUE(c.global && c.icase && c.sjis);
  // Other escapes stay for the regular expression; "\\" does not escape the delimiter.
  ASSERT_TRUE(ParseRegexCommand("m/a\\d\\\\/k", c, err));
  EXPECT_EQ(c.pattern, "a\\d\\\\");
  // A 0x5C trail byte is not an escape: "表/" ends the pattern.
  ASSERT_TRUE(ParseRegexCommand("m/表/k", c, err));
  EXPECT_EQ(c.pattern, "表");
  // Without "k" the bytes are single characters: 0x83 0x40 is "\x83" then "@".
  ASSERT_TRUE(ParseRegexCommand("m@\x83@", c, err));
  EXPECT_EQ(c.pattern, "\x83");
  EXPECT_FALSE(c.sjis);
  ASSERT_TRUE(ParseRegexCommand("m@ァ@k", c, err));
  EXPECT_EQ(c.pattern, "ァ");
}

TEST(RegexCommandParse, MalformedCommandsGiveErrors) {
  RegexCommand c;
  for (const char* bad : {"", "m", "m/", "m/abc", "s/a/b", "s/a", "q/a/", "m(a)", "m/a/Z", "m/a/k/", "ma",
                          "m/a\\/", "s/a/b/c/"}) {
    std::string err;
    EXPECT_FALSE(ParseRegexCommand(bad, c, err)) << bad;
    EXPECT_FALSE(err.empty()) << bad;
  }
  // A lone lead byte at the end is one byte, never a reason to read further.
  std::string err;
  std::string cmd = "m/a\x83";
  EXPECT_FALSE(ParseRegexCommand(std::string_view(cmd.data(), cmd.size()), c, err));
}
