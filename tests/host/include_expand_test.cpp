#include "files/include_expand.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "files/paths.h"

namespace {

// Files by exact path; lookups are counted and recorded.
struct FakeFiles {
  std::map<std::string, std::string> files;
  std::vector<std::string> asked;

  IncludeTextSource Source() {
    return [this](const std::string& path, std::string& text) {
      asked.push_back(path);
      for (auto& [name, content] : files) {
        if (PathEqualsNoCase(name, path)) {
          text = content;
          return true;
        }
      }
      return false;
    };
  }
};

const std::string kBase = "C:\\proj\\";
const std::string kProgram = "C:\\Quillet\\";

}  // namespace

TEST(IncludeExpand, LocalAndSystemNames) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "A1\r\nA2";
  fs.files["C:\\Quillet\\Include\\win.sbp"] = "W";
  std::string out = ExpandIncludes("top\r\n#include \"a.sbp\"\r\n#include\t<win.sbp> trailing\r\nend\r\n", kBase,
                                   kProgram, fs.Source());
  EXPECT_EQ(out, "top\r\nA1\r\nA2\r\nW\r\nend\r\n");
  EXPECT_EQ(fs.asked, (std::vector<std::string>{"C:\\proj\\a.sbp", "C:\\Quillet\\Include\\win.sbp"}));
}

TEST(IncludeExpand, OnlyExactDirectivesInTheFirstColumn) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "A";
  const char* ignored[] = {" #include \"a.sbp\"", "\t#include \"a.sbp\"", "#includeX \"a.sbp\"",
                           "#include_ \"a.sbp\"", "#include.a \"a.sbp\"", "#include9 \"a.sbp\"",
                           "#INCLUDE \"a.sbp\"", "#Include \"a.sbp\"", "#include a.sbp",
                           "#include \"\"", "#include"};
  for (const char* line : ignored) {
    std::string text = std::string(line) + "\r\nx";
    EXPECT_EQ(ExpandIncludes(text, kBase, kProgram, fs.Source()), text) << line;
  }
  EXPECT_TRUE(fs.asked.empty());
  // No blank is needed before the name; a name runs to the line end when unclosed.
  EXPECT_EQ(ExpandIncludes("#include\"a.sbp\"\r\n", kBase, kProgram, fs.Source()), "A\r\n");
  EXPECT_EQ(ExpandIncludes("#include \"a.sbp\r\nz", kBase, kProgram, fs.Source()), "A\r\nz");
}

TEST(IncludeExpand, SelfIncludeIsExpandedOnce) {
  FakeFiles fs;
  fs.files["C:\\proj\\self.sbp"] = "S\r\n#include \"self.sbp\"\r\n";
  std::string out = ExpandIncludes("#include \"self.sbp\"\r\n", kBase, kProgram, fs.Source());
  EXPECT_EQ(out, "S\r\n#include \"self.sbp\"\r\n\r\n");
  EXPECT_EQ(fs.asked.size(), 1u);
}

TEST(IncludeExpand, MutualIncludesAndCaseInsensitivePaths) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "A\r\n#include \"B.SBP\"\r\n";
  fs.files["C:\\proj\\b.sbp"] = "B\r\n#include \"a.sbp\"\r\n";
  std::string out = ExpandIncludes("#include \"a.sbp\"\r\n#include \"A.sbp\"\r\n", kBase, kProgram, fs.Source());
  EXPECT_EQ(out, "A\r\nB\r\n#include \"a.sbp\"\r\n\r\n\r\n#include \"A.sbp\"\r\n");
  EXPECT_EQ(fs.asked.size(), 2u);
}

TEST(IncludeExpand, NestedFilesUseTheirOwnDirectory) {
  FakeFiles fs;
  fs.files["C:\\proj\\lib\\x.sbp"] = "X\r\n#include \"..\\common\\y.sbp\"\r\n#include \"z.sbp\"";
  fs.files["C:\\proj\\common\\y.sbp"] = "Y";
  fs.files["C:\\proj\\lib\\z.sbp"] = "Z";
  EXPECT_EQ(ExpandIncludes("#include \"lib\\x.sbp\"\r\n", kBase, kProgram, fs.Source()), "X\r\nY\r\nZ\r\n");
  // Japanese directory names with 0x5C trail bytes.
  fs.files["C:\\proj\\表\\ソ.sbp"] = "#include \"能.sbp\"";
  fs.files["C:\\proj\\表\\能.sbp"] = "N";
  EXPECT_EQ(ExpandIncludes("#include \"表\\ソ.sbp\"", kBase, kProgram, fs.Source()), "N");
}

TEST(IncludeExpand, AMissingFileStopsTheExpansion) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "A1\r\n#include \"gone.sbp\"\r\nA3\r\n";
  std::string out =
      ExpandIncludes("before\r\n#include \"a.sbp\"\r\nafter\r\n", kBase, kProgram, fs.Source());
  EXPECT_EQ(out, "before\r\nA1\r\n");
  EXPECT_EQ(ExpandIncludes("x\r\n#include <none.sbp>\r\ny", kBase, kProgram, fs.Source()), "x\r\n");
  // No source at all: every file is missing.
  EXPECT_EQ(ExpandIncludes("x\r\n#include \"a.sbp\"\r\ny", kBase, kProgram, IncludeTextSource()), "x\r\n");
}

TEST(IncludeExpand, LongChainsAndBigTextsStayLinear) {
  FakeFiles fs;
  const int kFiles = 500;
  for (int i = 0; i < kFiles; ++i) {
    std::string next = i + 1 < kFiles ? "#include \"f" + std::to_string(i + 1) + ".sbp\"\r\n" : "";
    fs.files["C:\\proj\\f" + std::to_string(i) + ".sbp"] = "L" + std::to_string(i) + "\r\n" + next;
  }
  std::string out = ExpandIncludes("#include \"f0.sbp\"\r\n", kBase, kProgram, fs.Source());
  EXPECT_EQ(out.rfind("L0\r\n", 0), 0u);
  EXPECT_NE(out.find("L199\r\n"), std::string::npos);
  // Beyond the nesting bound the directive stays in the text.
  EXPECT_NE(out.find("#include \"f200.sbp\""), std::string::npos);

  std::string big;
  for (int i = 0; i < 100000; ++i) big += "line of text without directives\r\n";
  EXPECT_EQ(ExpandIncludes(big, kBase, kProgram, fs.Source()), big);
}
