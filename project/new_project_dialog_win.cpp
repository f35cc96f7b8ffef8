// Our new-project dialog: name, folder and kind of program.
#include <shlobj.h>

#include "platform/window_object_win.h"
#include "project/new_project_win.h"
#include "project/project_dialogs_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"
#include "shell/message_box_win.h"

namespace {

std::string ItemText(HWND dialog, int id) {
  char text[kMaxPathBytes + 1] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

int CALLBACK BrowseCallback(HWND w, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED) SendMessageA(w, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

class NewProjectDialog {
 public:
  explicit NewProjectDialog(NewProjectInput& input) : input_(input), parent_(g_app.settings.ProjectSaveDir) {}
  HWND hwnd = nullptr;

  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: return OnInit();
      case WM_COMMAND: return OnCommand(LOWORD(wp), HIWORD(wp));
    }
    return FALSE;
  }

 private:
  BOOL OnInit() {
    CentreOnFrame(hwnd);
    for (int id : {IDC_NEWPJ_NAME, IDC_NEWPJ_FOLDER}) SendDlgItemMessageA(hwnd, id, EM_LIMITTEXT, kMaxPathBytes, 0);
    CheckRadioButton(hwnd, IDC_NEWPJ_WINDOWPROG, IDC_NEWPJ_CONSOLEPROG, IDC_NEWPJ_WINDOWPROG);
    shownFolder_ = DefaultProjectFolder(parent_, "");
    SetDlgItemTextA(hwnd, IDC_NEWPJ_FOLDER, shownFolder_.c_str());
    return TRUE;
  }

  BOOL OnCommand(int id, int code) {
    switch (id) {
      case IDC_NEWPJ_NAME:
        if (code == EN_CHANGE) FollowName();
        return TRUE;
      case IDC_NEWPJ_BROWSE: Browse(); return TRUE;
      case IDOK: OnOk(); return TRUE;
      case IDCANCEL: EndDialog(hwnd, IDCANCEL); return TRUE;
    }
    return FALSE;
  }

  // The folder follows the name for as long as the user has not typed one.
  void FollowName() {
    if (ItemText(hwnd, IDC_NEWPJ_FOLDER) != shownFolder_) return;
    shownFolder_ = DefaultProjectFolder(parent_, ItemText(hwnd, IDC_NEWPJ_NAME));
    SetDlgItemTextA(hwnd, IDC_NEWPJ_FOLDER, shownFolder_.c_str());
  }

  void Browse() {
    char chosen[MAX_PATH] = {};
    BROWSEINFOA bi{};
    bi.hwndOwner = hwnd;
    bi.pszDisplayName = chosen;
    bi.lpszTitle = "プロジェクトを作成するフォルダを選んでください";
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    bi.lpfn = BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(parent_.c_str());
    LPITEMIDLIST item = SHBrowseForFolderA(&bi);
    if (!item) return;
    const bool ok = SHGetPathFromIDListA(item, chosen) != FALSE;
    CoTaskMemFree(item);
    if (!ok) return;
    parent_ = chosen;
    shownFolder_ = DefaultProjectFolder(parent_, ItemText(hwnd, IDC_NEWPJ_NAME));
    SetDlgItemTextA(hwnd, IDC_NEWPJ_FOLDER, shownFolder_.c_str());
  }

  void OnOk() {
    NewProjectInput in;
    in.name = ItemText(hwnd, IDC_NEWPJ_NAME);
    in.folder = ItemText(hwnd, IDC_NEWPJ_FOLDER);
    in.kind = IsDlgButtonChecked(hwnd, IDC_NEWPJ_CONSOLEPROG) == BST_CHECKED ? NewProjectKind::kConsoleProgram
                                                                             : NewProjectKind::kWindowProgram;
    if (Refusal r = ValidateNewProject(in)) {
      QuilletMessageBox(hwnd, r.message.c_str(), r.caption, MB_OK | MB_ICONWARNING);
      return;
    }
    if (FolderHoldsProject(in.folder)) {
      QuilletMessageBox(hwnd, ProjectFolderTakenMessage(in.folder).c_str(), "Quillet", MB_OK | MB_ICONWARNING);
      return;
    }
    input_ = std::move(in);
    EndDialog(hwnd, IDOK);
  }

  NewProjectInput& input_;
  std::string parent_;       // the folder new projects go into
  std::string shownFolder_;  // what the folder field showed when it last followed the name
};

}  // namespace

bool RunNewProjectDialog(HWND owner, NewProjectInput& input) {
  if (!g_app.resLib) return false;
  NewProjectInput edited;
  NewProjectDialog dialog(edited);
  if (DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_NEW_PROJECT), owner, ObjectDialogProc<NewProjectDialog>,
                      reinterpret_cast<LPARAM>(&dialog)) != IDOK)
    return false;
  input = std::move(edited);
  return true;
}
