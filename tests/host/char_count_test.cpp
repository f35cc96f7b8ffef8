// The counts of the character-count dialog and their digit grouping.
#include <gtest/gtest.h>

#include <string>

#include "editor/editing.h"

namespace {

void ExpectCounts(std::string_view text, long long bytes, long long nonBlank, long long chars, long long lines,
                  Newline newline = Newline::kCrLf) {
  const CharCounts n = CountCharacters(text, newline);
  EXPECT_EQ(n.bytes, bytes) << text;
  EXPECT_EQ(n.nonBlank, nonBlank) << text;
  EXPECT_EQ(n.chars, chars) << text;
  EXPECT_EQ(n.lines, lines) << text;
}

TEST(CharCount, HiraganaSpaceLetterLineLetter) { ExpectCounts("あ a\r\nb", 7, 3, 4, 2); }

TEST(CharCount, BlanksAndLineEnds) {
  ExpectCounts("", 0, 0, 0, 0);
  // A last line break ends its line: six full lines are six.
  ExpectCounts("\r\n", 2, 0, 0, 1);
  ExpectCounts("\r\n\r\n", 4, 0, 0, 2);
  ExpectCounts("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n", 18, 6, 6, 6);
  ExpectCounts("a\r\nb", 4, 2, 2, 2);
  // The bytes are the file's: an LF or CR file has one byte per line end.
  ExpectCounts("a\r\nb\r\n", 4, 2, 2, 2, Newline::kLf);
  ExpectCounts("表\r\n", 3, 1, 1, 1, Newline::kCr);
  ExpectCounts("\t \x81\x40x", 5, 1, 4, 1);  // TAB, space, full-width space, letter
  ExpectCounts("a\rb\nc", 5, 5, 5, 1);        // lone CR and LF are characters
  ExpectCounts("表示\r\n", 6, 2, 2, 1);
}

TEST(CharCount, DoubleByteEdges) {
  // A lead byte at the very end is one character; one followed by CR takes it.
  ExpectCounts("ab\x83", 3, 3, 3, 1);
  ExpectCounts("\x83\r\n", 3, 2, 2, 1);  // and no line break ends the text
  // 0x81 0x40 only as a character, not as the tail of another one.
  ExpectCounts("\x81\x81\x40", 3, 2, 2, 1);
}

TEST(CharCount, DigitGrouping) {
  EXPECT_EQ(GroupDigits(0), "0");
  EXPECT_EQ(GroupDigits(7), "7");
  EXPECT_EQ(GroupDigits(999), "999");
  EXPECT_EQ(GroupDigits(1000), "1,000");
  EXPECT_EQ(GroupDigits(100000), "100,000");
  EXPECT_EQ(GroupDigits(1234567), "1,234,567");
  EXPECT_EQ(GroupDigits(2147483647LL * 4), "8,589,934,588");
  EXPECT_EQ(GroupDigits(-1234), "-1,234");
}

}  // namespace
