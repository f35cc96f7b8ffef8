#include "shell/settings_load_save.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "prefs/extension_list.h"
#include "shell/settings_history.h"
#include "shell/settings_keys.h"
#include "shell/settings_lists.h"

namespace {

constexpr int kScreenW = 1280;
constexpr int kScreenH = 1024;

struct Fixture {
  MemorySettingsFiles files;
  int associationRuns = 0;
  SettingsEnv env;

  Fixture() {
    env.files = &files;
    env.defaults = {"C:\\Quillet\\", kScreenW, kScreenH};
    env.associationStep = [this](EditorSettings&) { ++associationRuns; };
  }
};

void ExpectSameRect(const RECT& a, const RECT& b, const char* what) {
  EXPECT_EQ(a.left, b.left) << what;
  EXPECT_EQ(a.top, b.top) << what;
  EXPECT_EQ(a.right, b.right) << what;
  EXPECT_EQ(a.bottom, b.bottom) << what;
}

void ExpectSameFont(const LOGFONTA& a, const LOGFONTA& b, const char* what) {
  EXPECT_EQ(a.lfHeight, b.lfHeight) << what;
  EXPECT_EQ(a.lfWidth, b.lfWidth) << what;
  EXPECT_EQ(a.lfEscapement, b.lfEscapement) << what;
  EXPECT_EQ(a.lfOrientation, b.lfOrientation) << what;
  EXPECT_EQ(a.lfWeight, b.lfWeight) << what;
  EXPECT_EQ(a.lfItalic, b.lfItalic) << what;
  EXPECT_EQ(a.lfUnderline, b.lfUnderline) << what;
  EXPECT_EQ(a.lfStrikeOut, b.lfStrikeOut) << what;
  EXPECT_EQ(a.lfCharSet, b.lfCharSet) << what;
  EXPECT_EQ(a.lfOutPrecision, b.lfOutPrecision) << what;
  EXPECT_EQ(a.lfClipPrecision, b.lfClipPrecision) << what;
  EXPECT_EQ(a.lfQuality, b.lfQuality) << what;
  EXPECT_EQ(a.lfPitchAndFamily, b.lfPitchAndFamily) << what;
  EXPECT_STREQ(a.lfFaceName, b.lfFaceName) << what;
}

// Every setting with a value different from both default columns.
EditorSettings Unusual() {
  EditorSettings s;
  s.WindowRect = RECT{11, 22, 933, 744};
  s.IsWindowMax = 7;
  s.Project_SaveCheck = 1;
  s.Rad_LineAdjust = 0;
  s.ProjectViewRect = RECT{100, 120, 380, 600};
  s.IsClipProjectView = 0;
  s.width_ClipProjectView = 201;
  s.height_ClipDebuggerView = 181;
  s.height_ClipCompileView = 131;
  s.width_WebSearchView = 231;
  s.RebarBands = {RebarBand{5, 90, 1}, RebarBand{1, 151, 0}, RebarBand{3, 60, 1}, RebarBand{2, 278, 0},
                  RebarBand{0, 0, 0}};
  s.IsNoGripper = 2;
  s.IsSaveTabToHead = 1;
  s.EditorFont = MakeLogFont(-20, 3, 4, 5, 700, 1, 1, 1, 1, 2, 3, 4, 49, "Consolas Like Face");
  s.TabSize = 8;
  s.IsShowLineNumber = 0;
  s.IsShowRuler = 0;
  s.IsCaretLine_BackGround = 0;
  s.MaxOneLineTextLength = 120;
  s.IsShowComplementWnd = 3;
  s.BackNum_PairStatementComplement = 0;
  s.ParameterHint = 2;
  s.HintFont = MakeLogFont(-14, 0, 0, 0, 400, 0, 0, 0, 128, 1, 2, 1, 2, "ＭＳ 明朝");
  s.IsSaveFindStr = 1;
  s.IsAutoIndent = 0;
  s.IsRightTurn = 1;
  s.IsCtrlKeyHyperLink = 0;
  s.IsSaveWebFindStr = 1;
  s.IsMDIZoomed = 4;
  s.DefSaveDir = "D:\\表示\\ソース\\";
  s.ProjectSaveDir = "E:\\能力 projects";
  s.IsFindStrBigSmall = 1;
  s.IsRegExp = 1;
  s.LinkFile = "ok";
  s.ActiveTheme = "ユーザー設定";
  s.PrintFont = MakeLogFont(10, 0, 0, 0, 400, 0, 0, 0, 128, 1, 2, 1, 1, "ＭＳ ゴシック");
  s.PrintFontPointSize = 105;
  s.IsShowPageNum = 0;
  s.PageStr = "- &n -";
  s.extensions = {{1, "sbp", "ソース, dialect", 0, 0x123456}, {0, "txt", "", 1, 0xFFFFFF}};
  s.domains = {{"検索", "example.org"}, {"a,b", "example.com"}};
  s.fileHistory.paths = {"C:\\a.txt", "C:\\表\\b.sbp"};
  s.projectHistory.paths = {"C:\\p\\p.pj"};
  s.findHistory[0] = "find";
  s.findHistory[19] = "last";
  s.replaceHistory[1] = "置換";
  s.webHistory[0] = "web";
  return s;
}

}  // namespace

