#include "files/paths.h"

#include <gtest/gtest.h>

// 表, ソ and 能 end in the byte 0x5C, the backslash.
static_assert(sizeof("表") == 3 && "表"[1] == '\\', "literals must be Shift-JIS");

TEST(Paths, NameDirectoryAndExtensionAreShiftJisSafe) {
  EXPECT_EQ(PathFileName("C:\\表\\ソ.txt"), "ソ.txt");
  EXPECT_EQ(PathDirectory("C:\\表\\ソ.txt"), "C:\\表\\");
  EXPECT_EQ(PathExtension("C:\\表\\ソ.txt"), ".txt");
  EXPECT_EQ(PathFileName("C:\\dir\\能"), "能");
  EXPECT_EQ(PathDirectory("C:\\dir\\能"), "C:\\dir\\");
  EXPECT_EQ(PathExtension("C:\\a.b\\c"), "");
  EXPECT_EQ(PathExtension("C:\\a.b\\c.TXT"), ".TXT");
  EXPECT_EQ(PathExtension("archive.tar.gz"), ".gz");
  EXPECT_EQ(PathExtension("C:\\dir\\"), "");
  EXPECT_EQ(PathFileName("C:\\dir\\"), "");
  EXPECT_EQ(PathDirectory("name.txt"), "");
  EXPECT_EQ(PathFileName("C:x.txt"), "x.txt");
  EXPECT_EQ(PathFileName("C:/unix/style.txt"), "style.txt");
  // A lone lead byte at the end is a byte of its own.
  EXPECT_EQ(PathFileName("C:\\a\\\x95"), "\x95");
}

TEST(Paths, CaseInsensitiveComparisonFoldsOnlyAscii) {
  EXPECT_TRUE(PathEqualsNoCase("C:\\Dir\\File.TXT", "c:\\dir\\file.txt"));
  EXPECT_FALSE(PathEqualsNoCase("C:\\a", "C:\\b"));
  EXPECT_FALSE(PathEqualsNoCase("abc", "ab"));
  // "ア" (83 41) and "ヂ" (83 61): trail bytes in the letter range must not fold.
  EXPECT_FALSE(PathEqualsNoCase("\x83\x41", "\x83\x61"));
  EXPECT_TRUE(PathEqualsNoCase("表示", "表示"));
  EXPECT_EQ(PathFoldCase("ABC\x83\x41Z"), "abc\x83\x41z");
}

TEST(Paths, RelativePathFromABase) {
  EXPECT_EQ(RelativePath("C:\\a\\b\\c.txt", "C:\\a\\d\\e.pj"), "..\\b\\c.txt");
  EXPECT_EQ(RelativePath("C:\\a\\x.txt", "C:\\A\\p.pj"), "x.txt");
  EXPECT_EQ(RelativePath("c:\\a\\x.txt", "C:\\a\\"), "x.txt");
  EXPECT_EQ(RelativePath("C:\\a\\sub\\deep\\x.txt", "C:\\a\\p.pj"), "sub\\deep\\x.txt");
  EXPECT_EQ(RelativePath("C:\\x.txt", "C:\\a\\b\\p.pj"), "..\\..\\x.txt");
  EXPECT_EQ(RelativePath("C:\\a\\bc\\x.txt", "C:\\a\\b\\p.pj"), "..\\bc\\x.txt");
  EXPECT_EQ(RelativePath("D:\\a\\x.txt", "C:\\a\\p.pj"), "D:\\a\\x.txt");
  EXPECT_EQ(RelativePath("already\\relative.txt", "C:\\a\\p.pj"), "already\\relative.txt");
}

TEST(Paths, RelativePathWithJapaneseNamesAndShares) {
  EXPECT_EQ(RelativePath("C:\\表\\ソ.txt", "C:\\表\\能.pj"), "ソ.txt");
  EXPECT_EQ(RelativePath("C:\\表\\b.txt", "C:\\表示\\a.pj"), "..\\表\\b.txt");
  EXPECT_EQ(RelativePath("C:\\能\\ソ\\x.sbp", "C:\\能\\p.pj"), "ソ\\x.sbp");
  // "ソ" and "ン" differ only in the trail byte: different directories.
  EXPECT_EQ(RelativePath("C:\\ソ\\x", "C:\\ン\\p.pj"), "..\\ソ\\x");
  EXPECT_EQ(RelativePath("\\\\srv\\share\\a\\x.txt", "\\\\SRV\\Share\\b\\p.pj"), "..\\a\\x.txt");
  EXPECT_EQ(RelativePath("\\\\srv\\other\\a\\x.txt", "\\\\srv\\share\\b\\p.pj"), "\\\\srv\\other\\a\\x.txt");
  EXPECT_EQ(RelativePath("\\\\srv\\share\\x.txt", "C:\\p.pj"), "\\\\srv\\share\\x.txt");
}

