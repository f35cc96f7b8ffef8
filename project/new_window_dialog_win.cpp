// Dialog 161: a new window definition's names and type.
#include "platform/window_object_win.h"
#include "project/project_dialogs_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"

namespace {

std::string ItemText(HWND dialog, int id) {
  char text[kMaxPathBytes + 1] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

class NewWindowDialog {
 public:
  explicit NewWindowDialog(NewWindowInput& input) : input_(input) {}
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
    for (int id : {IDC_NEWWIN_NAME, IDC_NEWWIN_HANDLE, IDC_NEWWIN_PROC})
      SendDlgItemMessageA(hwnd, id, EM_LIMITTEXT, kMaxPathBytes, 0);
    CheckDlgButton(hwnd, IDC_NEWWIN_AUTONAMES, BST_CHECKED);
    CheckRadioButton(hwnd, IDC_NEWWIN_WINDOW, IDC_NEWWIN_MODELESS, IDC_NEWWIN_MODAL);
    FollowName();
    return TRUE;
  }

  BOOL OnCommand(int id, int code) {
    switch (id) {
      case IDC_NEWWIN_NAME:
        if (code == EN_CHANGE) FollowName();
        return TRUE;
      case IDC_NEWWIN_AUTONAMES:
        if (code == BN_CLICKED) FollowName();
        return TRUE;
      case IDOK: OnOk(); return TRUE;
      case IDCANCEL: EndDialog(hwnd, IDCANCEL); return TRUE;
    }
    return FALSE;
  }

  bool AutoNames() const { return IsDlgButtonChecked(hwnd, IDC_NEWWIN_AUTONAMES) == BST_CHECKED; }

  // While the box is checked the handle and procedure are read-only and
  // derived from the name.
  void FollowName() {
    const bool autoNames = AutoNames();
    for (int id : {IDC_NEWWIN_HANDLE, IDC_NEWWIN_PROC})
      SendDlgItemMessageA(hwnd, id, EM_SETREADONLY, autoNames ? TRUE : FALSE, 0);
    if (!autoNames) return;
    const std::string name = ItemText(hwnd, IDC_NEWWIN_NAME);
    SetDlgItemTextA(hwnd, IDC_NEWWIN_HANDLE, DerivedHandleName(name).c_str());
    SetDlgItemTextA(hwnd, IDC_NEWWIN_PROC, DerivedProcedureName(name).c_str());
  }

  void OnOk() {
    input_.name = ItemText(hwnd, IDC_NEWWIN_NAME);
    input_.handleName = ItemText(hwnd, IDC_NEWWIN_HANDLE);
    input_.procedureName = ItemText(hwnd, IDC_NEWWIN_PROC);
    if (IsDlgButtonChecked(hwnd, IDC_NEWWIN_WINDOW) == BST_CHECKED) input_.type = WindowType::kWindow;
    else if (IsDlgButtonChecked(hwnd, IDC_NEWWIN_MODELESS) == BST_CHECKED) input_.type = WindowType::kModelessDialog;
    else input_.type = WindowType::kModalDialog;
    EndDialog(hwnd, IDOK);
  }

  NewWindowInput& input_;
};

}  // namespace

bool RunNewWindowDialog(HWND owner, NewWindowInput& input) {
  if (!g_app.resLib) return false;
  NewWindowInput edited;
  NewWindowDialog dialog(edited);
  if (DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_NEW_WINDOW), owner, ObjectDialogProc<NewWindowDialog>,
                      reinterpret_cast<LPARAM>(&dialog)) != IDOK)
    return false;
  input = std::move(edited);
  return true;
}
