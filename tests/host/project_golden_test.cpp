// The sample projects of tests/data/project: opened into the records every
// field is where it belongs, and every file written back is byte-identical.
#include <gtest/gtest.h>

#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/window_file.h"
#include "project/work_state.h"
#include "project_test_support.h"

namespace {

using project_test::LoadData;
using project_test::SampleFiles;

ProjectState OpenSample() {
  auto files = SampleFiles("sample", "Sample");
  ProjectState s;
  ReadResult r = OpenProject("C:\\P\\Sample.pj", files.Source(), s);
  EXPECT_TRUE(r.ok) << r.message;
  return s;
}

TEST(ProjectGolden, SampleOpensIntoTheRecords) {
  ProjectState s = OpenSample();
  EXPECT_EQ(s.projectName, "Sample");
  EXPECT_EQ(s.projectDir, "C:\\P\\");
  EXPECT_EQ(s.moduleType, 1);
  EXPECT_EQ(s.options, 0x1000Fu);
  EXPECT_EQ(s.platform, ProjectPlatform::k64);
  EXPECT_EQ(s.outputDebug, "bin\\表示_debug.exe");
  EXPECT_EQ(s.debugCmdLine, "-v \"C:\\Data\\ソフト\\in.txt\"");
  EXPECT_EQ(s.debugExePath, "C:\\Tools\\能力\\run.exe");
  EXPECT_EQ(s.resourceScript, "Sample.rc");
  ASSERT_EQ(s.sourceFiles.size(), 6u);
  EXPECT_EQ(s.sourceFiles[1].path, "sub\\表示.sbp");
  EXPECT_EQ(s.sourceFiles[5].path, "D:\\lib\\util.sbp");
  EXPECT_TRUE(s.windowFileOnDisk);
  EXPECT_FALSE(s.AnyModified());

  ASSERT_EQ(s.windows.size(), 2u);
  const WindowDef& w = s.windows[0];
  EXPECT_EQ(w.caption, "メイン \"ソフト\" C:\\表\\");
  EXPECT_EQ(w.exStyle, 0x100u);
  EXPECT_EQ(w.menuId, std::optional<std::string>("MainMenu"));
  EXPECT_EQ(w.iconId, std::optional<std::string>("IDI_ICON1"));
  EXPECT_EQ(w.id, 7);
  EXPECT_EQ(BackgroundBitmapIndex(w.bgColor, s.bitmaps.size()), 1);
  EXPECT_EQ(w.font.lfHeight, -16);
  EXPECT_EQ(w.font.lfWeight, 700);
  EXPECT_EQ(w.font.lfItalic, 1);
  EXPECT_EQ(w.font.lfPitchAndFamily, 49);
  EXPECT_EQ(FaceName(w.font), "ＭＳ ゴシック");
  EXPECT_EQ(w.windowType, WindowType::kWindow);
  ASSERT_EQ(w.controls.size(), 7u);
  EXPECT_EQ(w.controls[0].text, "OK \"ソフト\"");
  EXPECT_EQ(w.controls[1].text, "C:\\ソ\\表\\能\\");
  EXPECT_EQ(w.controls[1].exStyle, 0x200u);
  EXPECT_EQ(w.controls[2].controlType, ControlType::kImageBox);
  EXPECT_EQ(w.controls[2].imageType, 1);
  EXPECT_EQ(w.controls[2].imagePath, "IDI_ICON2");
  EXPECT_EQ(ImageBoxKindOf(w.controls[2].style), ImageBoxKind::kIcon);
  EXPECT_EQ(w.controls[3].imagePath, "img\\表紙.bmp");
  EXPECT_EQ(ImageBoxKindOf(w.controls[3].style), ImageBoxKind::kBitmap);
  EXPECT_EQ(w.controls[4].text, "a\"\\");
  EXPECT_EQ(w.controls[4].x, -5);
  EXPECT_EQ(w.controls[6].controlType, ControlType::kTrackBar);

  const WindowDef& d = s.windows[1];
  EXPECT_FALSE(d.menuId.has_value());
  EXPECT_FALSE(d.iconId.has_value());
  EXPECT_EQ(d.bgColor, kBgColorWhite);
  EXPECT_EQ(d.className, "NORMALDLG");
  EXPECT_EQ(d.windowType, WindowType::kModelessDialog);
  EXPECT_TRUE(d.controls.empty());

  ASSERT_EQ(s.menus.size(), 2u);
  const MenuDef& m = s.menus[0];
  EXPECT_EQ(m.idName, std::optional<std::string>("MainMenu"));
  ASSERT_EQ(m.children.size(), 2u);
  const MenuItemDef& file = m.children[0];
  EXPECT_TRUE(file.isPopup);
  ASSERT_EQ(file.children.size(), 5u);
  EXPECT_EQ(file.children[1].kind, MenuItemKind::kSeparator);
  EXPECT_EQ(file.children[2].state, 3);
  EXPECT_EQ(file.children[2].children[0].caption, std::optional<std::string>("C:\\ソ\\a.txt"));
  EXPECT_TRUE(file.children[3].isPopup);
  EXPECT_TRUE(file.children[3].children.empty());
  EXPECT_EQ(file.children[4].caption, std::optional<std::string>("終了 \"X\""));
  EXPECT_FALSE(m.children[1].isPopup);
  EXPECT_EQ(m.children[1].state, 11);
  EXPECT_TRUE(s.menus[1].children.empty());

  ASSERT_EQ(s.cursors.size(), 2u);
  ASSERT_EQ(s.bitmaps.size(), 2u);
  ASSERT_EQ(s.icons.size(), 2u);
  EXPECT_EQ(s.cursors[0].path, "cur\\hand.cur");
  EXPECT_EQ(s.bitmaps[1].path, "bmp\\ソ.bmp");
  EXPECT_EQ(s.icons[1].path, "..\\icons\\表.ico");
}

struct GoldenFile {
  const char* file;
  std::string (*build)(const ProjectState&);
};

std::string BuildPj(const ProjectState& s) { return BuildProjectFile(s, s.platform); }
std::string BuildWnd(const ProjectState& s) { return BuildWindowFile(s.windows, s.menus); }

TEST(ProjectGolden, EveryFileOfTheSampleWritesBackByteIdentical) {
  const ProjectState s = OpenSample();
  const GoldenFile files[] = {
      {"sample/Sample.pj", BuildPj},          {"sample/Sample.idx", BuildIndexProgram},
      {"sample/Sample.wnd", BuildWnd},        {"sample/Sample.rc", BuildResourceScript},
      {"sample/resource.sbp", BuildResourceConstants},
  };
  for (const auto& g : files) EXPECT_EQ(g.build(s), LoadData(g.file)) << g.file;

  // A second round from the written bytes gives the same again.
  auto again = SampleFiles("sample", "Sample");
  again.files["C:\\P\\Sample.pj"] = BuildPj(s);
  again.files["C:\\P\\Sample.wnd"] = BuildWnd(s);
  again.files["C:\\P\\Sample.rc"] = BuildResourceScript(s);
  ProjectState s2;
  ASSERT_TRUE(OpenProject("C:\\P\\Sample.pj", again.Source(), s2).ok);
  for (const auto& g : files) EXPECT_EQ(g.build(s2), LoadData(g.file)) << g.file;
}

TEST(ProjectGolden, WorkStateWritesBackByteIdentical) {
  for (const char* file : {"sample/Sample.wrk", "plain/Plain.wrk"}) {
    const std::string bytes = LoadData(file);
    WorkState w;
    ReadResult r = ReadWorkState(bytes, file, w);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(BuildWorkStateFile(w), bytes) << file;
  }
  WorkState w;
  ASSERT_TRUE(ReadWorkState(LoadData("sample/Sample.wrk"), "Sample.wrk", w).ok);
  ASSERT_EQ(w.documents.size(), 6u);
  EXPECT_EQ(w.documents[0].vScroll, 120);
  EXPECT_EQ(w.documents[0].selEnd, 3512);
  EXPECT_EQ(w.documents[1].name, "sub\\表示.sbp");
  EXPECT_EQ(w.documents[2].kind, WorkDocKind::kWindowDesign);
  EXPECT_EQ(w.documents[3].kind, WorkDocKind::kMenuDesign);
  EXPECT_EQ(w.documents[4].kind, WorkDocKind::kIcon);
  EXPECT_EQ(w.selectedTab, 2);
  EXPECT_TRUE(w.fileRootExpanded);
  EXPECT_FALSE(w.classRootExpanded);
  EXPECT_EQ(w.materialExpanded, (std::vector<bool>{true, false, true, true, false}));
}

// The plain sample written from a record built here, not read from the files.
TEST(ProjectGolden, PlainProjectFromARecordMatchesTheSamples) {
  ProjectState s;
  s.projectName = "Plain";
  s.projectDir = "C:\\P\\";
  s.sourceFiles.push_back(ProjectFile{"Plain.bas", nullptr});
  EXPECT_EQ(BuildProjectFile(s, PlatformFromBoxIndex(0)), LoadData("plain/Plain.pj"));
  EXPECT_EQ(BuildIndexProgram(s), LoadData("plain/Plain.idx"));
  WorkState w;
  w.materialExpanded.assign(5, false);
  EXPECT_EQ(BuildWorkStateFile(w), LoadData("plain/Plain.wrk"));
  EXPECT_EQ(BuildWindowFile(s.windows, s.menus), "");
  EXPECT_EQ(BuildResourceScript(s), "");

  auto files = SampleFiles("plain", "Plain");
  ProjectState opened;
  ASSERT_TRUE(OpenProject("C:\\P\\Plain.pj", files.Source(), opened).ok);
  EXPECT_FALSE(opened.windowFileOnDisk);
  EXPECT_EQ(BuildProjectFile(opened, opened.platform), LoadData("plain/Plain.pj"));
}

}  // namespace
