// Dialog 217: a new ID name.
#include "platform/window_object_win.h"
#include "project/project_dialogs_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"
#include "shell/message_box_win.h"

namespace {

class IdNameDialog {
 public:
  IdNameDialog(const char* title, std::string& name) : title_(title), name_(name) {}
  HWND hwnd = nullptr;

  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: return OnInit();
      case WM_COMMAND:
        switch (LOWORD(wp)) {
          case IDOK: OnOk(); return TRUE;
          case IDCANCEL: EndDialog(hwnd, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
  }

 private:
  BOOL OnInit() {
    CentreOnFrame(hwnd);
    SetWindowTextA(hwnd, title_);
    SendDlgItemMessageA(hwnd, IDC_ID_NAME, EM_LIMITTEXT, kMaxPathBytes, 0);
    SetDlgItemTextA(hwnd, IDC_ID_NAME, name_.c_str());
    SendDlgItemMessageA(hwnd, IDC_ID_NAME, EM_SETSEL, 0, -1);
    return TRUE;
  }

  void OnOk() {
    char text[kMaxPathBytes + 1] = {};
    GetDlgItemTextA(hwnd, IDC_ID_NAME, text, sizeof text);
    if (!*text) {
      QuilletMessageBox(hwnd, "ID名を入力して下さい。", "Quillet", MB_OK | MB_ICONWARNING);
      SetFocus(GetDlgItem(hwnd, IDC_ID_NAME));
      return;
    }
    name_ = text;
    EndDialog(hwnd, IDOK);
  }

  const char* title_;
  std::string& name_;
};

}  // namespace

bool RunIdNameDialog(HWND owner, const char* title, std::string& name) {
  if (!g_app.resLib) return false;
  std::string edited = name;
  IdNameDialog dialog(title, edited);
  if (DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ID_NAME), owner, ObjectDialogProc<IdNameDialog>,
                      reinterpret_cast<LPARAM>(&dialog)) != IDOK)
    return false;
  name = edited;
  return true;
}
