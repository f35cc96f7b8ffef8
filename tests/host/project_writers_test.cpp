// Writers against texts written by hand from the formats: the sections of the
// index program, the `.pj` keys that depend on state, a new window's lines,
// escaping, and the numbering of the resource constants.
#include <gtest/gtest.h>

#include "project/control_naming.h"
#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/window_file.h"
#include "project/work_state.h"

namespace {

ProjectState Project(size_t sources) {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  for (size_t i = 0; i < sources; ++i) s.sourceFiles.push_back(ProjectFile{i ? "m" + std::to_string(i) + ".sbp" : "Demo.bas", nullptr});
  return s;
}

const char kIdxHeader[] = "' インデックス プログラム\r\n";

TEST(ProjectWriters, IndexProgramSections) {
  struct Case {
    uint32_t options;
    size_t sources;
    bool window;
    bool resource;
    std::string expected;
  };
  const std::string api = "\r\n'Win32APIの定義ファイル\r\n";
  const std::string callback = "\r\n'RADツールが生成するウィンドウ制御プログラム\r\n#include \"Callback.wbp\"\r\n";
  const std::string make = "\r\n'RADツールが生成するウィンドウ生成プログラム\r\n#include \"MakeWindow.wbp\"\r\n";
  const Case cases[] = {
      {0, 1, false, false, kIdxHeader},
      {0x10000, 1, false, false, kIdxHeader + std::string("\r\n#strict\r\n") + api},
      {0x100, 1, false, false, kIdxHeader + api},
      {0x1000000, 1, false, false, kIdxHeader},
      {0xA, 1, false, false, kIdxHeader + api + "#include <api_commctrl.sbp>\r\n#include <api_winsock2.sbp>\r\n"},
      {0x5, 1, false, false, kIdxHeader + api + "#include <api_mmsys.sbp>\r\n#include <api_richedit.sbp>\r\n"},
      {0, 1, true, false, kIdxHeader + callback + make},
      {0, 3, false, false,
       kIdxHeader + std::string("\r\n'プロジェクト内のプログラム ファイル\r\n#include \"m1.sbp\"\r\n#include \"m2.sbp\"\r\n")},
      {0, 1, false, true, kIdxHeader + std::string("\r\n'リソースファイル\r\n#include \"resource.sbp\"\r\n#resource \"Demo.rc\"\r\n")},
  };
  for (const auto& c : cases) {
    ProjectState s = Project(c.sources);
    s.options = c.options;
    if (c.window) s.windows.push_back(MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow));
    if (c.resource) s.bitmaps.push_back(ResourceEntry{"IDB_BITMAP1", "a.bmp", nullptr});
    EXPECT_EQ(BuildIndexProgram(s), c.expected) << std::hex << c.options;
  }
}

TEST(ProjectWriters, ProjectFileKeysThatFollowTheState) {
  ProjectState s = Project(1);
  auto line = [](const std::string& text, const std::string& key) {
    size_t at = text.find(key);
    return at == std::string::npos ? std::string() : text.substr(at, text.find('\r', at) - at);
  };
  // Platform box: 0 = 32-bit, any other selection 64-bit, no selection 32-bit.
  EXPECT_EQ(line(BuildProjectFile(s, PlatformFromBoxIndex(0)), "#PLATFORM"), "#PLATFORM=32");
  EXPECT_EQ(line(BuildProjectFile(s, PlatformFromBoxIndex(1)), "#PLATFORM"), "#PLATFORM=64");
  EXPECT_EQ(line(BuildProjectFile(s, PlatformFromBoxIndex(3)), "#PLATFORM"), "#PLATFORM=64");
  EXPECT_EQ(line(BuildProjectFile(s, PlatformFromBoxIndex(-1)), "#PLATFORM"), "#PLATFORM=32");

  EXPECT_EQ(line(BuildProjectFile(s, ProjectPlatform::k32), "#RESOURCE"), "#RESOURCE=0");
  size_t icon = AddResource(s, ResourceKind::kIcon, "C:\\P\\a.ico");
  RemoveResource(s, ResourceKind::kIcon, icon);
  EXPECT_EQ(line(BuildProjectFile(s, ProjectPlatform::k32), "#RESOURCE"), "#RESOURCE=Demo.rc");

  s.options = 0xABCDEF01;
  s.windows.resize(3);
  EXPECT_EQ(line(BuildProjectFile(s, ProjectPlatform::k32), "#OPTION"), "#OPTION=&Habcdef01");
  EXPECT_EQ(line(BuildProjectFile(s, ProjectPlatform::k32), "#USEWINDOW"), "#USEWINDOW=3");

  // A CR or LF in a value cannot start a line of its own.
  s.outputRelease = "a\r\nb\rc\nd";
  EXPECT_EQ(line(BuildProjectFile(s, ProjectPlatform::k32), "#OUTPUT_RELEASE"), "#OUTPUT_RELEASE=a  b c d");
}

