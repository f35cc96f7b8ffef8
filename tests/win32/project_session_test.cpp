// Projects under Wine: creating, saving, closing and reopening a project
// (every file byte-identical), the save question, a failed write, the work
// state, the recent projects and the commands without a project.
#include <windows.h>
#include <shlobj.h>

#include <map>

#include "app_fixture.h"
#include "editor/editing.h"
#include "files/file_io_win.h"
#include "project/new_project_win.h"
#include "project/project_materials_win.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"
#include "test_support.h"

namespace {

using Files = std::map<std::string, std::string>;

// Every file directly in the folder, by name.
Files Snapshot(const std::string& dir) {
  Files files;
  for (const std::string& name : ListFolder(dir)) {
    const DWORD attributes = GetFileAttributesA((dir + name).c_str());
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) files[name] = ReadTestFile(dir + name);
  }
  return files;
}

std::string FrameText() {
  char text[512] = {};
  GetWindowTextA(g_app.frame, text, sizeof text);
  return text;
}

bool MenuGreyed(UINT id) {
  return (GetMenuState(g_app.mainMenu->handle(), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

// The slot of the open text document with this path, or -1.
int OpenSlot(const std::string& path) { return g_app.docs.FindTextByPath(path); }

}  // namespace

class Projects : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("project");
    // The fixture's program directory is a private folder: give it the window template.
    CreateDirectoryA((g_app.ProgramDir + "Ancillar").c_str(), nullptr);
    templatePath_ = g_app.ProgramDir + "Ancillar\\new_window_template.sbp";
    CopyFileA((TestProgramDir() + "Ancillar\\new_window_template.sbp").c_str(), templatePath_.c_str(), FALSE);
    g_app.settings.ProjectSaveDir = dir_ + "MyProjects";
  }
  void TearDown() override {
    AppFixture::TearDown();
    RemoveTree(dir_);
  }

  // A new window program "Demo" in dir_\Demo; returns its folder.
  std::string NewDemo(NewProjectKind kind = NewProjectKind::kWindowProgram) {
    MessageBoxRecorder none(IDOK);
    EXPECT_TRUE(CreateNewProject(NewProjectInput{"Demo", dir_ + "Demo", kind}));
    EXPECT_TRUE(none.texts.empty()) << none.texts[0];
    return dir_ + "Demo\\";
  }

  std::string dir_;
  std::string templatePath_;
};