TEST(SettingsLoadSave, EveryKeyAndListSurvivesARoundTrip) {
  Fixture fx;
  const EditorSettings saved = Unusual();
  ASSERT_TRUE(SettingsSave(saved, fx.files));
  EditorSettings s;
  SettingsLoad(s, fx.env);
  EXPECT_EQ(fx.associationRuns, 0);

  ExpectSameRect(s.WindowRect, saved.WindowRect, "WindowRect");
  ExpectSameRect(s.ProjectViewRect, saved.ProjectViewRect, "ProjectViewRect");
  const int EditorSettings::*ints[] = {
      &EditorSettings::IsWindowMax,         &EditorSettings::Project_SaveCheck,
      &EditorSettings::Rad_LineAdjust,      &EditorSettings::IsClipProjectView,
      &EditorSettings::width_ClipProjectView, &EditorSettings::height_ClipDebuggerView,
      &EditorSettings::height_ClipCompileView, &EditorSettings::width_WebSearchView,
      &EditorSettings::IsNoGripper,         &EditorSettings::IsSaveTabToHead,
      &EditorSettings::TabSize,             &EditorSettings::IsShowLineNumber,
      &EditorSettings::IsShowRuler,         &EditorSettings::IsCaretLine_BackGround,
      &EditorSettings::MaxOneLineTextLength, &EditorSettings::IsShowComplementWnd,
      &EditorSettings::BackNum_PairStatementComplement, &EditorSettings::ParameterHint,
      &EditorSettings::IsSaveFindStr,       &EditorSettings::IsAutoIndent,
      &EditorSettings::IsRightTurn,         &EditorSettings::IsCtrlKeyHyperLink,
      &EditorSettings::IsSaveWebFindStr,    &EditorSettings::IsMDIZoomed,
      &EditorSettings::IsFindStrBigSmall,   &EditorSettings::IsRegExp,
      &EditorSettings::PrintFontPointSize,  &EditorSettings::IsShowPageNum,
  };
  for (auto field : ints) EXPECT_EQ(s.*field, saved.*field);
  for (size_t i = 0; i < s.RebarBands.size(); ++i) {
    EXPECT_EQ(s.RebarBands[i].id, saved.RebarBands[i].id) << i;
    EXPECT_EQ(s.RebarBands[i].width, saved.RebarBands[i].width) << i;
    EXPECT_EQ(s.RebarBands[i].flags, saved.RebarBands[i].flags) << i;
  }
  ExpectSameFont(s.EditorFont, saved.EditorFont, "EditorFont");
  ExpectSameFont(s.HintFont, saved.HintFont, "HintFont");
  ExpectSameFont(s.PrintFont, saved.PrintFont, "PrintFont");
  EXPECT_EQ(s.DefSaveDir, saved.DefSaveDir);
  EXPECT_EQ(s.ProjectSaveDir, saved.ProjectSaveDir);
  EXPECT_EQ(s.LinkFile, "ok");
  EXPECT_EQ(s.ActiveTheme, saved.ActiveTheme);
  EXPECT_EQ(s.PageStr, saved.PageStr);

  ASSERT_EQ(s.extensions.size(), 2u);
  EXPECT_EQ(s.extensions[0].associate, 1);
  EXPECT_EQ(s.extensions[0].extension, "sbp");
  EXPECT_EQ(s.extensions[0].description, "ソース, dialect");
  EXPECT_EQ(s.extensions[0].searchable, 0);
  EXPECT_EQ(s.extensions[0].tabColour, 0x123456u);
  EXPECT_EQ(s.extensions[1].description, "");
  EXPECT_EQ(s.extensions[1].tabColour, 0xFFFFFFu);
  ASSERT_EQ(s.domains.size(), 2u);
  EXPECT_EQ(s.domains[1].name, "a,b");
  EXPECT_EQ(s.domains[1].domain, "example.com");
  EXPECT_EQ(s.fileHistory.paths, saved.fileHistory.paths);
  EXPECT_EQ(s.fileHistory.menuBaseId, 100);
  EXPECT_EQ(s.projectHistory.paths, saved.projectHistory.paths);
  EXPECT_EQ(s.projectHistory.menuBaseId, 200);
  EXPECT_EQ(s.findHistory, saved.findHistory);
  EXPECT_EQ(s.replaceHistory, saved.replaceHistory);
  EXPECT_EQ(s.webHistory, saved.webHistory);

  // Saving what was loaded gives the same files again.
  MemorySettingsFiles again;
  ASSERT_TRUE(SettingsSave(s, again));
  EXPECT_EQ(again.files, fx.files.files);
}