TEST(Paths, ResolveRelativePath) {
  EXPECT_EQ(ResolveRelativePath("x.txt", "C:\\a\\"), "C:\\a\\x.txt");
  EXPECT_EQ(ResolveRelativePath(".\\x.txt", "C:\\a\\"), "C:\\a\\x.txt");
  EXPECT_EQ(ResolveRelativePath("..\\x.txt", "C:\\a\\b\\"), "C:\\a\\x.txt");
  EXPECT_EQ(ResolveRelativePath("..\\..\\x.txt", "C:\\a\\b\\c\\"), "C:\\a\\x.txt");
  EXPECT_EQ(ResolveRelativePath("..\\..\\..\\x.txt", "C:\\a\\"), "C:\\x.txt");  // never above the root
  EXPECT_EQ(ResolveRelativePath("sub\\x.txt", "C:\\a"), "C:\\a\\sub\\x.txt");
  EXPECT_EQ(ResolveRelativePath("D:\\x.txt", "C:\\a\\"), "D:\\x.txt");
  EXPECT_EQ(ResolveRelativePath("\\\\srv\\share\\x", "C:\\a\\"), "\\\\srv\\share\\x");
  EXPECT_EQ(ResolveRelativePath("\\x.txt", "C:\\a\\b\\"), "C:\\x.txt");
  EXPECT_EQ(ResolveRelativePath("..\\x", "\\\\srv\\share\\a\\"), "\\\\srv\\share\\x");
  EXPECT_EQ(ResolveRelativePath("..\\..\\x", "\\\\srv\\share\\a\\"), "\\\\srv\\share\\x");
  EXPECT_EQ(ResolveRelativePath("x.txt", ""), "x.txt");
}

TEST(Paths, ResolveWithJapaneseNames) {
  // "表\\x" holds the bytes 5C 5C but only one separator: it is relative.
  EXPECT_EQ(ResolveRelativePath("表\\x.txt", "C:\\a\\"), "C:\\a\\表\\x.txt");
  EXPECT_EQ(ResolveRelativePath("..\\ソ.txt", "C:\\表\\能\\"), "C:\\表\\ソ.txt");
  EXPECT_EQ(ResolveRelativePath("能", "C:\\"), "C:\\能");
  EXPECT_EQ(ResolveRelativePath("..\\x", "C:\\表\\"), "C:\\x");
  // A base ending in the trail byte 0x5C of "表" still needs its backslash.
  EXPECT_EQ(ResolveRelativePath("x", "C:\\表"), "C:\\表\\x");
  EXPECT_TRUE(EndsWithSeparator("C:\\表\\"));
  EXPECT_FALSE(EndsWithSeparator("C:\\表"));
  EXPECT_FALSE(EndsWithSeparator(""));
}

TEST(Paths, RelativeThenResolveGivesThePathBack) {
  const char* pairs[][2] = {
      {"C:\\a\\b\\c.txt", "C:\\a\\d\\e.pj"}, {"C:\\x.txt", "C:\\a\\b\\p.pj"},
      {"C:\\表\\ソ\\能.sbp", "C:\\表\\p.pj"},  {"C:\\ソ\\x", "C:\\ン\\能\\p.pj"},
      {"C:\\a\\x.txt", "C:\\a\\p.pj"},
  };
  for (auto& p : pairs) {
    std::string rel = RelativePath(p[0], p[1]);
    EXPECT_EQ(ResolveRelativePath(rel, PathDirectory(p[1])), p[0]) << rel;
  }
}

TEST(Paths, TruncateNeverSplitsACharacter) {
  EXPECT_EQ(TruncateSjis("abc", 10), "abc");
  EXPECT_EQ(TruncateSjis("abc", 2), "ab");
  EXPECT_EQ(TruncateSjis("a表", 2), "a");
  EXPECT_EQ(TruncateSjis("a表", 3), "a表");
  EXPECT_EQ(TruncateSjis("表表", 3), "表");
  EXPECT_EQ(TruncateSjis("ab\x95", 3), "ab\x95");
  EXPECT_EQ(TruncateSjis("", 0), "");
}
