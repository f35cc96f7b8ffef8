// The find dialog (119): find next, list all, close.
#include "resources/ids.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app.h"

namespace {

void OnFindNext(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, false);
  if (r.text.empty()) return;
  const int slot = ActiveTextSlot();
  if (slot < 0) {
    MessageBeep(MB_OK);
    return;
  }
  FindNextInSlot(dialog, slot, r.text, r.matchCase, r.regex, true);
}

void OnListAll(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, false);
  if (r.text.empty()) return;
  const int slot = ActiveTextSlot();
  if (slot < 0) {
    MessageBeep(MB_OK);
    return;
  }
  if (ShowMatchList(dialog, slot, r.text, r.matchCase, r.regex)) EndDialog(dialog, IDC_FIND_LISTALL);
}

INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: return InitSearchDialog(dialog, false);
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK: OnFindNext(dialog); return TRUE;
        case IDC_FIND_LISTALL: OnListAll(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowFindDialog() {
  if (!g_app.resLib || ActiveTextSlot() < 0) {
    MessageBeep(MB_OK);
    return;
  }
  DialogBoxParamA(g_app.resLib, MAKEINTRESOURCEA(IDD_FIND), g_app.frame, FindDialogProc, 0);
}
