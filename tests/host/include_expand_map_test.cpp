#include "files/include_expand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "files/paths.h"

namespace {

const std::string kBase = "C:\\proj\\";
const std::string kProgram = "C:\\Quillet\\";

struct FakeFiles {
  std::map<std::string, std::string> files;
  int asked = 0;
  IncludeTextSource Source() {
    return [this](const std::string& path, std::string& text) {
      ++asked;
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

// Every document byte outside replaced directive lines must be found at its
// mapped program byte.
void ExpectCopiedBytesMap(const std::string& doc, const ExpandedProgram& p) {
  for (const IncludeMap::Piece& piece : p.map.pieces) {
    ASSERT_LE(piece.docStart + piece.length, static_cast<int>(doc.size()));
    ASSERT_LE(piece.programStart + piece.length, static_cast<int>(p.text.size()));
    for (int i = 0; i < piece.length; ++i) {
      const int d = piece.docStart + i;
      ASSERT_EQ(p.text[p.map.ToProgram(d)], doc[d]) << "doc byte " << d;
    }
  }
}

}  // namespace

TEST(IncludeExpandMap, WithoutDirectivesTheMapIsTheIdentity) {
  FakeFiles fs;
  const std::string doc = "Sub A()\r\n  x = 1\r\nEnd Sub\r\n";
  ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
  EXPECT_EQ(p.text, doc);
  EXPECT_TRUE(p.files.empty());
  for (int i = 0; i <= static_cast<int>(doc.size()); ++i) EXPECT_EQ(p.map.ToProgram(i), i);
  EXPECT_EQ(fs.asked, 0);
}

TEST(IncludeExpandMap, PositionsAfterAnIncludeMoveByWhatItAdded) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "Class A\r\nEnd Class";
  const std::string doc = "top\r\n#include \"a.sbp\"\r\nDim x As A\r\n";
  ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
  EXPECT_EQ(p.text, "top\r\nClass A\r\nEnd Class\r\nDim x As A\r\n");
  EXPECT_EQ(p.text, ExpandIncludes(doc, kBase, kProgram, fs.Source()));
  const int directive = static_cast<int>(doc.find('#'));
  const int dim = static_cast<int>(doc.find("Dim"));
  EXPECT_EQ(p.map.ToProgram(2), 2);
  EXPECT_EQ(p.map.ToProgram(directive), directive);  // the start of the included text
  EXPECT_EQ(p.map.ToProgram(dim), static_cast<int>(p.text.find("Dim")));
  EXPECT_EQ(p.map.ToProgram(static_cast<int>(doc.size())), static_cast<int>(p.text.size()));
  // Inside the directive line: the end of what replaced it.
  EXPECT_EQ(p.map.ToProgram(directive + 3), static_cast<int>(p.text.find("\r\nDim")));
  ASSERT_EQ(p.files.size(), 1u);
  EXPECT_EQ(p.files[0].first, "C:\\proj\\a.sbp");
  EXPECT_TRUE(p.files[0].second);
  ExpectCopiedBytesMap(doc, p);
}

TEST(IncludeExpandMap, DirectivesAtTheStartAndOnTheLastLine) {
  FakeFiles fs;
  fs.files["C:\\Quillet\\Include\\w.sbp"] = "W1\r\nW2";
  fs.files["C:\\proj\\z.sbp"] = "Z";
  const std::string doc = "#include <w.sbp>\r\nmid\r\n#include \"z.sbp\"";
  ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
  EXPECT_EQ(p.text, "W1\r\nW2\r\nmid\r\nZ");
  EXPECT_EQ(p.map.ToProgram(0), 6);  // a byte of the first directive: after "W1\r\nW2"
  EXPECT_EQ(p.map.ToProgram(static_cast<int>(doc.find("mid"))), static_cast<int>(p.text.find("mid")));
  EXPECT_EQ(p.map.ToProgram(static_cast<int>(doc.size()) - 1), static_cast<int>(p.text.size()));
  EXPECT_EQ(p.map.ToProgram(-5), 6);
  EXPECT_EQ(p.map.ToProgram(1 << 30), static_cast<int>(p.text.size()));
  ExpectCopiedBytesMap(doc, p);
}

TEST(IncludeExpandMap, AMissingFileKeepsItsDirectiveAndTheRestIsExpanded) {
  FakeFiles fs;
  fs.files["C:\\proj\\b.sbp"] = "B";
  const std::string doc = "#include \"gone.sbp\"\r\nx\r\n#include \"b.sbp\"\r\ny";
  ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
  EXPECT_EQ(p.text, "#include \"gone.sbp\"\r\nx\r\nB\r\ny");
  ASSERT_EQ(p.files.size(), 2u);
  EXPECT_FALSE(p.files[0].second);
  EXPECT_TRUE(p.files[1].second);
  EXPECT_EQ(p.map.ToProgram(static_cast<int>(doc.size())), static_cast<int>(p.text.size()));
  ExpectCopiedBytesMap(doc, p);
}

TEST(IncludeExpandMap, EachFileOnceAndNestedFilesRelativeToTheirOwnDirectory) {
  FakeFiles fs;
  fs.files["C:\\proj\\inc\\a.sbp"] = "A\r\n#include \"b.sbp\"\r\n#include \"..\\main.sbp\"\r\n";
  fs.files["C:\\proj\\inc\\b.sbp"] = "B\r\n#include \"a.sbp\"\r\n";
  fs.files["C:\\proj\\main.sbp"] = "M\r\n";
  const std::string doc = "#include \"inc\\a.sbp\"\r\n#include \"INC\\A.SBP\"\r\nend";
  ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
  EXPECT_EQ(p.text, ExpandIncludes(doc, kBase, kProgram, fs.Source()));
  EXPECT_EQ(p.text, "A\r\nB\r\n#include \"a.sbp\"\r\n\r\nM\r\n\r\n\r\n#include \"INC\\A.SBP\"\r\nend");
  EXPECT_EQ(p.map.ToProgram(static_cast<int>(doc.find("end"))), static_cast<int>(p.text.find("end")));
  ExpectCopiedBytesMap(doc, p);
}

TEST(IncludeExpandMap, MalformedDirectivesStayText) {
  FakeFiles fs;
  fs.files["C:\\proj\\a.sbp"] = "A";
  const char* docs[] = {"#include", "#include \"", "#include <", "x\r\n#include", "#include \"a.sbp",
                        "#includea \"a.sbp\"", "\x81", "a\n#include \"a.sbp\"\nb"};
  for (const char* d : docs) {
    const std::string doc = d;
    ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
    EXPECT_EQ(p.text, ExpandIncludes(doc, kBase, kProgram, fs.Source())) << d;
    ExpectCopiedBytesMap(doc, p);
  }
  // A name made of a lone lead byte names a file that is not there.
  EXPECT_EQ(ExpandIncludesMapped("#include \"\x81", kBase, kProgram, fs.Source()).text, "#include \"\x81");
  ExpandedProgram none = ExpandIncludesMapped("#include \"a.sbp\"", kBase, kProgram, IncludeTextSource());
  EXPECT_EQ(none.text, "#include \"a.sbp\"");
}

// Random documents and include files: with every file present the text is
// the one ExpandIncludes gives, and every copied byte maps onto itself.
TEST(IncludeExpandMap, RandomProgramsAgreeWithExpandIncludes) {
  const char* env = std::getenv("QUILLET_FUZZ_SECONDS");
  const int rounds = env ? 20000 * std::max(1, std::atoi(env)) : 1500;
  std::mt19937 rng(20240611);
  const std::vector<std::string> names = {"a.sbp", "b.sbp", "sub\\c.sbp", "..\\d.sbp"};
  const std::vector<std::string> fragments = {"x", "Dim a As B\r\n", "\r\n", "\x82\xa0", "#", "\n", "\x81",
                                              "#include", " ", "\""};
  auto randomText = [&](int parts) {
    std::string t;
    for (int i = 0; i < parts; ++i) {
      if (rng() % 4 == 0) {
        t += (rng() % 2 ? "#include \"" : "#include\t<") + names[rng() % names.size()] + (rng() % 3 ? "\"" : "");
        t += rng() % 5 ? "\r\n" : "";
      } else {
        t += fragments[rng() % fragments.size()];
      }
    }
    return t;
  };
  for (int round = 0; round < rounds; ++round) {
    FakeFiles fs;
    for (const char* path : {"C:\\proj\\a.sbp", "C:\\proj\\b.sbp", "C:\\proj\\sub\\c.sbp", "C:\\d.sbp",
                             "C:\\proj\\sub\\a.sbp", "C:\\Quillet\\Include\\a.sbp", "C:\\Quillet\\Include\\b.sbp"})
      fs.files[path] = randomText(static_cast<int>(rng() % 6));
    const std::string doc = randomText(static_cast<int>(rng() % 12));
    ExpandedProgram p = ExpandIncludesMapped(doc, kBase, kProgram, fs.Source());
    bool allHad = true;
    for (const auto& f : p.files) allHad = allHad && f.second;
    if (allHad) {
      ASSERT_EQ(p.text, ExpandIncludes(doc, kBase, kProgram, fs.Source())) << "round " << round;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectCopiedBytesMap(doc, p)) << "round " << round;
    int last = 0;
    for (int i = 0; i <= static_cast<int>(doc.size()); ++i) {
      const int mapped = p.map.ToProgram(i);
      ASSERT_GE(mapped, last) << "round " << round;
      ASSERT_LE(mapped, static_cast<int>(p.text.size()));
      last = mapped;
    }
  }
}
