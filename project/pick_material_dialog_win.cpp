// Our chooser of the project record a command acts on.
#include "platform/window_object_win.h"
#include "project/project_dialogs_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"

namespace {

class PickMaterialDialog {
 public:
  PickMaterialDialog(const char* title, const char* prompt, const std::vector<MaterialChoice>& choices)
      : title_(title), prompt_(prompt), choices_(choices) {}
  HWND hwnd = nullptr;
  int picked = -1;

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
    SetWindowTextA(hwnd, title_);
    SetDlgItemTextA(hwnd, IDC_PICK_PROMPT, prompt_);
    HWND list = GetDlgItem(hwnd, IDC_PICK_LIST);
    for (const MaterialChoice& c : choices_)
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.label.c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return TRUE;
  }

  BOOL OnCommand(int id, int code) {
    switch (id) {
      case IDC_PICK_LIST:
        if (code == LBN_DBLCLK) OnOk();
        return TRUE;
      case IDOK: OnOk(); return TRUE;
      case IDCANCEL: EndDialog(hwnd, IDCANCEL); return TRUE;
    }
    return FALSE;
  }

  void OnOk() {
    picked = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_PICK_LIST, LB_GETCURSEL, 0, 0));
    if (picked < 0 || static_cast<size_t>(picked) >= choices_.size()) return;
    EndDialog(hwnd, IDOK);
  }

  const char* title_;
  const char* prompt_;
  const std::vector<MaterialChoice>& choices_;
};

}  // namespace

bool RunPickMaterialDialog(HWND owner, const char* title, const char* prompt,
                           const std::vector<MaterialChoice>& choices, MaterialRef& picked) {
  if (!g_app.resLib || choices.empty()) return false;
  PickMaterialDialog dialog(title, prompt, choices);
  if (DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_PICK_MATERIAL), owner,
                      ObjectDialogProc<PickMaterialDialog>, reinterpret_cast<LPARAM>(&dialog)) != IDOK)
    return false;
  picked = choices[static_cast<size_t>(dialog.picked)].ref;
  return true;
}
