// Golden colouring samples: every byte of every sample line against the colour
// marked under it (tests/data/colour/README.md describes the format).
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "colour_test_support.h"

namespace {

using colour_test::DrawnMarks;
using colour_test::LoadSample;
using colour_test::Sample;

const char* const kSamples[] = {"source_program.txt", "source_edges.txt", "html_page.txt", "text_plain.txt"};

// Compares line by line; QUILLET_COLOUR_PRINT=1 prints the marks found, for
// writing a new sample (the printed marks must then be checked by hand).
void CheckSample(const std::string& name) {
  Sample s = LoadSample(name);
  TextDocument doc(s.Text(), s.kind);
  ColorizeDocument(doc);
  const std::string marks = DrawnMarks(doc);
  const bool print = std::getenv("QUILLET_COLOUR_PRINT") != nullptr;
  int start = 0;
  for (const auto& line : s.lines) {
    const std::string got = marks.substr(static_cast<size_t>(start), line.text.size());
    if (print) std::cout << "> " << line.fileLine << "\n= " << got << "\n";
    if (!line.marks.empty() || line.text.empty()) {
      EXPECT_EQ(line.marks, got) << name << ":" << line.fileLine << " (line " << line.fileLine - 1 << " holds the text)";
    } else {
      ADD_FAILURE() << name << ":" << line.fileLine << " has no marks";
    }
    start += static_cast<int>(line.text.size()) + 2;
  }
}

TEST(ColorizeGolden, SourceProgram) { CheckSample("source_program.txt"); }
TEST(ColorizeGolden, SourceEdgeCases) { CheckSample("source_edges.txt"); }
TEST(ColorizeGolden, HtmlPage) { CheckSample("html_page.txt"); }
TEST(ColorizeGolden, TextUsesTheDefaultColourThroughout) { CheckSample("text_plain.txt"); }

// Each sample coloured line by line (as edits do) equals the whole-text colouring.
TEST(ColorizeGolden, LineByLineEqualsWholeText) {
  for (const char* name : kSamples) {
    Sample s = LoadSample(name);
    TextDocument whole(s.Text(), s.kind);
    ColorizeDocument(whole);
    TextDocument lines(s.Text(), s.kind);
    for (int l = lines.LineCount() - 1; l >= 0; --l) RecolorLines(lines, l, l);
    for (int i = 0; i < whole.Length(); ++i)
      ASSERT_EQ(whole.ClassAt(i), lines.ClassAt(i)) << name << " byte " << i;
  }
}

}  // namespace
