// The project's dialogs driven as a user would (new project, new window, ID
// name, the record chooser) and the controls' clipboard format.
#include <windows.h>

#include "app_fixture.h"
#include "files/file_io_win.h"
#include "modal_dialog_support.h"
#include "project/control_clipboard_win.h"
#include "project/new_project_win.h"
#include "project/project_materials_win.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "shell/clipboard_win.h"
#include "shell/command_table_win.h"
#include "test_support.h"

namespace {

bool ReadOnly(HWND dialog, int id) { return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & ES_READONLY) != 0; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

class ProjectDialogs : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("pjdialogs");
    CreateDirectoryA((g_app.ProgramDir + "Ancillar").c_str(), nullptr);
    CopyFileA((TestProgramDir() + "Ancillar\\new_window_template.sbp").c_str(),
              (g_app.ProgramDir + "Ancillar\\new_window_template.sbp").c_str(), FALSE);
    g_app.settings.ProjectSaveDir = dir_ + "MyProjects";
  }
  void TearDown() override {
    AppFixture::TearDown();
    RemoveTree(dir_);
  }
  std::string dir_;
};

TEST_F(ProjectDialogs, NewProjectFolderFollowsTheNameAndATakenFolderIsRefused) {
  // A folder that already holds a project.
  const std::string taken = dir_ + "Taken";
  ASSERT_TRUE(CreateDirectoryA(taken.c_str(), nullptr));
  ASSERT_TRUE(WriteWholeFile(taken + "\\Old.pj", "x"));
  MessageBoxRecorder boxes(IDOK);
  bool stayedOpen = false;
  std::string folderBefore, folderAfter;
  const HWND dialog = RunModalDialog([] { DispatchCommand(ID_PROJECT_NEW); }, [&](HWND d) {
    folderBefore = GetItemText(d, IDC_NEWPJ_FOLDER);
    EXPECT_TRUE(Checked(d, IDC_NEWPJ_WINDOWPROG));
    SetItemText(d, IDC_NEWPJ_NAME, "Hello");
    folderAfter = GetItemText(d, IDC_NEWPJ_FOLDER);
    SetItemText(d, IDC_NEWPJ_FOLDER, taken);
    SetItemText(d, IDC_NEWPJ_NAME, "Hello2");  // an edited folder no longer follows
    EXPECT_EQ(GetItemText(d, IDC_NEWPJ_FOLDER), taken);
    ClickItem(d, IDOK);
    stayedOpen = IsWindow(d) && IsWindowVisible(d);
    SetItemText(d, IDC_NEWPJ_FOLDER, dir_ + "Console");
    ClickItem(d, IDC_NEWPJ_CONSOLEPROG);
    ClickItem(d, IDOK);
  });
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(folderBefore, dir_ + "MyProjects\\");
  EXPECT_EQ(folderAfter, dir_ + "MyProjects\\Hello");
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(boxes.texts.size(), 1u) << boxes.texts.back();
  EXPECT_EQ(boxes.texts[0].rfind("\"" + taken + "\" フォルダには既にプロジェクトがあります。", 0), 0u);
  // The console program was made in the folder typed last.
  ASSERT_TRUE(ProjectIsOpen());
  EXPECT_EQ(g_app.project.projectName, "Hello2");
  EXPECT_EQ(g_app.project.projectDir, dir_ + "Console\\");
  EXPECT_EQ(g_app.project.options, 0u);
  EXPECT_EQ(ReadTestFile(dir_ + "Console\\Hello2.bas"), MainSourceText(NewProjectKind::kConsoleProgram, "Hello2"));
  EXPECT_TRUE(FileExists(dir_ + "Console\\Hello2.pj"));
  EXPECT_TRUE(FileExists(dir_ + "Console\\Hello2.idx"));
  EXPECT_TRUE(FileExists(dir_ + "Console\\Hello2.wrk"));
}

TEST_F(ProjectDialogs, NewWindowDialogDerivesNamesUntilToldOtherwise) {
  ASSERT_TRUE(CreateNewProject(NewProjectInput{"Demo", dir_ + "Demo", NewProjectKind::kWindowProgram}));
  MessageBoxRecorder boxes(IDOK);
  RunModalDialog([] { DispatchCommand(ID_PV_NEWWINDOW); }, [&](HWND d) {
    EXPECT_TRUE(Checked(d, IDC_NEWWIN_AUTONAMES));
    EXPECT_TRUE(Checked(d, IDC_NEWWIN_MODAL));
    EXPECT_TRUE(ReadOnly(d, IDC_NEWWIN_HANDLE));
    EXPECT_TRUE(ReadOnly(d, IDC_NEWWIN_PROC));
    EXPECT_EQ(GetItemText(d, IDC_NEWWIN_HANDLE), "");
    SetItemText(d, IDC_NEWWIN_NAME, "Tool");
    EXPECT_EQ(GetItemText(d, IDC_NEWWIN_HANDLE), "hTool");
    EXPECT_EQ(GetItemText(d, IDC_NEWWIN_PROC), "ToolProc");
    ClickItem(d, IDC_NEWWIN_AUTONAMES);
    EXPECT_FALSE(ReadOnly(d, IDC_NEWWIN_HANDLE));
    SetItemText(d, IDC_NEWWIN_HANDLE, "hToolWnd");
    SetItemText(d, IDC_NEWWIN_NAME, "Tools");  // no longer followed
    EXPECT_EQ(GetItemText(d, IDC_NEWWIN_PROC), "ToolProc");
    ClickItem(d, IDC_NEWWIN_WINDOW);
    ClickItem(d, IDOK);
  });
  EXPECT_TRUE(boxes.texts.empty());
  ASSERT_EQ(g_app.project.windows.size(), 1u);
  const WindowDef& w = g_app.project.windows[0];
  EXPECT_EQ(w.name, "Tools");
  EXPECT_EQ(w.handleName, "hToolWnd");
  EXPECT_EQ(w.callbackName, "ToolProc");
  EXPECT_EQ(w.windowType, WindowType::kWindow);
  EXPECT_EQ(w.filePath, "Tools.sbp");
  EXPECT_TRUE(FileExists(dir_ + "Demo\\Tools.sbp"));
  // Cancel changes nothing.
  RunModalDialog([] { DispatchCommand(ID_PV_NEWWINDOW); }, [](HWND d) { SetItemText(d, IDC_NEWWIN_NAME, "Other"); });
  EXPECT_EQ(g_app.project.windows.size(), 1u);
}

