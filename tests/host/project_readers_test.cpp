// Malformed project files: each reader names the file and the line, and
// leaves what it was to fill as it was.
#include <gtest/gtest.h>

#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/window_file.h"
#include "project/work_state.h"
#include "project_test_support.h"

namespace {

using project_test::LoadData;

struct Bad {
  std::string text;
  int line;
  std::string detail;
};

std::string Message(const char* file, int line, const std::string& detail) {
  std::string m = std::string("\"") + file + "\" ファイルの形式が正しくありません（";
  if (line > 0) m += std::to_string(line) + " 行目: ";
  return m + detail + "）。";
}

TEST(ProjectReaders, ProjectFileFaults) {
  const std::string head = "' Orvenic Project file.\r\n";
  const std::string name = "#NAME=P\r\n";
  const Bad cases[] = {
      {"", 1, "プロジェクト ファイルではありません"},
      {"' Other file.\r\n", 1, "プロジェクト ファイルではありません"},
      {head + "#VERSION=ten\r\n", 2, "数値が正しくありません"},
      {head + "#MODULETYPE=2147483648\r\n", 2, "数値が正しくありません"},
      {head + "#OPTION=&H123456789\r\n", 2, "数値が正しくありません"},
      {head + "#OPTION=12\r\n", 2, "数値が正しくありません"},
      {head + "#PLATFORM=16\r\n", 2, "プラットフォームは 32 か 64 です"},
      {head + "#NAME=..\\up\r\n", 2, "プロジェクト名がファイル名として使えません"},
      {head + "#NAME=\r\n", 2, "プロジェクト名がファイル名として使えません"},
      {head + "#NAME=a:b\r\n", 2, "プロジェクト名がファイル名として使えません"},
      {head + "#NAME=PRN\r\n", 2, "プロジェクト名がファイル名として使えません"},
      {head + "#COLOR=1\r\n", 2, "不明な行です"},
      {head + "stray\r\n", 2, "不明な行です"},
      {head + "#OUTPUT_DEBUG=" + std::string(260, 'x') + "\r\n", 2, "値が長すぎます"},
      {head + name + "#SOURCE\r\n" + std::string(260, 'x') + "\r\n", 4, "パスが長すぎます"},
      {head + "#SOURCE\r\na.bas\r\n", 0, "#NAME がありません"},
      {head + name + "#SOURCE\r\n", 0, "メイン ファイルがありません"},
      {head + name + "#SOURCE\r\na" + '\0' + ".bas\r\n", 0, "NUL 文字が含まれています"},
  };
  for (const auto& c : cases) {
    ProjectState s;
    s.projectName = "Kept";
    s.windows.emplace_back();
    ReadResult r = ReadProjectFile(c.text, "C:\\P\\P.pj", s);
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_EQ(r.line, c.line) << c.text;
    EXPECT_EQ(r.message, Message("C:\\P\\P.pj", c.line, c.detail));
    EXPECT_EQ(s.projectName, "Kept");
    EXPECT_EQ(s.windows.size(), 1u);
  }
  // Keys in another order, LF alone and source paths that look like keys are fine.
  ProjectState s;
  ASSERT_TRUE(ReadProjectFile(head + "#OPTION=&HFF\n#NAME=Q\n\n#SOURCE\nm.bas\n#lib.sbp", "x", s).ok);
  EXPECT_EQ(s.options, 0xFFu);
  ASSERT_EQ(s.sourceFiles.size(), 2u);
  EXPECT_EQ(s.sourceFiles[1].path, "#lib.sbp");
}

TEST(ProjectReaders, WindowFileFaults) {
  const std::string w = "WINDOW:W\r\n";
  const Bad cases[] = {
      {"junk\r\n", 1, "WINDOW: か MENU: で始まる行がありません"},
      {w, 1, "END がありません"},
      {w + "    HANDLE\r\n", 2, "ウィンドウの行が正しくありません"},
      {w + "    COLOUR    = 3\r\n", 2, "不明なキーです"},
      {w + "    POINT     = 1\r\n", 2, "位置が正しくありません"},
      {w + "    SIZE      = 1,x\r\n", 2, "大きさが正しくありません"},
      {w + "    CAPTION   = \"open\r\n", 2, "キャプションが引用符で囲まれていません"},
      {w + "    STYLE     = 00cf0000\r\n", 2, "スタイルが正しくありません"},
      {w + "    BGCOLOR   = 99999999999\r\n", 2, "数値が正しくありません"},
      {w + "    FONT      = 1,2,3\r\n", 2, "フォントの指定が正しくありません"},
      {w + "    FONT      = -12,0,0,0,400,0,0,0,300,3,2,1,32,\"x\"\r\n", 2, "フォントの指定が正しくありません"},
      {w + "    CLASS     = NORMAL\r\n", 2, "クラス名が引用符で囲まれていません"},
      {w + "    TYPE      = 2\r\n", 2, "ウィンドウの種類が正しくありません"},
      {w + "    ITEM      = A\r\n", 2, "コントロールの行が正しくありません"},
      {w + "    ITEM      = A,1,2,3\r\n", 2, "コントロールの位置か大きさが正しくありません"},
      {w + "    ITEM      = A,1,2,3,4,x\r\n", 2, "コントロールのテキストが引用符で囲まれていません"},
      {w + "    ITEM      = A,1,2,3,4,\"x\r\n", 2, "コントロールのテキストが閉じていません"},
      {w + "    ITEM      = A,1,2,3,4,\"x\",&H0,1\r\n", 2, "コントロールのスタイルが正しくありません"},
      {w + "    ITEM      = A,1,2,3,4,\"x\",&H0,&H0,0\r\n", 2, "コントロールの種類が正しくありません"},
      {w + "    ITEM      = A,1,2,3,4,\"x\",&H0,&H0,1,0,\"p\"\r\n", 2,
       "イメージ ボックス以外のコントロールに画像の指定があります"},
      {w + "    ITEM      = A,1,2,3,4,\"x\",&H0,&H0,7,0,p\r\n", 2, "イメージ ボックスの画像の指定が正しくありません"},
      {"MENU:M\r\n    POPUP     = \"a\"\r\nEND\r\nEND\r\n", 2, "ポップアップの指定が正しくありません"},
      {"MENU:M\r\n    ITEM      = \"a\",0\r\nEND\r\n", 2, "メニュー項目の指定が正しくありません"},
      {"MENU:M\r\n    BREAK     = 1\r\nEND\r\n", 2, "不明なキーです"},
      {"MENU:M\r\n    junk\r\nEND\r\n", 2, "メニューの行が正しくありません"},
      {"MENU:M\r\n    POPUP     = \"a\",0\r\nEND\r\n", 3, "END がありません"},
      {std::string("WINDOW:\0\r\nEND\r\n", 15), 0, "NUL 文字が含まれています"},
  };
  for (const auto& c : cases) {
    std::vector<WindowDef> windows(2);
    std::vector<MenuDef> menus(1);
    ReadResult r = ReadWindowFile(c.text, "P.wnd", windows, menus);
    EXPECT_FALSE(r.ok) << c.text;
    EXPECT_EQ(r.message, Message("P.wnd", c.line, c.detail)) << c.text;
    EXPECT_EQ(windows.size(), 2u);
    EXPECT_EQ(menus.size(), 1u);
  }

  std::string deep = "MENU:M\r\n";
  for (int i = 0; i <= kMaxMenuDepth; ++i) deep += "POPUP     = \"p\",0\r\n";
  std::vector<WindowDef> windows;
  std::vector<MenuDef> menus;
  ReadResult r = ReadWindowFile(deep, "P.wnd", windows, menus);
  EXPECT_EQ(r.message, Message("P.wnd", kMaxMenuDepth + 2, "メニューの階層が深すぎます"));
}

TEST(ProjectReaders, WindowFileDefaultsForMissingKeys) {
  std::vector<WindowDef> windows;
  std::vector<MenuDef> menus;
  ASSERT_TRUE(ReadWindowFile("WINDOW:Solo\r\n  TYPE = 0\r\n  ITEM = I,0,0,40,30,\"\",&H50000007,&H0,7\r\nEND",
                             "P.wnd", windows, menus)
                  .ok);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0].caption, "Solo");
  EXPECT_EQ(windows[0].filePath, "Solo.sbp");
  EXPECT_EQ(FaceName(windows[0].font), "ＭＳ Ｐゴシック");
  EXPECT_EQ(windows[0].windowType, WindowType::kWindow);
  EXPECT_EQ(windows[0].controls[0].imagePath, "");

  // A face name longer than a LOGFONT holds is cut at a character boundary.
  ASSERT_TRUE(ReadWindowFile("WINDOW:A\r\nFONT = 0,0,0,0,0,0,0,0,0,0,0,0,0,\"" + std::string(29, 'f') + "表示\"\r\nEND\r\n",
                             "P.wnd", windows, menus)
                  .ok);
  EXPECT_EQ(FaceName(windows[0].font), std::string(29, 'f') + "表");
}