TEST_F(Projects, NewProjectWithAFileTwoIconsAndAWindowSavesBackByteIdentical) {
  const std::string pd = NewDemo();
  EXPECT_EQ(g_app.project.projectDir, pd);
  EXPECT_EQ(FrameText().substr(0, 14), "Quillet - Demo");
  EXPECT_EQ(g_app.settings.projectHistory.paths.at(0), pd + "Demo.pj");
  // The main source is open.
  ASSERT_GE(OpenSlot(pd + "Demo.bas"), 0);
  EXPECT_EQ(ReadTestFile(pd + "Demo.bas"), MainSourceText(NewProjectKind::kWindowProgram, "Demo"));

  ASSERT_TRUE(WriteWholeFile(pd + "Util.sbp", "' util\r\n"));
  ASSERT_TRUE(CreateDirectoryA((pd + "res").c_str(), nullptr));
  ASSERT_TRUE(WriteWholeFile(pd + "res\\a.ico", "a"));
  ASSERT_TRUE(WriteWholeFile(pd + "res\\表.ico", "b"));
  MessageBoxRecorder boxes(IDOK);
  ASSERT_TRUE(AddProjectFile(pd + "Util.sbp"));
  AddResourceFile(ResourceKind::kIcon, pd + "res\\a.ico");
  AddResourceFile(ResourceKind::kIcon, pd + "res\\表.ico");
  ASSERT_TRUE(CreateWindowDefinitionFrom(NewWindowInput{"Main", "hMain", "MainProc", WindowType::kWindow}));
  EXPECT_TRUE(g_app.project.windowsModified && g_app.project.resourcesModified && g_app.project.projectModified);
  ASSERT_TRUE(SaveProject());
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_FALSE(g_app.project.AnyModified());

  const Files saved = Snapshot(pd);
  for (const char* name : {"Demo.bas", "Demo.pj", "Demo.idx", "Demo.wrk", "Demo.wnd", "Demo.rc", "resource.sbp",
                           "Util.sbp", "Main.sbp", "Callback.wbp", "MakeWindow.wbp"})
    EXPECT_EQ(saved.count(name), 1u) << name;
  EXPECT_EQ(saved.size(), 11u);
  // Written by hand from the formats.
  EXPECT_EQ(saved.at("Demo.idx"),
            "' インデックス プログラム\r\n\r\n'Win32APIの定義ファイル\r\n#include <api_commctrl.sbp>\r\n\r\n"
            "'RADツールが生成するウィンドウ制御プログラム\r\n#include \"Callback.wbp\"\r\n\r\n"
            "'プロジェクト内のプログラム ファイル\r\n#include \"Util.sbp\"\r\n#include \"Main.sbp\"\r\n\r\n"
            "'RADツールが生成するウィンドウ生成プログラム\r\n#include \"MakeWindow.wbp\"\r\n\r\n"
            "'リソースファイル\r\n#include \"resource.sbp\"\r\n#resource \"Demo.rc\"\r\n");
  EXPECT_EQ(saved.at("resource.sbp"), "Const IDI_ICON1=101\r\nConst IDI_ICON2=102\r\n");
  // Every 0x5C byte doubled, 表's second byte as well.
  EXPECT_EQ(saved.at("Demo.rc"), "IDI_ICON1 ICON \"res\\\\a.ico\"\r\nIDI_ICON2 ICON \"res\\\\表\\.ico\"\r\n");
  EXPECT_NE(saved.at("Main.sbp").find("' Main のイベント処理 (プロジェクト Demo)\r\n"), std::string::npos);
  EXPECT_NE(saved.at("Demo.pj").find("#RESOURCE=Demo.rc\r\n\r\n#SOURCE\r\nDemo.bas\r\nUtil.sbp\r\nMain.sbp\r\n"),
            std::string::npos);
  EXPECT_EQ(saved.at("Demo.wrk"), "case4\r\n\r\ntext,\"Demo.bas\",0,0,0,0\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0");

  ASSERT_TRUE(CloseProject());
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_FALSE(ProjectIsOpen());
  EXPECT_EQ(FrameText().substr(0, 7), "Quillet");
  EXPECT_EQ(FrameText().find("Demo"), std::string::npos);
  EXPECT_LT(OpenSlot(pd + "Demo.bas"), 0);
  EXPECT_TRUE(MenuGreyed(ID_PROJECT_SAVE));
  EXPECT_EQ(Snapshot(pd), saved);

  ASSERT_TRUE(OpenProjectByPath(pd + "Demo.pj"));
  EXPECT_FALSE(MenuGreyed(ID_PROJECT_SAVE));
  EXPECT_EQ(g_app.project.sourceFiles.size(), 3u);
  EXPECT_EQ(g_app.project.icons.size(), 2u);
  ASSERT_EQ(g_app.project.windows.size(), 1u);
  EXPECT_GE(OpenSlot(pd + "Demo.bas"), 0);
  // Every file written again from what was read.
  g_app.project.windowsModified = g_app.project.resourcesModified = g_app.project.projectModified = true;
  ASSERT_TRUE(SaveProject());
  EXPECT_TRUE(boxes.texts.empty());
  EXPECT_EQ(Snapshot(pd), saved);
}

