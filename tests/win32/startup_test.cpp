// Start-up and shutdown of the real program, and the resource library it loads.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/menu_object_win.h"
#include "test_support.h"

namespace {

// The texts of MENUITEM and POPUP lines of one MENU block of menus.rc, in order.
std::vector<std::string> MenuTextsFromScript(const std::string& menuName) {
  std::string script = ReadTestFile(std::string(QUILLET_SOURCE_DIR) + "/resources/menus.rc");
  std::vector<std::string> texts;
  size_t pos = script.find(menuName + " MENU");
  if (pos == std::string::npos) return texts;
  int depth = 0;
  bool begun = false;
  size_t lineStart = script.find('\n', pos) + 1;
  while (lineStart < script.size()) {
    size_t end = script.find('\n', lineStart);
    std::string line = script.substr(lineStart, end - lineStart);
    lineStart = end == std::string::npos ? script.size() : end + 1;
    std::string trimmed = line.substr(line.find_first_not_of(" \t") == std::string::npos ? line.size() : line.find_first_not_of(" \t"));
    if (trimmed.rfind("BEGIN", 0) == 0) { ++depth; begun = true; continue; }
    if (trimmed.rfind("END", 0) == 0) { if (--depth == 0 && begun) break; continue; }
    if (trimmed.rfind("MENUITEM SEPARATOR", 0) == 0) continue;
    if (trimmed.rfind("MENUITEM", 0) == 0 || trimmed.rfind("POPUP", 0) == 0) {
      size_t q1 = trimmed.find('"'), q2 = trimmed.find('"', q1 + 1);
      std::string text = trimmed.substr(q1 + 1, q2 - q1 - 1);
      size_t tab;
      while ((tab = text.find("\\t")) != std::string::npos) text.replace(tab, 2, "\t");
      texts.push_back(Utf8ToSjis(text));
    }
  }
  return texts;
}

void CollectMenuTexts(const MenuObject& menu, std::vector<std::string>& out) {
  for (const auto& item : menu.items()) {
    if (item->separator) continue;
    out.push_back(item->text);
    if (item->submenu) CollectMenuTexts(*item->submenu, out);
  }
}

}  // namespace

TEST(StartUp, MainMenuAndContextMenusComeFromTheResourceLibrary) {
  ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
  ASSERT_TRUE(g_app.resLib);
  ASSERT_NE(g_app.mainMenu, nullptr);
  std::vector<std::string> expected = MenuTextsFromScript("IDR_MAINMENU");
  ASSERT_GT(expected.size(), 40u);
  for (std::string& text : expected)
    if (text == "FileHistory") text = "最近使ったファイル(&F)";
    else if (text == "ProjectHistory") text = "最近使ったプロジェクト(&J)";
  std::vector<std::string> actual;
  CollectMenuTexts(*g_app.mainMenu, actual);
  // The recent-files and recent-projects submenus hold run-time entries only.
  expected.erase(std::remove(expected.begin(), expected.end(), std::string("なし")), expected.end());
  actual.erase(std::remove(actual.begin(), actual.end(), std::string("なし")), actual.end());
  EXPECT_EQ(actual, expected);
  EXPECT_NE(g_app.recentFilesMenu, nullptr);
  EXPECT_NE(g_app.recentProjectsMenu, nullptr);
  EXPECT_NE(g_app.menus.editor.sub, nullptr);
  EXPECT_NE(g_app.menus.tabColour, nullptr);
  EXPECT_EQ(GetMenuItemID(g_app.menus.tabColour, 0), static_cast<UINT>(ID_TABCOLOR_RED));
  EXPECT_NE(g_app.menus.designer.sub, nullptr);
  // Menu icons were attached from the icon library.
  MenuItemRecord* save = g_app.mainMenu->FindByCommand(ID_FILE_SAVE);
  ASSERT_NE(save, nullptr);
  EXPECT_TRUE(save->icon);
  EXPECT_NE(g_app.RadClipboardFormat, 0u);
  std::string recovery = g_app.RecoveryDir;
  ASSERT_FALSE(recovery.empty());
  EXPECT_NE(GetFileAttributesA(recovery.c_str()), INVALID_FILE_ATTRIBUTES);
  ShutDown();
  EXPECT_EQ(GetFileAttributesA(recovery.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(StartUp, FrameAppearsAndClosingLeavesNothingBehind) {
  std::string dir = CopyProgramDir({});
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir));
  HWND frame = program.WaitForWindow("Wrenfold", nullptr);
  ASSERT_NE(frame, nullptr);
  char title[64] = {};
  GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "Quillet");
  EXPECT_NE(GetMenu(frame), nullptr);
  // The recovery directory exists while the program runs.
  bool sawRecovery = false;
  for (const std::string& name : ListFolder(program.tempDir)) sawRecovery |= name.rfind("Quillet_Temporary_", 0) == 0;
  EXPECT_TRUE(sawRecovery);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitExit(20000, &code));
  EXPECT_EQ(code, 0u);
  for (const std::string& name : ListFolder(program.tempDir))
    EXPECT_NE(name.rfind("Quillet_Temporary_", 0), 0u) << name;
  RemoveTree(dir);
}