TEST(SettingsLoadSave, EditorIniIsWrittenInTableOrder) {
  EditorSettings s = Unusual();
  std::string text = BuildEditorIni(s);
  const char* order[] = {"WindowRect=", "IsWindowMax=", "Project_SaveCheck=", "Rad_LineAdjust=",
                         "ProjectViewRect=", "IsClipProjectView=", "width_ClipProjectView=",
                         "height_ClipDebuggerView=", "height_ClipCompileView=", "width_WebSearchView=",
                         "RebarBand0=", "RebarBand1=", "RebarBand2=", "RebarBand3=", "RebarBand4=",
                         "IsNoGripper=", "IsSaveTabToHead=", "EditorFont=", "TabSize=", "IsShowLineNumber=",
                         "IsShowRuler=", "IsCaretLine_BackGround=", "MaxOneLineTextLength=",
                         "IsShowComplementWnd=", "BackNum_PairStatementComplement=", "ParameterHint=",
                         "HintFont=", "IsSaveFindStr=", "IsAutoIndent=", "IsRightTurn=", "IsCtrlKeyHyperLink=",
                         "IsSaveWebFindStr=", "IsMDIZoomed=", "DefSaveDir=", "ProjectSaveDir=",
                         "IsFindStrBigSmall=", "IsRegExp=", "LinkFile=", "ActiveTheme=", "PrintFont=",
                         "PrintFontPointSize=", "IsShowPageNum=", "PageStr="};
  size_t pos = 0;
  int lines = 0;
  for (const char* key : order) {
    ASSERT_EQ(text.compare(pos, std::strlen(key), key), 0) << key;
    pos = text.find("\r\n", pos) + 2;
    ++lines;
  }
  EXPECT_EQ(pos, text.size());
  EXPECT_EQ(lines, 43);
  EXPECT_EQ(text.rfind("WindowRect=11,22,933,744\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\nLinkFile=ok\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nRebarBand0=5,90,1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nEditorFont=-20,3,4,5,700,1,1,1,1,2,3,4,49,Consolas Like Face\r\n"), std::string::npos);

  // LinkFile is "ok" whatever the record holds.
  s.LinkFile = "something";
  EXPECT_NE(BuildEditorIni(s).find("\r\nLinkFile=ok\r\n"), std::string::npos);
  // A line break inside a string value cannot shift the following keys.
  s.PageStr = "a\r\nTabSize=99";
  EditorSettings back;
  ParseEditorIni(BuildEditorIni(s), back, {"C:\\", kScreenW, kScreenH});
  EXPECT_EQ(back.TabSize, 8);
  EXPECT_EQ(back.PageStr, "a");
}