TEST_F(Projects, TheSaveQuestionCancelsDeclinesOrSaves) {
  const std::string pd = NewDemo();
  const std::string pj = pd + "Demo.pj";
  const std::string before = ReadTestFile(pj);
  ASSERT_TRUE(WriteWholeFile(pd + "Util.sbp", "' util\r\n"));
  {
    MessageBoxRecorder boxes(IDCANCEL);
    ASSERT_TRUE(AddProjectFile(pd + "Util.sbp"));
    EXPECT_FALSE(CloseProject());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"Demo\" プロジェクトは変更されています。保存しますか？");
    EXPECT_EQ(boxes.captions[0], "Quillet");
    EXPECT_EQ(boxes.types[0], static_cast<unsigned>(MB_YESNOCANCEL | MB_ICONEXCLAMATION));
    EXPECT_TRUE(ProjectIsOpen());
    EXPECT_TRUE(g_app.project.projectModified);
    // Closing the frame is refused the same way.
    SendMessageA(g_app.frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(g_app.frame));
    EXPECT_TRUE(ProjectIsOpen());
  }
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_TRUE(CloseProject());
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_FALSE(ProjectIsOpen());
    EXPECT_EQ(ReadTestFile(pj), before);
  }
  ASSERT_TRUE(OpenProjectByPath(pj));
  {
    MessageBoxRecorder boxes(IDYES);
    ASSERT_TRUE(AddProjectFile(pd + "Util.sbp"));
    // A modified project document is saved with the project.
    const int slot = OpenSlot(pd + "Demo.bas");
    ASSERT_GE(slot, 0);
    EditSelection(Editable(slot), "' x\r\n");
    EXPECT_TRUE(CloseProject());
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(ReadTestFile(pj).find("Util.sbp"), std::string::npos);
    EXPECT_EQ(ReadTestFile(pd + "Demo.bas").substr(0, 5), "' x\r\n");
    EXPECT_LT(OpenSlot(pd + "Demo.bas"), 0);
  }
  ASSERT_TRUE(OpenProjectByPath(pj));
  {
    // Only the document is modified: that is enough to ask.
    MessageBoxRecorder boxes(IDCANCEL);
    EditSelection(Editable(OpenSlot(pd + "Demo.bas")), "' y\r\n");
    EXPECT_FALSE(g_app.project.AnyModified());
    EXPECT_FALSE(CloseProject());
    EXPECT_EQ(boxes.texts.size(), 1u);
    Doc(OpenSlot(pd + "Demo.bas")).modified = false;
  }
  {
    // Nothing modified: no question, and the work state is written all the same.
    MessageBoxRecorder boxes(IDCANCEL);
    View(OpenSlot(pd + "Demo.bas")).SetSelection(0, 0, false);
    ASSERT_TRUE(DeleteFileA((pd + "Demo.wrk").c_str()));
    EXPECT_TRUE(CloseProject());
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(ReadTestFile(pd + "Demo.wrk"), "case4\r\n\r\ntext,\"Demo.bas\",0,0,0,0\r\n\r\n0\r\n1\r\n0\r\n0,0,0,0,0");
  }
}

TEST_F(Projects, AFailedWriteIsReportedAndKeepsTheProjectModified) {
  const std::string pd = NewDemo();
  const std::string idx = pd + "Demo.idx";
  ASSERT_TRUE(WriteWholeFile(pd + "Util.sbp", "' util\r\n"));
  ASSERT_TRUE(AddProjectFile(pd + "Util.sbp"));
  ASSERT_TRUE(SetFileAttributesA(idx.c_str(), FILE_ATTRIBUTE_READONLY));
  {
    MessageBoxRecorder boxes(IDOK);
    EXPECT_FALSE(SaveProject());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + idx + "\" ファイルへの書き込みに失敗しました。");
    EXPECT_EQ(boxes.captions[0], "エラー");
    EXPECT_TRUE(g_app.project.projectModified);
    // The save went on with the other files.
    EXPECT_NE(ReadTestFile(pd + "Demo.pj").find("Util.sbp"), std::string::npos);
    EXPECT_EQ(ReadTestFile(idx).find("Util.sbp"), std::string::npos);
  }
  {
    // Yes with a failing save keeps the project open and modified.
    MessageBoxRecorder boxes(IDYES);
    EXPECT_FALSE(CloseProject());
    EXPECT_EQ(boxes.texts.size(), 2u);
    EXPECT_TRUE(ProjectIsOpen());
    EXPECT_TRUE(g_app.project.projectModified);
  }
  ASSERT_TRUE(SetFileAttributesA(idx.c_str(), FILE_ATTRIBUTE_NORMAL));
  {
    MessageBoxRecorder boxes(IDYES);
    EXPECT_TRUE(CloseProject());
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(ReadTestFile(idx).find("#include \"Util.sbp\""), std::string::npos);
  }
}