TEST(ProjectWriters, NewWindowWithOneControl) {
  WindowDef w = MakeNewWindowDef("Main", "hMain", "MainProc", WindowType::kWindow);
  ControlDef c = NewToolboxControl(ControlType::kStatic, 8, 9, 5, 3);
  c.text = "x";
  InsertControl(w, -1, c, InsertMode::kToolbox);
  w.controls[0].text = "a\"\\";
  const std::string expected =
      "WINDOW:Main\r\n"
      "    HANDLE    = hMain\r\n"
      "    POINT     = -1,-1\r\n"
      "    SIZE      = 480,360\r\n"
      "    CAPTION   = \"Main\"\r\n"
      "    STYLE     = &H00cf0000\r\n"
      "    EXSTYLE   = &H00000000\r\n"
      "    ID        = 0\r\n"
      "    BGCOLOR   = 15\r\n"
      "    FONT      = -12,0,0,0,400,0,0,0,128,3,2,1,32,\"ＭＳ Ｐゴシック\"\r\n"
      "    CLASS     = \"NORMAL\"\r\n"
      "    CALLBACK  = MainProc\r\n"
      "    TYPE      = 0\r\n"
      "    FILEPATH  = Main.sbp\r\n"
      "    ITEM      = Static1,8,9,12,9,\"a\\1\\\\\",&H50000000,&H00000000,11\r\n"
      "END\r\n";
  EXPECT_EQ(BuildWindowFile({w}, {}), expected);

  // Dialog types start with caption and system menu only.
  EXPECT_EQ(MakeNewWindowDef("D", "hD", "DProc", WindowType::kModalDialog).style, 0x00C80000u);
  EXPECT_EQ(MakeNewWindowDef("D", "hD", "DProc", WindowType::kModelessDialog).style, 0x00C80000u);
}

TEST(ProjectWriters, LinesLongerThanAnyBufferStepAndTextsWithLineBreaks) {
  WindowDef w = MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow);
  w.caption = "one\r\ntwo";
  ControlDef c;
  c.name = "Edit1";
  c.controlType = ControlType::kEditBox;
  c.text = std::string(20000, 'x') + "\r\n" + std::string(9000, '\\');
  w.controls.push_back(c);
  MenuDef m = MakeNewMenuDef("M");
  MenuItemDef item;
  item.idName = "IDM_A";
  item.caption = "a\nb";
  m.children.push_back(item);
  const std::string wnd = BuildWindowFile({w}, {m});
  EXPECT_NE(wnd.find("    CAPTION   = \"one  two\"\r\n"), std::string::npos);
  EXPECT_NE(wnd.find(",\"" + std::string(20000, 'x') + "  " + std::string(18000, '\\') + "\","), std::string::npos);
  EXPECT_NE(wnd.find("    ITEM      = IDM_A,\"a b\",0\r\n"), std::string::npos);

  std::vector<WindowDef> windows;
  std::vector<MenuDef> menus;
  ASSERT_TRUE(ReadWindowFile(wnd, "W.wnd", windows, menus).ok);
  EXPECT_EQ(windows[0].controls[0].text, std::string(20000, 'x') + "  " + std::string(9000, '\\'));
  EXPECT_EQ(BuildWindowFile(windows, menus), wnd);
}

TEST(ProjectWriters, ResourceConstantsNumberedAcrossTheLists) {
  ProjectState s = Project(1);
  s.icons.push_back(ResourceEntry{"IDI_ICON1", "i.ico", nullptr});
  s.bitmaps.push_back(ResourceEntry{"IDB_BITMAP1", "b.bmp", nullptr});
  s.cursors.push_back(ResourceEntry{"IDC_CURSOR1", "c1.cur", nullptr});
  s.cursors.push_back(ResourceEntry{"IDC_CURSOR2", "sub\\c2.cur", nullptr});
  EXPECT_EQ(BuildResourceConstants(s),
            "Const IDC_CURSOR1=101\r\nConst IDC_CURSOR2=102\r\nConst IDB_BITMAP1=103\r\nConst IDI_ICON1=104\r\n");
  EXPECT_EQ(BuildResourceScript(s),
            "IDC_CURSOR1 CURSOR \"c1.cur\"\r\nIDC_CURSOR2 CURSOR \"sub\\\\c2.cur\"\r\n"
            "IDB_BITMAP1 BITMAP \"b.bmp\"\r\nIDI_ICON1 ICON \"i.ico\"\r\n");
}

TEST(ProjectWriters, WorkStateWithoutDocuments) {
  WorkState w;
  w.selectedTab = 1;
  w.classRootExpanded = true;
  w.materialExpanded = {true};
  EXPECT_EQ(BuildWorkStateFile(w), "case4\r\n\r\n\r\n1\r\n0\r\n1\r\n1");
  WorkDoc d;
  d.kind = WorkDocKind::kText;
  d.name = "a.bas";
  d.hScroll = -1;
  d.selStart = 2;
  d.selEnd = 7;
  w.documents.push_back(d);
  w.materialExpanded.clear();
  EXPECT_EQ(BuildWorkStateFile(w), "case4\r\n\r\ntext,\"a.bas\",-1,0,2,7\r\n\r\n1\r\n0\r\n1\r\n");
}

}  // namespace
