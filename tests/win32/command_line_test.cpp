// Files named on the command line of the real program.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
}

std::string TitleOf(HWND w) {
  char text[512] = {};
  GetWindowTextA(w, text, sizeof text);
  return text;
}

// Without editor.ini documents open maximised, so the frame's title names the active one.
HWND WaitForTitle(ChildProgram& program, const std::string& title) {
  for (int i = 0; i < 200; ++i) {
    HWND frame = program.WaitForWindow("Wrenfold", nullptr, 5000);
    if (frame && TitleOf(frame) == title) return frame;
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

TEST(CommandLine, FilesAreOpenedWithTheLetterCaseStoredOnDisk) {
  std::string dir = CopyProgramDir({});
  std::string data = MakeTempFolder("cmd");
  CreateDirectoryA((data + "My Folder").c_str(), nullptr);
  WriteFile(data + "My Folder\\Spaced Name.Txt", "one\r\n");
  WriteFile(data + "MixedCase.Txt", "two\r\n");
  ChildProgram program;
  // A quoted path with blanks, then a bare name in other letter case below the current directory.
  std::string args = "\"" + data + "my folder\\spaced name.txt\" mixedcase.txt";
  ASSERT_TRUE(program.Start(dir, args, data));
  HWND frame = WaitForTitle(program, "Quillet - [MixedCase.Txt]");
  EXPECT_NE(frame, nullptr);
  if (frame) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitExit(20000, nullptr));
  }
  RemoveTree(dir);
  RemoveTree(data);
}

TEST(CommandLine, AMissingFileShowsTheMessageAndOpensNoDocument) {
  std::string dir = CopyProgramDir({});
  std::string data = MakeTempFolder("cmdmissing");
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir, "\"" + data + "nothing.txt\""));
  HWND box = program.WaitForWindow("#32770", "エラー");
  ASSERT_NE(box, nullptr);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  HWND frame = program.WaitForWindow("Wrenfold", nullptr);
  ASSERT_NE(frame, nullptr);
  Sleep(300);
  // No untitled document either: the command line was not empty.
  EXPECT_EQ(TitleOf(frame), "Quillet");
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitExit(20000, nullptr));
  RemoveTree(dir);
  RemoveTree(data);
}

TEST(CommandLine, NoArgumentsGiveOneUntitledDocument) {
  std::string dir = CopyProgramDir({});
  RemoveTree(dir + "UserSetting");
  ChildProgram program;
  ASSERT_TRUE(program.Start(dir));
  HWND frame = WaitForTitle(program, "Quillet - [Document[1]]");
  EXPECT_NE(frame, nullptr);
  if (frame) {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitExit(20000, nullptr));
  }
  RemoveTree(dir);
}

TEST(CommandLine, ASecondInstanceHandsItsFilesToTheRunningOneAndEnds) {
  std::string dir = CopyProgramDir({});
  RemoveTree(dir + "UserSetting");
  std::string data = MakeTempFolder("cmdsecond");
  WriteFile(data + "Handed.txt", "handed over\r\n");
  ChildProgram first;
  ASSERT_TRUE(first.Start(dir));
  HWND frame = WaitForTitle(first, "Quillet - [Document[1]]");
  ASSERT_NE(frame, nullptr);
  ChildProgram second;
  ASSERT_TRUE(second.Start(dir, "\"" + data + "handed.txt\""));
  // It ends without a frame of its own.
  DWORD code = 1;
  EXPECT_TRUE(second.WaitExit(20000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForTitle(first, "Quillet - [Handed.txt]"), frame);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.WaitExit(20000, nullptr));

  // With nobody running, the same command line opens its own frame.
  ChildProgram alone;
  ASSERT_TRUE(alone.Start(dir, "\"" + data + "handed.txt\""));
  HWND own = WaitForTitle(alone, "Quillet - [Handed.txt]");
  EXPECT_NE(own, nullptr);
  if (own) PostMessageA(own, WM_CLOSE, 0, 0);
  EXPECT_TRUE(alone.WaitExit(20000, nullptr));
  RemoveTree(dir);
  RemoveTree(data);
}