TEST_F(Projects, WindowDefinitionsAreCheckedWrittenAndDeleted) {
  const std::string pd = NewDemo();
  ProjectState& p = g_app.project;
  {
    MessageBoxRecorder boxes(IDOK);
    ASSERT_TRUE(CreateWindowDefinitionFrom(NewWindowInput{"Main", "hMain", "MainProc", WindowType::kWindow}));
    EXPECT_FALSE(CreateWindowDefinitionFrom(NewWindowInput{"main", "hX", "XProc", WindowType::kModalDialog}));
    EXPECT_FALSE(CreateWindowDefinitionFrom(NewWindowInput{"Other", "hMain", "OtherProc", WindowType::kModalDialog}));
    EXPECT_FALSE(CreateWindowDefinitionFrom(NewWindowInput{"..\\x", "hx", "xProc", WindowType::kModalDialog}));
    ASSERT_EQ(boxes.texts.size(), 3u);
    EXPECT_EQ(boxes.texts[0], "\"main.sbp\" ファイルは既にプロジェクト内に存在します。");
    EXPECT_EQ(boxes.texts[1], "\"hMain\" ハンドルは既にプロジェクト内に存在します。");
    EXPECT_EQ(boxes.captions[1], "エラー");
    EXPECT_EQ(boxes.texts[2].rfind("\"..\\x\" はウィンドウ名に使えません。", 0), 0u);
    EXPECT_EQ(p.windows.size(), 1u);
    EXPECT_EQ(p.sourceFiles.size(), 2u);
  }
  // A source on disk that the project does not hold is replaced only when the user says so.
  const std::string second = pd + "Second.sbp";
  ASSERT_TRUE(WriteWholeFile(second, "mine"));
  const NewWindowInput secondInput{"Second", "hSecond", "SecondProc", WindowType::kModelessDialog};
  {
    MessageBoxRecorder boxes(IDNO);
    EXPECT_FALSE(CreateWindowDefinitionFrom(secondInput));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + second + "\" ファイルは既に存在します。置き換えますか？");
    EXPECT_EQ(ReadTestFile(second), "mine");
    EXPECT_EQ(p.windows.size(), 1u);
  }
  {
    MessageBoxRecorder boxes(IDYES);
    EXPECT_TRUE(CreateWindowDefinitionFrom(secondInput));
    EXPECT_EQ(ReadTestFile(second).substr(0, 4), "'---");
    EXPECT_EQ(p.windows.size(), 2u);
  }
  // Without the template nothing changes.
  ASSERT_TRUE(DeleteFileA(templatePath_.c_str()));
  {
    MessageBoxRecorder boxes(IDOK);
    EXPECT_FALSE(CreateWindowDefinitionFrom(NewWindowInput{"Third", "hThird", "ThirdProc", WindowType::kWindow}));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "\"" + templatePath_ + "\" ファイルの読み込みに失敗しました。");
    EXPECT_FALSE(FileExists(pd + "Third.sbp"));
    EXPECT_EQ(p.windows.size(), 2u);
    EXPECT_EQ(p.sourceFiles.size(), 3u);
  }
  // Deleting asks first; the window's source stays in the project and on disk.
  {
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_FALSE(DeleteMaterialAfterQuestion(MaterialRef{MaterialKind::kWindow, 0}));
    EXPECT_EQ(p.windows.size(), 2u);
  }
  {
    MessageBoxRecorder boxes(IDOK);
    ASSERT_TRUE(SaveProject());
    EXPECT_TRUE(DeleteMaterialAfterQuestion(MaterialRef{MaterialKind::kWindow, 0}));
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "Main ウィンドウをプロジェクトから削除します。よろしいですか？");
    EXPECT_EQ(boxes.types[0], static_cast<unsigned>(MB_OKCANCEL | MB_ICONWARNING));
    ASSERT_EQ(p.windows.size(), 1u);
    EXPECT_EQ(p.windows[0].name, "Second");
    EXPECT_EQ(p.sourceFiles.size(), 3u);
    EXPECT_TRUE(FileExists(pd + "Main.sbp"));
    // The last window gone: the .wnd is written empty, not left behind.
    DeleteWindowDefinitionAt(0);
    ASSERT_TRUE(SaveProject());
    EXPECT_TRUE(boxes.texts.size() == 1u);
    EXPECT_EQ(ReadTestFile(pd + "Demo.wnd"), "");
    EXPECT_EQ(ReadTestFile(pd + "Demo.idx").find("Callback.wbp"), std::string::npos);
  }
}

