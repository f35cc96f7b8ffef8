// Restoring the documents of a work state into a project that may have
// changed since: which documents still belong to it, and caret and scroll
// clamped to the texts as they are now.
#include <gtest/gtest.h>

#include "project/window_definitions.h"
#include "project/work_state.h"

namespace {

TEST(ProjectWorkState, OnlyDocumentsOfTheProjectAreRestored) {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.sourceFiles = {ProjectFile{"Demo.bas", nullptr}, ProjectFile{"sub\\表示.sbp", nullptr}};
  s.windows.push_back(MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow));
  s.menus.push_back(MakeNewMenuDef("Bar"));
  s.icons.push_back(ResourceEntry{"IDI_ICON1", "..\\art\\a.ico", nullptr});
  WorkState w;
  const std::pair<WorkDocKind, const char*> docs[] = {
      {WorkDocKind::kText, "SUB\\表示.sbp"}, {WorkDocKind::kText, "gone.sbp"}, {WorkDocKind::kWindowDesign, "main"},
      {WorkDocKind::kWindowDesign, "Gone"},  {WorkDocKind::kMenuDesign, "Bar"}, {WorkDocKind::kIcon, "..\\ART\\A.ico"},
      {WorkDocKind::kIcon, "b.ico"},         {WorkDocKind::kText, "Demo.bas"},
  };
  for (const auto& d : docs) {
    WorkDoc doc;
    doc.kind = d.first;
    doc.name = d.second;
    w.documents.push_back(doc);
  }
  std::vector<RestoreItem> plan = PlanWorkStateRestore(w, s);
  std::vector<std::pair<WorkDocKind, size_t>> got;
  for (const auto& item : plan) got.push_back({item.kind, item.index});
  const std::vector<std::pair<WorkDocKind, size_t>> expected = {
      {WorkDocKind::kText, 1}, {WorkDocKind::kWindowDesign, 0}, {WorkDocKind::kMenuDesign, 0},
      {WorkDocKind::kIcon, 0}, {WorkDocKind::kText, 0}};
  EXPECT_EQ(got, expected);
  EXPECT_EQ(plan.back().doc, &w.documents.back());  // the active document comes last
}

TEST(ProjectWorkState, CaretAndScrollAreClampedToTheText) {
  const std::string text = "ab表ソ\r\nx";  // bytes: a b 95 5C 83 5C CR LF x
  struct Case {
    int32_t h, v, s, e;
    int32_t maxH, maxV;
    TextRestore expected;
  };
  const Case cases[] = {
      {3, 1, 1, 2, 10, 5, {3, 1, 1, 2}},
      {30, 9, 0, 500, 10, 5, {10, 5, 0, 9}},
      {-4, -1, -3, -1, 10, 5, {0, 0, 0, 0}},
      {0, 0, 3, 5, 0, 0, {0, 0, 2, 4}},      // inside 表 and inside ソ: moved to their starts
      {0, 0, 6, 4, 0, 0, {0, 0, 4, 6}},      // end before start: swapped
      {2, 2, 0, 0, -1, -1, {0, 0, 0, 0}},    // an empty text has nothing to scroll
  };
  for (const auto& c : cases) {
    WorkDoc d;
    d.hScroll = c.h;
    d.vScroll = c.v;
    d.selStart = c.s;
    d.selEnd = c.e;
    TextRestore r = ClampTextRestore(d, text, c.maxH, c.maxV);
    EXPECT_EQ(r.hScroll, c.expected.hScroll);
    EXPECT_EQ(r.vScroll, c.expected.vScroll);
    EXPECT_EQ(r.selStart, c.expected.selStart) << c.s;
    EXPECT_EQ(r.selEnd, c.expected.selEnd) << c.e;
  }
  // A run of lead-byte values: 0x81 0x81 is one character, so 3 is a start.
  WorkDoc d;
  d.selStart = d.selEnd = 3;
  EXPECT_EQ(ClampTextRestore(d, "a\x81\x81\x81\x40", 0, 0).selStart, 3);
  d.selStart = d.selEnd = 4;
  EXPECT_EQ(ClampTextRestore(d, "a\x81\x81\x81\x40", 0, 0).selStart, 3);
  EXPECT_EQ(ClampedTab(2), 2);
  EXPECT_EQ(ClampedTab(3), 0);
  EXPECT_EQ(ClampedTab(-1), 0);
}

}  // namespace
