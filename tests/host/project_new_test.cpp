// New projects: the dialog's checks, the files a project starts with, the
// frame's title and the view state of a first opening.
#include <gtest/gtest.h>

#include "project/new_project.h"
#include "project/project_file.h"

namespace {

TEST(NewProject, TheDialogRefusesNamesAndFoldersWithAMessage) {
  struct Case {
    std::string name, folder;
    std::string message;  // beginning of the message; empty = accepted
  };
  const std::string longFolder = "C:\\" + std::string(241, 'd');  // + "\" + 14 = 259
  const Case cases[] = {
      {"Hello", "C:\\MyProjects\\Hello", ""},
      {"Hello", "C:\\MyProjects\\Hello\\", ""},
      {"Hello", "\\\\server\\share\\p", ""},
      {"Hello", "C:\\マイ表示\\p", ""},  // 表 ends in a 0x5C byte
      {"", "C:\\p", "プロジェクト名を入力して下さい。"},
      {"9to5", "C:\\p", "\"9to5\" はプロジェクト名に使えません。"},
      {"a.b", "C:\\p", "\"a.b\" はプロジェクト名に使えません。"},
      {"..\\x", "C:\\p", "\"..\\x\" はプロジェクト名に使えません。"},
      {"aux", "C:\\p", "\"aux\" はファイル名に使えないため、プロジェクト名にできません。"},
      {"Hello", "", "プロジェクトを作成するフォルダを入力して下さい。"},
      {"Hello", "MyProjects\\Hello", "\"MyProjects\\Hello\" はフォルダとして使えません。"},
      {"Hello", "C:\\a?b", "\"C:\\a?b\" はフォルダとして使えません。"},
      {"Hello", "C:\\a:b", "\"C:\\a:b\" はフォルダとして使えません。"},
      {"Hello", "C:\\a\"b", "\"C:\\a\"b\" はフォルダとして使えません。"},
      {"Hello", "C:\\a\r\nb", "\"C:\\a\r\nb\" はフォルダとして使えません。"},
      {"Hello", "C:\\p\\Con\\x", "\"C:\\p\\Con\\x\" はフォルダとして使えません。"},
      {"Hello", "C:\\p\\lpt1.txt", "\"C:\\p\\lpt1.txt\" はフォルダとして使えません。"},
      {"Hello", "C:\\p\\Console", ""},
      {"H", longFolder, ""},
      {"H", longFolder + "d", "フォルダのパスが長すぎます。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " in " + c.folder);
    const Refusal r = ValidateNewProject(NewProjectInput{c.name, c.folder, NewProjectKind::kWindowProgram});
    EXPECT_EQ(static_cast<bool>(r), !c.message.empty()) << r.message;
    EXPECT_EQ(r.message.substr(0, c.message.size()), c.message);
    if (r) {
      EXPECT_STREQ(r.caption, "Quillet");
    }
  }
}

TEST(NewProject, TheFolderFollowsTheSaveDirectory) {
  EXPECT_EQ(DefaultProjectFolder("C:\\Q\\MyProjects", "Hello"), "C:\\Q\\MyProjects\\Hello");
  EXPECT_EQ(DefaultProjectFolder("C:\\Q\\MyProjects\\", "Hello"), "C:\\Q\\MyProjects\\Hello");
  EXPECT_EQ(DefaultProjectFolder("C:\\Q\\MyProjects", ""), "C:\\Q\\MyProjects\\");
  // A trail byte 0x5C at the end is no separator.
  EXPECT_EQ(DefaultProjectFolder("C:\\表", "A"), "C:\\表\\A");
  EXPECT_EQ(FolderWithSeparator(""), "");
  EXPECT_EQ(FolderWithSeparator("C:\\p"), "C:\\p\\");
  EXPECT_EQ(FolderWithSeparator("C:\\p\\"), "C:\\p\\");
  EXPECT_EQ(ProjectFolderTakenMessage("C:\\p").substr(0, 47), "\"C:\\p\" フォルダには既にプロジェクトがあります。");
}

TEST(NewProject, TheFilesAProjectStartsWith) {
  struct Case {
    NewProjectKind kind;
    const char* pj;
    const char* idx;
    const char* mainLine;  // the main source's second line
  };
  // Written from the file formats: the key lines each followed by an empty line.
  const char* const pjHead =
      "' Orvenic Project file.\r\n\r\n#VERSION=10\r\n\r\n#MODULETYPE=0\r\n\r\n#NAME=Hello\r\n\r\n#PLATFORM=32\r\n\r\n"
      "#USEWINDOW=0\r\n\r\n";
  const char* const pjTail =
      "#OUTPUT_RELEASE=\r\n\r\n#OUTPUT_DEBUG=\r\n\r\n#DEBUG_CMD_LINE=\r\n\r\n#DEBUG_EXE_PATH=\r\n\r\n"
      "#RESOURCE=0\r\n\r\n#SOURCE\r\nHello.bas\r\n";
  const Case cases[] = {
      {NewProjectKind::kWindowProgram, "#OPTION=&H00000002\r\n\r\n",
       "' インデックス プログラム\r\n\r\n'Win32APIの定義ファイル\r\n#include <api_commctrl.sbp>\r\n",
       "' Hello のメイン プログラム (ウィンドウ プログラム)"},
      {NewProjectKind::kConsoleProgram, "#OPTION=&H00000000\r\n\r\n", "' インデックス プログラム\r\n",
       "' Hello のメイン プログラム (コンソール プログラム)"},
  };
  for (const Case& c : cases) {
    const ProjectState s = NewProjectState(NewProjectInput{"Hello", "C:\\P\\Hello", c.kind});
    EXPECT_TRUE(s.IsOpen());
    EXPECT_FALSE(s.AnyModified());
    EXPECT_EQ(s.projectDir, "C:\\P\\Hello\\");
    EXPECT_EQ(ProjectOwnFile(s, ".pj"), "C:\\P\\Hello\\Hello.pj");
    EXPECT_EQ(BuildProjectFile(s, ProjectPlatform::k32), std::string(pjHead) + c.pj + pjTail);
    EXPECT_EQ(BuildIndexProgram(s), c.idx);

    const std::string main = MainSourceText(c.kind, "Hello");
    EXPECT_EQ(MainSourceName("Hello"), "Hello.bas");
    const size_t first = main.find("\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(main.substr(first + 2, main.find("\r\n", first + 2) - first - 2), c.mainLine);
    EXPECT_NE(main.find("\r\n#include \"Hello.idx\"\r\n"), std::string::npos);
    EXPECT_EQ(main.find("#name#"), std::string::npos);
    // CR LF line ends only, and the last line ended.
    for (size_t i = 0; i < main.size(); ++i) {
      if (main[i] == '\n') {
        EXPECT_EQ(main[i - 1], '\r') << i;
      }
      if (main[i] == '\r') {
        EXPECT_EQ(main[i + 1], '\n') << i;
      }
    }
    EXPECT_EQ(main.substr(main.size() - 5), "End\r\n");
  }
}

TEST(NewProject, FirstViewStateAndTitle) {
  EXPECT_EQ(BuildWorkStateFile(InitialViewState()), "case4\r\n\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0");
  ProjectState s;
  EXPECT_EQ(FrameTitle(s), "Quillet");
  s.projectName = "表示";
  EXPECT_EQ(FrameTitle(s), "Quillet - 表示");
}

TEST(NewProject, PlatformWrittenBySave) {
  struct Case {
    int box;
    ProjectPlatform project, saved;
  };
  const Case cases[] = {
      {0, ProjectPlatform::k64, ProjectPlatform::k32},  {1, ProjectPlatform::k32, ProjectPlatform::k64},
      {2, ProjectPlatform::k32, ProjectPlatform::k64},  {-1, ProjectPlatform::k32, ProjectPlatform::k32},
      {-1, ProjectPlatform::k64, ProjectPlatform::k64},
  };
  for (const Case& c : cases) EXPECT_EQ(PlatformToSave(c.box, c.project), c.saved) << c.box;
}

}  // namespace