TEST_F(Projects, ResourcesGetIdsMainIconAndRemoval) {
  const std::string pd = NewDemo();
  ProjectState& p = g_app.project;
  MessageBoxRecorder boxes(IDOK);
  for (const char* icon : {"a.ico", "b.ico", "c.ico"}) AddResourceFile(ResourceKind::kIcon, pd + icon);
  AddResourceFile(ResourceKind::kBitmap, pd + "back.bmp");
  AddResourceFile(ResourceKind::kCursor, pd + "hand.cur");
  EXPECT_FALSE(ChangeResourceIdTo(ResourceKind::kIcon, 1, "IDB_BITMAP1"));
  EXPECT_FALSE(ChangeResourceIdTo(ResourceKind::kIcon, 1, "1st"));
  ASSERT_EQ(boxes.texts.size(), 2u);
  EXPECT_EQ(boxes.texts[0], "ID \"IDB_BITMAP1\" は既にプロジェクト内に存在します。");
  EXPECT_EQ(boxes.captions[0], "エラー");
  EXPECT_EQ(p.icons[1].idName, "IDI_ICON2");
  EXPECT_TRUE(ChangeResourceIdTo(ResourceKind::kIcon, 1, "IDI_APP"));
  MakeMainIcon(1);
  EXPECT_EQ(p.icons[0].idName, "IDI_APP");
  EXPECT_EQ(p.icons[1].idName, "IDI_ICON1");
  // Removing the main icon makes the next one the main icon; the file is not touched.
  EXPECT_TRUE(DeleteMaterialAfterQuestion(MaterialRef{MaterialKind::kIcon, 0}));
  EXPECT_EQ(boxes.texts.back(), "IDI_APP アイコンをプロジェクトから削除します。よろしいですか？");
  ASSERT_TRUE(SaveProject());
  EXPECT_EQ(ReadTestFile(pd + "resource.sbp"),
            "Const IDC_CURSOR1=101\r\nConst IDB_BITMAP1=102\r\nConst IDI_ICON1=103\r\nConst IDI_ICON3=104\r\n");
  EXPECT_EQ(ReadTestFile(pd + "Demo.rc"),
            "IDC_CURSOR1 CURSOR \"hand.cur\"\r\nIDB_BITMAP1 BITMAP \"back.bmp\"\r\nIDI_ICON1 ICON \"a.ico\"\r\n"
            "IDI_ICON3 ICON \"c.ico\"\r\n");
  // With every resource gone the script keeps its name.
  for (ResourceKind k : {ResourceKind::kCursor, ResourceKind::kBitmap, ResourceKind::kIcon, ResourceKind::kIcon})
    RemoveResourceAt(k, 0);
  ASSERT_TRUE(SaveProject());
  EXPECT_NE(ReadTestFile(pd + "Demo.pj").find("#RESOURCE=Demo.rc\r\n"), std::string::npos);
  EXPECT_EQ(ReadTestFile(pd + "Demo.rc"), "");
  EXPECT_EQ(ReadTestFile(pd + "Demo.idx").find("resource.sbp"), std::string::npos);
}

