// The find dialog (119): find next, list all, close.
#include "resources/ids.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"

namespace {

void OnListAll(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, false);
  const int slot = SearchTargetSlot(r);
  if (slot >= 0 && ShowMatchList(dialog, slot, r.text, r.matchCase, r.regex)) EndDialog(dialog, IDC_FIND_LISTALL);
}

INT_PTR CALLBACK FindDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: return InitSearchDialog(dialog, false);
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK: FindNextFromDialog(dialog); return TRUE;
        case IDC_FIND_LISTALL: OnListAll(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowFindDialog() { RunSearchDialog(IDD_FIND, FindDialogProc); }