TEST(ProjectReaders, ResourceScriptAndWorkStateFaults) {
  const Bad rcCases[] = {
      {"IDI_A\r\n", 1, "リソースの行ではありません"},
      {"IDI_A ICON\r\n", 1, "リソースの行ではありません"},
      {"IDI_A FONT \"a.fon\"\r\n", 1, "リソースの種類が正しくありません"},
      {"101 ICON \"a.ico\"\r\n", 1, "ID名が正しくありません"},
      {"IDI_A ICON a.ico\r\n", 1, "ファイル名が引用符で囲まれていません"},
      {"IDI_A ICON \"a.ico\"\r\nIDI_B ICON \"" + std::string(300, 'p') + "\"\r\n", 2, "パスが長すぎます"},
  };
  for (const auto& c : rcCases) {
    ProjectState s;
    s.icons.push_back(ResourceEntry{"Kept", "k.ico", nullptr});
    ReadResult r = ReadResourceScript(c.text, "P.rc", s);
    EXPECT_EQ(r.message, Message("P.rc", c.line, c.detail)) << c.text;
    ASSERT_EQ(s.icons.size(), 1u);
    EXPECT_EQ(s.icons[0].idName, "Kept");
  }

  const std::string good = LoadData("sample/Sample.wrk");
  const Bad wrkCases[] = {
      {"", 1, "作業状態ファイルではありません"},
      {"case3\r\n", 1, "作業状態ファイルではありません"},
      {"case4\r\nx\r\n", 2, "空行がありません"},
      {"case4\r\n\r\n", 0, "プロジェクト ビューの状態がありません"},
      {"case4\r\n\r\ntext,a.bas,0,0,0,0\r\n\r\n", 3, "パスが引用符で囲まれていません"},
      {"case4\r\n\r\ntext,\"a.bas\",0,0,0\r\n\r\n", 3, "数値が正しくありません"},
      {"case4\r\n\r\nwindow,W\r\n\r\n", 3, "ドキュメントの種類が正しくありません"},
      {"case4\r\n\r\nrad\r\n\r\n", 3, "ドキュメントの行が正しくありません"},
      {"case4\r\n\r\n\r\nx\r\n", 4, "タブの番号が正しくありません"},
      {"case4\r\n\r\n\r\n0\r\n2\r\n0\r\n", 5, "ツリーの展開状態が正しくありません"},
      {"case4\r\n\r\n\r\n0\r\n1\r\n", 5, "ツリーの展開状態が正しくありません"},
      {"case4\r\n\r\n\r\n0\r\n1\r\n1\r\n1,,0", 7, "ツリーの展開状態が正しくありません"},
      {good + "\r\nmore", 14, "余分な行があります"},
  };
  for (const auto& c : wrkCases) {
    WorkState w;
    w.selectedTab = 7;
    ReadResult r = ReadWorkState(c.text, "P.wrk", w);
    EXPECT_EQ(r.message, Message("P.wrk", c.line, c.detail)) << c.text;
    EXPECT_EQ(w.selectedTab, 7);
  }
}