TEST_F(Projects, ProjectCommandsAreGreyedWithoutAProjectAndRecentProjectsReopen) {
  for (UINT id : {ID_PROJECT_CLOSE, ID_PROJECT_SAVE, ID_PV_ADDFILE, ID_PV_NEWWINDOW, ID_PV_ADDICON, ID_PV_ADDBITMAP,
                  ID_PV_ADDCURSOR, ID_PV_CHANGEID, ID_PV_MAINICON, ID_PV_DELETEMATERIAL, ID_PV_REMOVEFILE})
    EXPECT_TRUE(MenuGreyed(id)) << id;
  EXPECT_FALSE(MenuGreyed(ID_PROJECT_OPEN));
  EXPECT_FALSE(MenuGreyed(ID_PROJECT_NEW));
  const std::string pd = NewDemo();
  EXPECT_FALSE(MenuGreyed(ID_PROJECT_CLOSE));
  EXPECT_FALSE(MenuGreyed(ID_PV_NEWWINDOW));

  MessageBoxRecorder boxes(IDOK);
  DispatchCommand(ID_PROJECT_CLOSE);
  EXPECT_FALSE(ProjectIsOpen());
  // The recent-projects menu lists the project as command 200.
  SendMessageA(g_app.frame, WM_INITMENU, reinterpret_cast<WPARAM>(g_app.mainMenu->handle()), 0);
  ASSERT_NE(g_app.recentProjectsMenu, nullptr);
  ASSERT_EQ(GetMenuItemCount(g_app.recentProjectsMenu), 1);
  char text[MAX_PATH] = {};
  GetMenuStringA(g_app.recentProjectsMenu, ID_RECENT_PROJECT_FIRST, text, sizeof text, MF_BYCOMMAND);
  EXPECT_EQ(std::string(text), pd + "Demo.pj");
  DispatchCommand(ID_RECENT_PROJECT_FIRST);
  EXPECT_TRUE(ProjectIsOpen());
  EXPECT_EQ(g_app.project.projectName, "Demo");
  // Save through the command.
  ASSERT_TRUE(WriteWholeFile(pd + "Util.sbp", ""));
  ASSERT_TRUE(AddProjectFile(pd + "Util.sbp"));
  DispatchCommand(ID_PROJECT_SAVE);
  EXPECT_FALSE(g_app.project.AnyModified());
  EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(Projects, TheWorkStateRestoresDocumentsClampedAndAProjectFileOpensFromTheShell) {
  const std::string other = NewDemo() + "Demo.pj";
  ASSERT_TRUE(CloseProject());
  const std::string pd = dir_ + "Hand\\";
  ASSERT_TRUE(CreateDirectoryA(pd.c_str(), nullptr));
  std::string text;
  for (int i = 0; i < 200; ++i) text += "Print \"line\"\r\n";
  ASSERT_TRUE(WriteWholeFile(pd + "Hand.bas", text));
  ASSERT_TRUE(WriteWholeFile(pd + "Short.sbp", "ab"));
  ASSERT_TRUE(WriteWholeFile(pd + "Hand.pj",
                             "' Orvenic Project file.\r\n\r\n#VERSION=10\r\n\r\n#MODULETYPE=0\r\n\r\n#NAME=Hand\r\n\r\n"
                             "#PLATFORM=32\r\n\r\n#USEWINDOW=0\r\n\r\n#OPTION=&H00000000\r\n\r\n#OUTPUT_RELEASE=\r\n\r\n"
                             "#OUTPUT_DEBUG=\r\n\r\n#DEBUG_CMD_LINE=\r\n\r\n#DEBUG_EXE_PATH=\r\n\r\n#RESOURCE=0\r\n\r\n"
                             "#SOURCE\r\nHand.bas\r\nShort.sbp\r\n"));
  // Short.sbp shrank since; Gone.sbp and the window are no longer in the project.
  ASSERT_TRUE(WriteWholeFile(pd + "Hand.wrk",
                             "case4\r\n\r\ntext,\"Short.sbp\",3,40,900,5000\r\ntext,\"Gone.sbp\",0,0,0,0\r\nrad,Old\r\n"
                             "text,\"Hand.bas\",0,120,28,14\r\n\r\n2\r\n0\r\n1\r\n1,0,1"));
  MessageBoxRecorder boxes(IDOK);
  OpenPathFromShell(pd + "Hand.pj");
  ASSERT_TRUE(ProjectIsOpen());
  EXPECT_TRUE(boxes.texts.empty());
  const int hand = OpenSlot(pd + "Hand.bas"), shortSlot = OpenSlot(pd + "Short.sbp");
  ASSERT_GE(hand, 0);
  ASSERT_GE(shortSlot, 0);
  EXPECT_EQ(ActiveSlot(), hand);  // the last one listed is on top
  int s = 0, e = 0;
  Doc(hand).SelectionBytes(s, e);
  EXPECT_EQ(s, 14);
  EXPECT_EQ(e, 28);
  EXPECT_EQ(View(hand).ScrollPos(SB_VERT), 120);
  Doc(shortSlot).SelectionBytes(s, e);
  EXPECT_EQ(s, 2);
  EXPECT_EQ(e, 2);
  EXPECT_EQ(View(shortSlot).ScrollPos(SB_VERT), 0);
  // Saved back: the documents in Z order, the view state as it was read.
  ASSERT_TRUE(WriteWorkState());
  EXPECT_EQ(ReadTestFile(pd + "Hand.wrk"),
            "case4\r\n\r\ntext,\"Short.sbp\",0,0,2,2\r\ntext,\"Hand.bas\",0,120,14,28\r\n\r\n2\r\n0\r\n1\r\n1,0,1");

  // A project file dropped on the frame replaces the open project.
  const size_t bytes = sizeof(DROPFILES) + other.size() + 2;
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), other.c_str(), other.size());
  GlobalUnlock(drop);
  SendMessageA(g_app.frame, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(g_app.project.projectName, "Demo");
  EXPECT_LT(OpenSlot(pd + "Hand.bas"), 0);
  EXPECT_TRUE(boxes.texts.empty());

  // A malformed project file is reported and nothing changes.
  ASSERT_TRUE(WriteWholeFile(pd + "Bad.pj", "' Orvenic Project file.\r\n\r\n#VERSION=x\r\n"));
  EXPECT_FALSE(OpenProjectByPath(pd + "Bad.pj"));
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.captions[0], "エラー");
  EXPECT_EQ(g_app.project.projectName, "Demo");
}
