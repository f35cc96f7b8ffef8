// Seeded random texts through the class view's recogniser: it never reads
// past the text, and every place it reports stands at a character start on
// the line the editor would show it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fuzz_support.h"
#include "platform/sjis.h"
#include "project/class_scan.h"

namespace {

const char* const kTokens[] = {
    "Class ", "Type ", "Interface ", "End ", "End Class", "End Sub", "Sub ", "Function ", "Public", "Private",
    "Protected", "Abstract ", "Virtual ", "Export ", "Inherits ", "A", "b1", "~C", "x.y", "Foo", " ", " ", "\t",
    ":", "'", "/*", "*/", "\"", "\r\n", "\r\n", "\r\n", "\r", "\n", "\x83", "\x83\x41", "表", "(", ")", "10 ",
};

std::string RandomText(FuzzRandom& r) {
  std::string s;
  const int n = r.Uniform(0, 120);
  for (int i = 0; i < n; ++i) s += kTokens[r.Uniform(0, static_cast<int>(std::size(kTokens)) - 1)];
  return s;
}

// The plain rule, character by character from the start: where characters
// start, and the line of each byte.
struct Reference {
  std::vector<bool> charStart;
  std::vector<int> line;
  Reference(const std::string& t, Newline nl) : charStart(t.size() + 1, false), line(t.size() + 1, 0) {
    const char* b = t.data();
    const char* e = b + t.size();
    int current = 0;
    size_t i = 0;
    while (i < t.size()) {
      charStart[i] = true;
      size_t len = static_cast<size_t>(SjisCharLen(b + i, e));
      bool ends = false;
      if (nl == Newline::kCrLf && t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') len = 2, ends = true;
      if ((nl == Newline::kLf && t[i] == '\n') || (nl == Newline::kCr && t[i] == '\r')) ends = true;
      for (size_t k = i; k < i + len; ++k) line[k] = current;
      if (ends) ++current;
      i += len;
    }
    charStart[t.size()] = true;
    line[t.size()] = current;
  }
};

void CheckPlace(const Reference& ref, const std::string& text, SourcePlace p, const char* what) {
  ASSERT_GE(p.position, 0) << what;
  ASSERT_LE(static_cast<size_t>(p.position), text.size()) << what;
  EXPECT_TRUE(ref.charStart[static_cast<size_t>(p.position)]) << what << " at " << p.position;
  EXPECT_EQ(p.line, ref.line[static_cast<size_t>(p.position)]) << what << " at " << p.position;
}

TEST(ClassScanFuzz, PlacesAndBlocksStayConsistent) {
  RunFuzzWith<FuzzRandom>(1600, [](FuzzRandom& r) {
    const std::string text = RandomText(r);
    for (Newline nl : {Newline::kCrLf, Newline::kLf, Newline::kCr}) {
      SCOPED_TRACE(::testing::PrintToString(text));
      const Reference ref(text, nl);
      const FileScan scan = ScanFileText(text, nl);
      int previousEnd = 0;
      for (const ClassBlock& c : scan.classes) {
        CheckPlace(ref, text, c.place, "class");
        EXPECT_GE(c.place.position, previousEnd);
        EXPECT_LE(c.place.position, c.end);
        EXPECT_LE(static_cast<size_t>(c.end), text.size());
        previousEnd = c.end;
        std::set<std::string> names;
        for (const ClassMember& m : c.members) {
          CheckPlace(ref, text, m.place, "member");
          EXPECT_GE(m.place.position, c.place.position);
          EXPECT_LE(m.place.position, c.end);
          EXPECT_FALSE(m.name.empty());
          EXPECT_TRUE(names.insert(m.name).second) << m.name;
        }
        // The block parsed alone is the same block.
        const ClassBlock alone = ParseClassBlock(text, c.place.position, nl);
        EXPECT_EQ(alone.name, c.name);
        EXPECT_EQ(alone.end, c.end);
        EXPECT_EQ(alone.place.line, c.place.line);
        EXPECT_EQ(alone.members.size(), c.members.size());
      }
      for (const GlobalProc& g : scan.globals) {
        CheckPlace(ref, text, g.place, "global");
        EXPECT_FALSE(g.name.empty());
      }
      if (::testing::Test::HasFailure()) return;
    }
    // Every prefix: the text may end anywhere, also inside a character.
    for (size_t n = 0; n < text.size(); n += 1 + text.size() / 16) {
      const std::string cut = text.substr(0, n);
      ScanFileText(cut, Newline::kCrLf);
    }
  });
}

}  // namespace
