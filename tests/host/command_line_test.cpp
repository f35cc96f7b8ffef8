#include "shell/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, QuotedPathWithBlankThenBareName) {
  auto t = SplitCommandLine("\"C:\\My Files\\a b.txt\" notes.txt");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0], "C:\\My Files\\a b.txt");
  EXPECT_EQ(t[1], "notes.txt");
  EXPECT_EQ(CompleteCommandLinePath(t[1], "C:\\work"), "C:\\work\\notes.txt");
  EXPECT_EQ(CompleteCommandLinePath(t[0], "C:\\work"), t[0]);
}

TEST(CommandLine, BlanksAndQuotes) {
  EXPECT_TRUE(SplitCommandLine("").empty());
  EXPECT_TRUE(SplitCommandLine("   \t ").empty());
  // A quote inside a token toggles the state and is dropped.
  auto t = SplitCommandLine("a\"b c\"d  e");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0], "ab cd");
  EXPECT_EQ(t[1], "e");
  // An unclosed quote runs to the end of the line.
  t = SplitCommandLine("\"x y");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0], "x y");
  // Japanese names: 0x5C trail bytes are not separators and survive intact.
  t = SplitCommandLine("\"表示 ソース.txt\"");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0], "表示 ソース.txt");
}

TEST(CommandLine, UncPathsStayAbsolute) {
  EXPECT_EQ(CompleteCommandLinePath("\\\\server\\share\\a.txt", "C:\\w"), "\\\\server\\share\\a.txt");
  EXPECT_EQ(CompleteCommandLinePath("sub\\a.txt", "C:\\w\\"), "C:\\w\\sub\\a.txt");
}

TEST(CommandLine, TrailBytesAreNeitherSeparatorsNorUncMarks) {
  // "ソ" ends in the byte 0x5C: the directory does not end in a separator.
  EXPECT_EQ(CompleteCommandLinePath("a.txt", "C:\\ソ"), "C:\\ソ\\a.txt");
  // "表" followed by a backslash is no double backslash: the token stays relative.
  EXPECT_EQ(CompleteCommandLinePath("表\\a.txt", "C:\\w"), "C:\\w\\表\\a.txt");
}
