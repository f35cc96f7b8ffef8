// Creating and deleting window definitions: the template of a new window's
// source, and what the project holds afterwards.
#include <gtest/gtest.h>

#include "project/project_save.h"
#include "project/window_definitions.h"

namespace {

TEST(ProjectWindowDefs, TemplateMarkersAreReplacedOnce) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"' #window# (#name#) #handle# #procedure#\r\n", "' Main (Demo) hMain MainProc\r\n"},
      {"#window##window#", "MainMain"},
      {"# #win dow# ## #", "# #win dow# ## #"},
      {"#ソ#window#表#", "#ソMain表#"},  // 0x5C trail bytes next to a marker
      {"#name", "#name"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpandWindowTemplate(c.text, "Demo", "Main", "hMain", "MainProc"), c.expected);
  // Inserted texts are not searched again.
  EXPECT_EQ(ExpandWindowTemplate("#name#", "#window#", "W", "h", "p"), "#window#");
}

TEST(ProjectWindowDefs, AppendAndDelete) {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.sourceFiles = {ProjectFile{"Demo.bas", nullptr}, ProjectFile{"second.SBP", nullptr}};
  EXPECT_EQ(NewWindowSourcePath(s, "Main"), "C:\\P\\Main.sbp");

  EXPECT_EQ(AppendWindowDefinition(s, NewWindowInput{"Main", "hMain", "MainProc", WindowType::kModelessDialog}), 0u);
  EXPECT_TRUE(s.windowsModified && s.projectModified);
  ASSERT_EQ(s.sourceFiles.size(), 3u);
  EXPECT_EQ(s.sourceFiles[2].path, "Main.sbp");
  const WindowDef& w = s.windows[0];
  EXPECT_EQ(w.caption, "Main");
  EXPECT_EQ(w.filePath, "Main.sbp");
  EXPECT_EQ(w.style, 0x00C80000u);
  EXPECT_EQ(w.windowType, WindowType::kModelessDialog);
  EXPECT_EQ(w.x, -1);
  EXPECT_EQ(w.cx, 480);
  EXPECT_EQ(w.bgColor, 15);
  EXPECT_EQ(w.className, "NORMAL");
  EXPECT_FALSE(w.menuId || w.iconId);

  // A source already in the project (another letter case) is not added twice.
  s.projectModified = false;
  AppendWindowDefinition(s, NewWindowInput{"Second", "hSecond", "SecondProc", WindowType::kWindow});
  EXPECT_EQ(s.sourceFiles.size(), 3u);
  EXPECT_FALSE(s.projectModified);

  s.windowsModified = false;
  DeleteWindowDefinition(s, 5);
  EXPECT_FALSE(s.windowsModified);
  DeleteWindowDefinition(s, 0);
  ASSERT_EQ(s.windows.size(), 1u);
  EXPECT_EQ(s.windows[0].name, "Second");
  EXPECT_TRUE(s.windowsModified);
  EXPECT_EQ(s.sourceFiles.size(), 3u);  // the source stays

  MarkWindowFileWritten(s);
  EXPECT_FALSE(s.windowsModified);
  EXPECT_TRUE(s.windowFileOnDisk);
}

}  // namespace