TEST(StartUp, MissingPaletteShowsTheReadMessageAndExitsWithZero) {
  std::string dir = CopyProgramDir({"Ancillar\\8bit.plt"});
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir));
  HWND box = program.WaitForWindow("#32770", "エラー");
  ASSERT_NE(box, nullptr);
  std::string expected = "\"" + dir + "Ancillar\\8bit.plt\" ファイルの読み込みに失敗しました。";
  bool found = false;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char text[512] = {};
    GetWindowTextA(child, text, sizeof text);
    found |= expected == text;
  }
  EXPECT_TRUE(found) << expected;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitExit(20000, &code));
  EXPECT_EQ(code, 0u);
  for (const std::string& name : ListFolder(program.tempDir))
    EXPECT_NE(name.rfind("Quillet_Temporary_", 0), 0u) << name;
  RemoveTree(dir);
}

TEST(StartUp, MissingResourceLibraryStillStartsWithoutMenu) {
  std::string dir = CopyProgramDir({"Ancillar\\res.dll"});
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir));
  HWND frame = program.WaitForWindow("Wrenfold", nullptr);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetMenu(frame), nullptr);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitExit(20000, &code));
  EXPECT_EQ(code, 0u);
  RemoveTree(dir);
}

TEST(StartUp, SettingsSurviveARestartOfTheProgram) {
  std::string dir = CopyProgramDir({});
  RemoveTree(dir + "UserSetting");
  {
    ChildProgram program;
    ASSERT_TRUE(program.Start(dir));
    HWND frame = program.WaitForWindow("Wrenfold", nullptr);
    ASSERT_NE(frame, nullptr);
    // Without editor.ini the frame starts maximised; give it a normal placement.
    ShowWindow(frame, SW_RESTORE);
    SetWindowPos(frame, nullptr, 40, 30, 700, 500, SWP_NOZORDER);
    SendMessageA(frame, WM_COMMAND, ID_VIEW_RIGHTTURN, 0);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(program.WaitExit(20000, &code));
    EXPECT_EQ(code, 0u);
  }
  const std::string ini = ReadTestFile(dir + "UserSetting\\editor.ini");
  EXPECT_NE(ini.find("IsRightTurn=1\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("IsWindowMax=0\r\n"), std::string::npos);
  EXPECT_NE(ini.find("WindowRect=40,30,740,530\r\n"), std::string::npos);
  {
    ChildProgram program;
    ASSERT_TRUE(program.Start(dir));
    HWND frame = program.WaitForWindow("Wrenfold", nullptr);
    ASSERT_NE(frame, nullptr);
    RECT r;
    GetWindowRect(frame, &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 740);
    EXPECT_EQ(r.bottom, 530);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitExit(20000, nullptr));
  }
  EXPECT_NE(ReadTestFile(dir + "UserSetting\\editor.ini").find("IsRightTurn=1\r\n"), std::string::npos);
  RemoveTree(dir);
}

TEST(StartUp, AMissingThemeOrMonitorIsReplacedForThisRunOnly) {
  std::string dir = CopyProgramDir({});
  RemoveTree(dir + "UserSetting");
  CreateDirectoryA((dir + "UserSetting").c_str(), nullptr);
  // Saved on a monitor that is gone, with a theme whose folder was removed.
  const std::string theme = Utf8ToSjis("消えたテーマ");
  {
    std::string ini =
        "LinkFile=ok\r\nWindowRect=5000,4000,5700,4500\r\nIsWindowMax=0\r\nActiveTheme=" + theme + "\r\n";
    HANDLE f = CreateFileA((dir + "UserSetting\\editor.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                           nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, ini.data(), static_cast<DWORD>(ini.size()), &written, nullptr);
    CloseHandle(f);
  }
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir));
  HWND frame = program.WaitForWindow("Wrenfold", nullptr);
  ASSERT_NE(frame, nullptr);
  RECT r, work;
  GetWindowRect(frame, &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GE(r.left, work.left);
  EXPECT_LE(r.right, work.right);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.bottom, work.bottom);
  EXPECT_EQ(r.right - r.left, 700);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  ASSERT_TRUE(program.WaitExit(20000, nullptr));
  EXPECT_NE(ReadTestFile(dir + "UserSetting\\editor.ini").find("ActiveTheme=" + theme + "\r\n"), std::string::npos);
  RemoveTree(dir);
}
