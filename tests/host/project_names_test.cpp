// Which window, handle, procedure, project and resource names are refused,
// with which message and caption.
#include <gtest/gtest.h>

#include "project/project_names.h"
#include "project/project_resources.h"
#include "project/window_definitions.h"

namespace {

ProjectState ProjectWithMainWindow() {
  ProjectState s;
  s.projectName = "Demo";
  s.projectDir = "C:\\P\\";
  s.sourceFiles.push_back(ProjectFile{"Demo.bas", nullptr});
  s.sourceFiles.push_back(ProjectFile{"sub\\Other.sbp", nullptr});
  s.sourceFiles.push_back(ProjectFile{"Loose.sbp", nullptr});
  AppendWindowDefinition(s, NewWindowInput{"Main", "hMain", "MainProc", WindowType::kWindow});
  return s;
}

TEST(ProjectNames, NewWindowDialogChecks) {
  const ProjectState s = ProjectWithMainWindow();
  struct Case {
    NewWindowInput in;
    std::string message;  // empty = accepted
    std::string caption;
  };
  const std::string badName = " は英字か";  // part of the identifier message
  const Case cases[] = {
      {{"Second", "hSecond", "SecondProc"}, "", ""},
      {{"_x9", "h_x9", "_x9Proc"}, "", ""},
      {{"Other", "hOther", "OtherProc"}, "", ""},  // sub\Other.sbp is another file
      {{"", "", ""}, "ウィンドウ名を入力して下さい。", "Quillet"},
      {{"..\\x", "h..\\x", "..\\xProc"}, "\"..\\x\" はウィンドウ名に使えません。", "Quillet"},
      {{"a,b", "ha,b", "a,bProc"}, "\"a,b\" はウィンドウ名に使えません。", "Quillet"},
      {{"a\"b", "h", "p"}, "\"a\"b\" はウィンドウ名に使えません。", "Quillet"},
      {{"a\r\nb", "h", "p"}, "\"a\r\nb\" はウィンドウ名に使えません。", "Quillet"},
      {{"9lives", "h9lives", "p"}, "\"9lives\" はウィンドウ名に使えません。", "Quillet"},
      {{"表示", "h表示", "p"}, "\"表示\" はウィンドウ名に使えません。", "Quillet"},
      {{"CON", "hCON", "CONProc"}, "\"CON\" はファイル名に使えないため、ウィンドウ名にできません。", "Quillet"},
      {{"lpt9", "hlpt9", "lpt9Proc"}, "\"lpt9\" はファイル名に使えないため、ウィンドウ名にできません。", "Quillet"},
      {{std::string(251, 'a'), "h", "p"}, "ウィンドウ名が長すぎます。", "Quillet"},
      {{"W", "", "WProc"}, "ハンドル名を入力して下さい。", "Quillet"},
      {{"W", "h W", "WProc"}, "\"h W\" はハンドル名に使えません。", "Quillet"},
      {{"W", "hW", ""}, "プロシージャ名を入力して下さい。", "Quillet"},
      {{"loose", "hLoose", "LooseProc"}, "\"loose.sbp\" ファイルは既にプロジェクト内に存在します。", "Quillet"},
      {{"MAIN", "hX", "XProc"}, "\"MAIN.sbp\" ファイルは既にプロジェクト内に存在します。", "Quillet"},
      {{"Other", "hmain", "XProc"}, "\"hMain\" ハンドルは既にプロジェクト内に存在します。", "エラー"},
      {{"Other", "hOther", "MainProc"}, "\"MainProc\" プロシージャは既にプロジェクト内に存在します。", "エラー"},
  };
  for (const auto& c : cases) {
    Refusal r = ValidateNewWindow(s, c.in);
    SCOPED_TRACE(c.in.name);
    if (c.message.empty()) {
      EXPECT_FALSE(r) << r.message;
      continue;
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r.message.substr(0, c.message.size()), c.message);
    EXPECT_EQ(std::string(r.caption), c.caption);
  }
  // With its source file taken out of the project, the window itself clashes.
  ProjectState removed = s;
  ASSERT_TRUE(RemoveProjectFileEntry(removed, 3));
  Refusal r = ValidateNewWindow(removed, {"MAIN", "hX", "XProc"});
  EXPECT_EQ(r.message, "\"Main\" ウィンドウは既にプロジェクト内に存在します。");
  EXPECT_STREQ(r.caption, "エラー");
  // 250 bytes still fit: "C:\P\" + 250 + ".sbp" = 259.
  EXPECT_FALSE(ValidateNewWindow(s, {std::string(250, 'a'), "h", "p"}));
}

TEST(ProjectNames, DerivedNamesFollowTheWindowName) {
  EXPECT_EQ(DerivedHandleName("Main"), "hMain");
  EXPECT_EQ(DerivedProcedureName("Main"), "MainProc");
  EXPECT_EQ(DerivedHandleName(""), "");
  EXPECT_EQ(DerivedProcedureName(""), "");
}

TEST(ProjectNames, ProjectNames) {
  struct Case {
    std::string name, dir;
    bool ok;
  };
  const Case cases[] = {
      {"Hello", "C:\\MyProjects\\Hello\\", true},  {"_a1", "C:\\x\\", true},
      {"", "C:\\x\\", false},                      {"a b", "C:\\x\\", false},
      {"a.b", "C:\\x\\", false},                   {"nul", "C:\\x\\", false},
      {"Com1", "C:\\x\\", false},                  {"com10", "C:\\x\\", true},
      {"x", std::string(254, 'd'), true},          {"xy", std::string(254, 'd'), false},
  };
  for (const auto& c : cases) EXPECT_EQ(!ValidateProjectName(c.name, c.dir), c.ok) << c.name;
}

TEST(ProjectNames, ResourceIdsAreIdentifiersUnusedInAllThreeLists) {
  ProjectState s;
  s.projectName = "Demo";
  s.cursors.push_back(ResourceEntry{"IDC_HAND", "h.cur", nullptr});
  s.bitmaps.push_back(ResourceEntry{"IDB_BITMAP1", "a.bmp", nullptr});
  s.bitmaps.push_back(ResourceEntry{"IDB_BACK", "b.bmp", nullptr});
  s.icons.push_back(ResourceEntry{"IDI_ICON1", "i.ico", nullptr});
  struct Case {
    ResourceKind kind;
    int index;
    std::string id;
    std::string message;
  };
  const Case cases[] = {
      {ResourceKind::kBitmap, 0, "IDB_NEW", ""},
      {ResourceKind::kBitmap, 0, "IDB_BITMAP1", ""},  // its own ID
      {ResourceKind::kBitmap, 0, "idb_back", ""},     // letter case alone differs
      {ResourceKind::kBitmap, 0, "", "ID名を入力して下さい。"},
      {ResourceKind::kBitmap, 0, "IDB_BACK", "ID \"IDB_BACK\" は既にプロジェクト内に存在します。"},
      {ResourceKind::kBitmap, 0, "IDC_HAND", "ID \"IDC_HAND\" は既にプロジェクト内に存在します。"},
      {ResourceKind::kCursor, -1, "IDI_ICON1", "ID \"IDI_ICON1\" は既にプロジェクト内に存在します。"},
      {ResourceKind::kIcon, 0, "1ICON", "\"1ICON\" はID名に使えません。"},
      {ResourceKind::kIcon, 0, "IDI A", "\"IDI A\" はID名に使えません。"},
      {ResourceKind::kIcon, 0, "IDI\"", "\"IDI\"\" はID名に使えません。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    Refusal r = ValidateResourceId(s, c.kind, c.index, c.id);
    EXPECT_EQ(r.message.substr(0, c.message.size()), c.message);
    EXPECT_EQ(static_cast<bool>(r), !c.message.empty());
    if (c.index < 0) continue;
    ProjectState copy = s;
    Refusal change = ChangeResourceId(copy, c.kind, static_cast<size_t>(c.index), c.id);
    EXPECT_EQ(static_cast<bool>(change), !c.message.empty());
    EXPECT_EQ(ResourcesOf(copy, c.kind)[c.index].idName, c.message.empty() ? c.id : ResourcesOf(s, c.kind)[c.index].idName);
    EXPECT_EQ(copy.resourcesModified, c.message.empty() && c.id != ResourcesOf(s, c.kind)[c.index].idName);
  }
}

}  // namespace

// One rule for file paths and menu names: ASCII letters fold, the bytes of a
// double-byte character never do (0x83 0x41 and 0x83 0x61 are two characters).
TEST(ProjectNames, PathsAndMenuNamesCompareWithoutLetterCase) {
  ProjectState s = ProjectWithMainWindow();
  s.menus = {MakeNewMenuDef("MainMenu"), MakeNewMenuDef("表\x83\x41")};
  struct Case {
    const char* path;
    bool added;
  };
  const Case files[] = {
      {"C:\\P\\DEMO.BAS", false},        // the main file under another letter case
      {"c:\\p\\SUB\\other.SBP", false},
      {"C:\\P\\loose.sbp", false},
      {"C:\\P\\\x83\x41.sbp", true},       // ア ...
      {"C:\\P\\\x83\x61.sbp", true},       // ... and a different character: its trail byte is no letter
      {"C:\\P\\\x83\x41.SBP", false},
  };
  for (const Case& c : files) {
    SCOPED_TRACE(c.path);
    const size_t before = s.sourceFiles.size();
    EXPECT_EQ(AddProjectFileEntry(s, c.path), c.added);
    EXPECT_EQ(s.sourceFiles.size(), before + (c.added ? 1 : 0));
  }
  struct Rename {
    int index;
    const char* name;
    bool refused;
  };
  const Rename renames[] = {
      {1, "MAINMENU", true}, {1, "mainmenu", true}, {0, "MAINMENU", false},  // its own name in other letters
      {0, "表\x83\x61", false}, {0, "表\x83\x41", true}, {0, "Other", false},
  };
  for (const Rename& r : renames) {
    SCOPED_TRACE(r.name);
    const Refusal refusal = ValidateMenuRename(s, r.index, r.name);
    EXPECT_EQ(static_cast<bool>(refusal), r.refused);
    if (r.refused) {
      EXPECT_EQ(refusal.message, std::string("ID \"") + r.name + "\" は既にプロジェクト内に存在します。");
      EXPECT_STREQ(refusal.caption, "エラー");
    }
  }
  EXPECT_EQ(FindMenuDef(s, "mainMENU"), 0);
  EXPECT_EQ(FindMenuDef(s, "表\x83\x61"), -1);
}