TEST(SettingsLoadSave, NoEditorIniGivesNoFileDefaultsAndRunsTheAssociationStep) {
  Fixture fx;
  EditorSettings s;
  s.findHistory[0] = "stale";
  SettingsLoad(s, fx.env);
  EXPECT_EQ(fx.associationRuns, 1);
  EXPECT_EQ(s.IsWindowMax, 1);
  EXPECT_EQ(s.IsMDIZoomed, 1);
  EXPECT_EQ(s.IsNoGripper, 1);
  EXPECT_EQ(s.IsShowComplementWnd, 0);
  EXPECT_EQ(s.TabSize, 4);
  EXPECT_EQ(s.MaxOneLineTextLength, 75);
  EXPECT_EQ(s.PrintFontPointSize, 72);
  EXPECT_EQ(s.Rad_LineAdjust, 1);
  ExpectSameRect(s.WindowRect, RECT{128, 128, 1024, 819}, "WindowRect");
  ExpectSameRect(s.ProjectViewRect, RECT{1024 - 270, 128 + 60, 1024 - 5, 128 + 380}, "ProjectViewRect");
  EXPECT_EQ(s.RebarBands[0].id, 1);
  EXPECT_EQ(s.RebarBands[0].width, 150);
  EXPECT_EQ(s.RebarBands[1].id, 2);
  EXPECT_EQ(s.RebarBands[1].width, 277);
  EXPECT_EQ(s.RebarBands[2].id, 5);
  EXPECT_EQ(s.RebarBands[2].width, 100);
  EXPECT_EQ(s.RebarBands[3].id, 0);
  EXPECT_EQ(s.EditorFont.lfHeight, -19);
  EXPECT_EQ(s.EditorFont.lfCharSet, 128);
  EXPECT_STREQ(s.EditorFont.lfFaceName, "FixedSys");
  EXPECT_EQ(s.HintFont.lfWeight, 100);
  EXPECT_STREQ(s.HintFont.lfFaceName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(s.PrintFont.lfHeight, 0);
  EXPECT_STREQ(s.PrintFont.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(s.DefSaveDir, "C:\\Quillet\\");
  EXPECT_EQ(s.ProjectSaveDir, "C:\\Quillet\\MyProjects");
  EXPECT_EQ(s.ActiveTheme, "クラシック");
  EXPECT_EQ(s.PageStr, "ページ &n");
  EXPECT_EQ(s.findHistory[0], "");
  // Missing companion files: the default extension list and the two domains.
  EXPECT_EQ(s.extensions.size(), DefaultExtensionList().size());
  ASSERT_EQ(s.domains.size(), 2u);
  EXPECT_EQ(s.domains[0].name, "辞書");
  EXPECT_EQ(s.domains[1].name, "MSDN");
  EXPECT_TRUE(s.fileHistory.paths.empty());
}

TEST(SettingsLoadSave, ExistingFileUsesTheDefaultColumn) {
  Fixture fx;
  fx.files.files["editor.ini"] = "TabSize=6\r\n";
  EditorSettings s;
  SettingsLoad(s, fx.env);
  EXPECT_EQ(s.TabSize, 6);
  EXPECT_EQ(s.IsWindowMax, 0);
  EXPECT_EQ(s.IsMDIZoomed, 0);
  EXPECT_EQ(s.IsShowComplementWnd, 1);
  EXPECT_EQ(s.IsNoGripper, 0);  // bands missing set 1, the missing key then sets 0
  EXPECT_EQ(s.RebarBands[1].width, 277);
  EXPECT_EQ(s.DefSaveDir, "C:\\Quillet\\");
  EXPECT_EQ(fx.associationRuns, 1);  // LinkFile absent

  fx.files.files["editor.ini"] = "LinkFile=\r\n";
  SettingsLoad(s, fx.env);
  EXPECT_EQ(fx.associationRuns, 1);  // present, even when empty
}

TEST(SettingsLoadSave, AMissingRebarBandKeySetsTheWholeDefaultLayout) {
  const SettingsDefaultsEnv env{"C:\\", kScreenW, kScreenH};
  EditorSettings s;
  std::string text =
      "RebarBand0=5,10,1\r\nRebarBand1=3,20,1\r\nRebarBand3=1,30,0\r\nRebarBand4=0,0,0\r\nLinkFile=ok\r\n";
  ParseEditorIni(text, s, env);
  EXPECT_EQ(s.RebarBands[0].id, 1);
  EXPECT_EQ(s.RebarBands[0].width, 150);
  EXPECT_EQ(s.RebarBands[0].flags, 0);
  EXPECT_EQ(s.RebarBands[2].id, 5);
  EXPECT_EQ(s.RebarBands[3].id, 0);
  EXPECT_EQ(s.IsNoGripper, 0);

  ParseEditorIni(text + "IsNoGripper=1\r\n", s, env);
  EXPECT_EQ(s.IsNoGripper, 1);

  // All five present: read as written, IsNoGripper missing is 0.
  ParseEditorIni("RebarBand0=5,10,1\r\nRebarBand1=3,20,1\r\nRebarBand2=2,9,0\r\nRebarBand3=1,30,0\r\n"
                 "RebarBand4=0,0,0\r\n",
                 s, env);
  EXPECT_EQ(s.RebarBands[0].id, 5);
  EXPECT_EQ(s.RebarBands[1].flags, 1);
  EXPECT_EQ(s.RebarBands[2].width, 9);
  EXPECT_EQ(s.IsNoGripper, 0);
}

TEST(SettingsLoadSave, UnusableProjectViewRectTakesItsDefault) {
  const SettingsDefaultsEnv env{"C:\\", kScreenW, kScreenH};
  const char* unusable[] = {"0,0,0,300", "-50,10,0,300", "1280,10,1400,300", "10,-300,200,0",
                            "10,1024,200,1100", "10,10,19,300", "10,10,300,19"};
  for (const char* r : unusable) {
    EditorSettings s;
    ParseEditorIni(std::string("WindowRect=100,50,900,700\r\nProjectViewRect=") + r + "\r\n", s, env);
    ExpectSameRect(s.ProjectViewRect, RECT{630, 110, 895, 430}, r);
  }
  EditorSettings s;
  ParseEditorIni("WindowRect=100,50,900,700\r\nProjectViewRect=10,10,20,20\r\n", s, env);
  ExpectSameRect(s.ProjectViewRect, RECT{10, 10, 20, 20}, "smallest usable");
  ParseEditorIni("WindowRect=100,50,900,700\r\n", s, env);
  ExpectSameRect(s.ProjectViewRect, RECT{630, 110, 895, 430}, "missing");
  // A frame rectangle without size is replaced by the screen-based default.
  ParseEditorIni("WindowRect=0,0,0,0\r\n", s, env);
  ExpectSameRect(s.WindowRect, DefaultWindowRect(kScreenW, kScreenH), "empty frame");
}

TEST(SettingsLoadSave, DefaultFrameRectangleUsesTheWidthForTheTop) {
  ExpectSameRect(DefaultWindowRect(1366, 768), RECT{136, 136, 1092, 614}, "1366x768");
  ExpectSameRect(DefaultWindowRect(1920, 1080), RECT{192, 192, 1536, 864}, "1920x1080");
}

TEST(SettingsLoadSave, FifteenthHistoryEntryDropsTheOldestOnSave) {
  Fixture fx;
  EditorSettings s;
  SettingsLoad(s, fx.env);
  for (int i = 1; i <= 15; ++i) HistoryAdd(s.fileHistory, "C:\\f" + std::to_string(i) + ".txt");
  ASSERT_TRUE(SettingsSave(s, fx.files));
  const std::string& text = fx.files.files["history.ini"];
  EXPECT_EQ(text.find("C:\\f1.txt\r\n"), std::string::npos);
  EXPECT_EQ(text.rfind("C:\\f15.txt\r\n", 0), 0u);
  EXPECT_NE(text.find("C:\\f2.txt\r\n"), std::string::npos);
  EditorSettings back;
  SettingsLoad(back, fx.env);
  ASSERT_EQ(back.fileHistory.paths.size(), 14u);
  EXPECT_EQ(back.fileHistory.paths.front(), "C:\\f15.txt");
  EXPECT_EQ(back.fileHistory.paths.back(), "C:\\f2.txt");
}

TEST(SettingsLoadSave, SearchHistoriesFollowTheirSaveFlags) {
  Fixture fx;
  EditorSettings s = Unusual();
  s.IsSaveFindStr = 0;
  ASSERT_TRUE(SettingsSave(s, fx.files));
  EXPECT_EQ(fx.files.files.at("findstr.ini"), "");
  EXPECT_EQ(fx.files.files.at("permustr.ini"), "");
  EXPECT_EQ(fx.files.files.at("webstr.ini").rfind("web\r\n", 0), 0u);

  s.IsSaveFindStr = 1;
  s.IsSaveWebFindStr = 0;
  ASSERT_TRUE(SettingsSave(s, fx.files));
  EXPECT_EQ(fx.files.files.at("webstr.ini"), "");
  const std::string& find = fx.files.files.at("findstr.ini");
  int lines = 0;
  for (size_t p = find.find("\r\n"); p != std::string::npos; p = find.find("\r\n", p + 2)) ++lines;
  EXPECT_EQ(lines, 20);
}

TEST(SettingsLoadSave, SaveFailures) {
  Fixture fx;
  EditorSettings s = Unusual();
  fx.files.directoryFails = true;
  EXPECT_FALSE(SettingsSave(s, fx.files));
  EXPECT_EQ(fx.files.writes, 0);
  EXPECT_TRUE(fx.files.files.empty());

  // One failing file is reported by the store; the others are still written.
  fx.files.directoryFails = false;
  fx.files.failingWrites.insert("editor.ini");
  EXPECT_FALSE(SettingsSave(s, fx.files));
  EXPECT_EQ(fx.files.files.count("editor.ini"), 0u);
  EXPECT_EQ(fx.files.files.size(), 7u);
}

TEST(SettingsLoadSave, MalformedFilesGiveDefaultsWithoutCrashing) {
  const std::string bad[] = {
      std::string(),
      std::string(4096, '\0'),
      std::string(100 * 1024, 'x') + "\r\nTabSize=3\r\n",
      "TabSize=99999999999999999999\r\nWindowRect=,,,\r\nEditorFont=1,2\r\nRebarBand0=\r\n",
      "PageStr=\x81",
      "IsWindowMax=1\r\n\0TabSize=9\r\n",
  };
  for (const std::string& text : bad) {
    Fixture fx;
    for (const char* name : {"editor.ini", "extlink.ini", "domain.ini", "history.ini", "pj_history.ini",
                             "findstr.ini", "permustr.ini", "webstr.ini"}) {
      fx.files.files[name] = text;
    }
    EditorSettings s;
    SettingsLoad(s, fx.env);
    EXPECT_LE(s.fileHistory.paths.size(), 14u);
    EXPECT_LT(strnlen(s.EditorFont.lfFaceName, LF_FACESIZE), static_cast<size_t>(LF_FACESIZE));
    EXPECT_LE(s.PageStr.size(), 255u);
  }
  // Text after a NUL byte is not part of the file.
  Fixture fx;
  fx.files.files["editor.ini"] = std::string("IsWindowMax=1\r\n\0TabSize=9\r\n", 27);
  EditorSettings s;
  SettingsLoad(s, fx.env);
  EXPECT_EQ(s.IsWindowMax, 1);
  EXPECT_EQ(s.TabSize, 4);
  // A huge number is clamped, an all-NUL file reads as an empty one.
  fx.files.files["editor.ini"] = "TabSize=99999999999999999999\r\n";
  SettingsLoad(s, fx.env);
  EXPECT_EQ(s.TabSize, 2147483647);
  fx.files.files["editor.ini"] = std::string(64, '\0');
  SettingsLoad(s, fx.env);
  EXPECT_EQ(s.TabSize, 4);
  EXPECT_EQ(s.IsWindowMax, 0);
}
