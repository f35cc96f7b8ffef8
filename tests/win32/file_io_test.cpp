// Whole-file I/O, file-system helpers, the settings files on disk and the
// recent menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/file_io_win.h"
#include "shell/message_box_win.h"
#include "shell/recent_menu_win.h"
#include "shell/settings_files_win.h"
#include "test_support.h"

namespace {

struct Shown {
  std::string text;
  std::string caption;
  unsigned type = 0;
};
std::vector<Shown> g_shown;

int RecordMessage(HWND, const char* text, const char* caption, unsigned type) {
  g_shown.push_back({text, caption, type});
  return IDOK;
}

class WholeFileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    g_shown.clear();
    previous_ = SetQuilletMessageBoxHook(RecordMessage);
    dir_ = MakeTempFolder("fileio");
  }
  void TearDown() override {
    SetQuilletMessageBoxHook(previous_);
    RemoveTree(dir_);
  }
  std::string dir_;

 private:
  MessageBoxHook previous_ = nullptr;
};

std::string Read(const std::string& path) {
  std::string content;
  EXPECT_TRUE(ReadWholeFile(path, content)) << path;
  return content;
}

}  // namespace

TEST_F(WholeFileIo, WriteCreatesAndReplacesWholeFiles) {
  std::string path = dir_ + "a.txt";
  ASSERT_TRUE(WriteWholeFile(path, "first version\r\n"));
  EXPECT_EQ(Read(path), "first version\r\n");
  ASSERT_TRUE(WriteWholeFile(path, "second"));
  EXPECT_EQ(Read(path), "second");
  ASSERT_TRUE(WriteWholeFile(path, ""));
  EXPECT_EQ(Read(path), "");
  std::string binary("a\0b\0", 4);
  ASSERT_TRUE(WriteWholeFile(path, binary));
  EXPECT_EQ(Read(path), binary);
  // No temporary file is left beside the target.
  EXPECT_EQ(ListFolder(dir_), std::vector<std::string>{"a.txt"});
  // A hidden file stays hidden when replaced.
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(WriteWholeFile(path, "hidden"));
  EXPECT_EQ(Read(path), "hidden");
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(WholeFileIo, AFailedWriteLeavesTheOldFileIntact) {
  std::string path = dir_ + "locked.txt";
  ASSERT_TRUE(WriteWholeFile(path, "precious"));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteWholeFileWithMessage(path, "replacement"));
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0].text, "\"" + path + "\" ファイルへの書き込みに失敗しました。");
  EXPECT_EQ(g_shown[0].caption, "エラー");
  EXPECT_EQ(g_shown[0].type & MB_ICONMASK, static_cast<unsigned>(MB_ICONWARNING));
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Read(path), "precious");
  EXPECT_EQ(ListFolder(dir_), std::vector<std::string>{"locked.txt"});
  // A directory in the way, or a missing directory, fails as well.
  EXPECT_FALSE(WriteWholeFile(dir_, "x"));
  EXPECT_FALSE(WriteWholeFile(dir_ + "no\\such\\dir\\f.txt", "x"));
}

TEST_F(WholeFileIo, FilesHeldOpenByOthers) {
  std::string path = dir_ + "held.txt";
  ASSERT_TRUE(WriteWholeFile(path, "old"));
  // Held without write sharing: the write fails and the old content stays.
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteWholeFile(path, "new"));
  CloseHandle(reader);
  EXPECT_EQ(Read(path), "old");
  EXPECT_EQ(ListFolder(dir_), std::vector<std::string>{"held.txt"});
  // Held with write sharing but without delete sharing: written in place.
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(WriteWholeFile(path, "newer"));
  CloseHandle(writer);
  EXPECT_EQ(Read(path), "newer");
  EXPECT_EQ(ListFolder(dir_), std::vector<std::string>{"held.txt"});
}

TEST_F(WholeFileIo, ReadingWhileAnotherHandleWritesAndReadFailures) {
  std::string path = dir_ + "shared.txt";
  ASSERT_TRUE(WriteWholeFile(path, "shared text"));
  HANDLE other = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Read(path), "shared text");
  CloseHandle(other);

  std::string content = "old";
  EXPECT_FALSE(ReadWholeFile(dir_ + "missing.txt", content));
  EXPECT_TRUE(g_shown.empty());
  EXPECT_FALSE(ReadWholeFileWithMessage(dir_ + "missing.txt", content));
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0].text, "\"" + dir_ + "missing.txt\" ファイルの読み込みに失敗しました。");
  EXPECT_EQ(g_shown[0].caption, "エラー");
}