TEST_F(ProjectDialogs, ChangeIdChooserAndIdDialog) {
  ASSERT_TRUE(CreateNewProject(NewProjectInput{"Demo", dir_ + "Demo", NewProjectKind::kWindowProgram}));
  MessageBoxRecorder boxes(IDOK);
  // Nothing to choose: said so, no dialog.
  DispatchCommand(ID_PV_CHANGEID);
  ASSERT_EQ(boxes.texts.size(), 1u);
  EXPECT_EQ(boxes.texts[0], "対象となる項目がプロジェクトにありません。");
  AddResourceFile(ResourceKind::kIcon, dir_ + "a.ico");
  AddResourceFile(ResourceKind::kBitmap, dir_ + "b.bmp");
  std::vector<std::string> listed;
  bool keptOpen = false;
  // The chooser comes first, then the ID dialog with the chosen entry's ID.
  RunModalDialogs([] { DispatchCommand(ID_PV_CHANGEID); },
                  {[&](HWND chooser) {
                     HWND list = GetDlgItem(chooser, IDC_PICK_LIST);
                     for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
                       char text[300] = {};
                       SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                       listed.push_back(text);
                     }
                     SendMessageA(list, LB_SETCURSEL, 1, 0);
                     ClickItem(chooser, IDOK);
                   },
                   [&](HWND d) {
                     char title[64] = {};
                     GetWindowTextA(d, title, sizeof title);
                     EXPECT_EQ(std::string(title), "IDの変更");
                     EXPECT_EQ(GetItemText(d, IDC_ID_NAME), "IDB_BITMAP1");
                     SetItemText(d, IDC_ID_NAME, "");
                     ClickItem(d, IDOK);
                     keptOpen = IsWindow(d) && IsWindowVisible(d);
                     SetItemText(d, IDC_ID_NAME, "IDB_BACK");
                     ClickItem(d, IDOK);
                   }});
  EXPECT_EQ(listed, (std::vector<std::string>{"アイコン: IDI_ICON1 (Main)", "ビットマップ: IDB_BITMAP1"}));
  EXPECT_TRUE(keptOpen);
  ASSERT_EQ(boxes.texts.size(), 2u);
  EXPECT_EQ(boxes.texts[1], "ID名を入力して下さい。");
  EXPECT_EQ(g_app.project.bitmaps[0].idName, "IDB_BACK");
  EXPECT_TRUE(g_app.project.resourcesModified);
}

TEST_F(ProjectDialogs, ControlsTravelThroughTheRegisteredClipboardFormat) {
  ASSERT_NE(g_app.RadClipboardFormat, 0u);
  char name[64] = {};
  GetClipboardFormatNameA(g_app.RadClipboardFormat, name, sizeof name);
  EXPECT_EQ(std::string(name), "Wrenfold-RAD");
  WindowDef source = MakeNewWindowDef("W", "hW", "WProc", WindowType::kWindow);
  ControlDef button;
  button.name = "CommandButton2";
  button.text = "表示";
  button.x = 50;
  button.y = 60;
  source.controls.push_back(button);

  ASSERT_TRUE(CopyControlsToClipboard(source, {0}, true));
  EXPECT_TRUE(ClipboardHasControls());
  WindowDef target = source;
  std::vector<int> pasted = PasteControlsFromClipboard(target);
  ASSERT_EQ(pasted, std::vector<int>{1});
  EXPECT_EQ(target.controls[1].name, "CommandButton3");  // the name is taken here
  EXPECT_EQ(target.controls[1].text, "表示");
  EXPECT_EQ(target.controls[1].x, 50);  // a cut pastes back in place
  EXPECT_EQ(target.controls[1].y, 60);

  ASSERT_TRUE(CopyControlsToClipboard(source, {0}, false));
  WindowDef empty = MakeNewWindowDef("E", "hE", "EProc", WindowType::kWindow);
  pasted = PasteControlsFromClipboard(empty);
  ASSERT_EQ(pasted.size(), 1u);
  EXPECT_EQ(empty.controls[0].name, "CommandButton2");  // free here: kept
  EXPECT_EQ(empty.controls[0].x, 67);

  // Anything else on the clipboard pastes nothing.
  ASSERT_TRUE(PutBytesOnClipboard(g_app.RadClipboardFormat, std::string("\xFF\xFF\xFF\x7F", 4)));
  EXPECT_TRUE(PasteControlsFromClipboard(empty).empty());
  EXPECT_EQ(empty.controls.size(), 1u);
}