TEST(ProjectReaders, OpeningStopsAtTheFirstBadFileAndChangesNothing) {
  auto files = project_test::SampleFiles("sample", "Sample");
  ProjectState open;
  open.projectName = "Open";

  auto broken = files;
  broken.files["C:\\P\\Sample.wnd"] += "garbage\r\n";
  ReadResult r = OpenProject("C:\\P\\Sample.pj", broken.Source(), open);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.message.find("C:\\P\\Sample.wnd"), std::string::npos);
  EXPECT_EQ(open.projectName, "Open");

  broken = files;
  broken.files["C:\\P\\Sample.rc"] = "bad\r\n";
  EXPECT_FALSE(OpenProject("C:\\P\\Sample.pj", broken.Source(), open).ok);
  EXPECT_EQ(open.projectName, "Open");

  r = OpenProject("C:\\P\\Missing.pj", files.Source(), open);
  EXPECT_EQ(r.message, "\"C:\\P\\Missing.pj\" ファイルの読み込みに失敗しました。");
  EXPECT_EQ(open.projectName, "Open");

  // Without its `.wnd` and resource script a project opens empty of both.
  broken = files;
  broken.files.erase("C:\\P\\Sample.wnd");
  broken.files.erase("C:\\P\\Sample.rc");
  ASSERT_TRUE(OpenProject("C:\\P\\Sample.pj", broken.Source(), open).ok);
  EXPECT_TRUE(open.windows.empty() && open.menus.empty() && !open.HasResources());
  EXPECT_FALSE(open.windowFileOnDisk);
  EXPECT_EQ(open.resourceScript, "Sample.rc");
}

}  // namespace