TEST_F(WholeFileIo, ExistsRemoveTreeAndTemporaryDirectory) {
  ASSERT_TRUE(WriteWholeFile(dir_ + "f.txt", "x"));
  EXPECT_TRUE(FileExists(dir_ + "f.txt"));
  EXPECT_TRUE(FileExists(dir_ + "F.TXT"));
  EXPECT_FALSE(FileExists(dir_ + "g.txt"));
  EXPECT_FALSE(FileExists(dir_ + "*.txt"));

  std::string tree = dir_ + "tree\\";
  ASSERT_TRUE(EnsureDirectoryExists(tree));
  ASSERT_TRUE(EnsureDirectoryExists(tree));
  ASSERT_TRUE(EnsureDirectoryExists(tree + "sub\\deeper"));
  ASSERT_TRUE(WriteWholeFile(tree + "a.txt", "a"));
  ASSERT_TRUE(WriteWholeFile(tree + "sub\\deeper\\b.txt", "b"));
  ASSERT_TRUE(WriteWholeFile(tree + "sub\\ro.txt", "r"));
  SetFileAttributesA((tree + "sub\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(RemoveDirectoryTree(tree));
  EXPECT_FALSE(FileExists(dir_ + "tree"));
  EXPECT_TRUE(FileExists(dir_ + "f.txt"));

  std::string temp = TemporaryDirectory();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
  EXPECT_NE(GetFileAttributesA(temp.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(WholeFileIo, DiskFormRestoresTheStoredLetterCase) {
  std::string jp = "表示ソース";  // ends in 0x5C trail bytes inside
  ASSERT_TRUE(EnsureDirectoryExists(dir_ + "MixedCase"));
  ASSERT_TRUE(EnsureDirectoryExists(dir_ + "MixedCase\\" + jp));
  ASSERT_TRUE(WriteWholeFile(dir_ + "MixedCase\\" + jp + "\\ReadMe.TXT", "x"));
  std::string lower = dir_ + "mixedcase\\" + jp + "\\readme.txt";
  std::string disk = PathDiskForm(lower);
  EXPECT_EQ(disk, PathDiskForm(dir_) + "MixedCase\\" + jp + "\\ReadMe.TXT");
  // The root stays as given; a missing component keeps the rest as given.
  EXPECT_EQ(disk.substr(0, 3), lower.substr(0, 3));
  std::string missing = dir_ + "mixedcase\\nothere\\ABC.txt";
  EXPECT_EQ(PathDiskForm(missing), PathDiskForm(dir_) + "MixedCase\\nothere\\ABC.txt");
  EXPECT_EQ(PathDiskForm(dir_ + "mixedcase\\"), PathDiskForm(dir_) + "MixedCase\\");
}

TEST_F(WholeFileIo, SettingsAreSavedBelowUserSettingAndReadBack) {
  EditorSettings s;
  int associationRuns = 0;
  auto step = [&](EditorSettings&) { ++associationRuns; };
  LoadUserSettings(s, dir_, 1280, 1024, step);
  EXPECT_EQ(associationRuns, 1);
  EXPECT_EQ(s.IsWindowMax, 1);
  s.TabSize = 6;
  s.fileHistory.paths = {"C:\\a.txt"};
  ASSERT_TRUE(SaveUserSettings(s, dir_));
  auto names = ListFolder(dir_ + "UserSetting\\");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"domain.ini", "editor.ini", "extlink.ini", "findstr.ini",
                                             "history.ini", "permustr.ini", "pj_history.ini", "webstr.ini"}));
  EditorSettings back;
  LoadUserSettings(back, dir_, 1280, 1024, step);
  EXPECT_EQ(associationRuns, 1);
  EXPECT_EQ(back.TabSize, 6);
  EXPECT_EQ(back.IsWindowMax, 1);
  EXPECT_EQ(back.fileHistory.paths, s.fileHistory.paths);
  EXPECT_TRUE(g_shown.empty());
}

TEST_F(WholeFileIo, NoUserSettingDirectoryMeansNothingIsSaved) {
  // A regular file stands where the program directory should be.
  ASSERT_TRUE(WriteWholeFile(dir_ + "blocker", "x"));
  EditorSettings s;
  EXPECT_FALSE(SaveUserSettings(s, dir_ + "blocker\\"));
  ASSERT_EQ(g_shown.size(), 1u);
  EXPECT_EQ(g_shown[0].text, "UserSettingディレクトリの作成に失敗");
  EXPECT_EQ(g_shown[0].caption, "Quillet");
  EXPECT_EQ(g_shown[0].type & MB_ICONMASK, static_cast<unsigned>(MB_ICONWARNING));
}

TEST_F(WholeFileIo, RecentMenuFill) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 4242, "stale");
  FillRecentMenu(menu, History{100, {}});
  ASSERT_EQ(GetMenuItemCount(menu), 1);
  EXPECT_EQ(GetMenuItemID(menu, 0), 100u);
  EXPECT_TRUE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
  char text[300] = {};
  GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(std::string(text), "なし");

  FillRecentMenu(menu, History{200, {"C:\\p\\one.pj", "C:\\A&B\\two.pj"}});
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(GetMenuItemID(menu, 0), 200u);
  EXPECT_EQ(GetMenuItemID(menu, 1), 201u);
  EXPECT_FALSE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
  GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(std::string(text), "C:\\A&&B\\two.pj");
  DestroyMenu(menu);

  ASSERT_TRUE(WriteWholeFile(dir_ + "icon.txt", "x"));
  HICON icon = RecentFileIcon(dir_ + "icon.txt");
  if (icon) DestroyIcon(icon);
  EXPECT_EQ(RecentFileIcon(dir_ + "gone.txt"), nullptr);
}
