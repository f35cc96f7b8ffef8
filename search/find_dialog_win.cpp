// The find dialog (119): find next, list all, close.
#include "resources/ids.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"

namespace {

void OnListAll(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, false);
  const int slot = SearchTargetSlot(r);
  if (slot >= 0 && ShowMatchList(dialog, slot, r.text, r.options)) EndDialog(dialog, IDC_FIND_LISTALL);
}

}  // namespace

bool FindDialogCommand(HWND dialog, UINT id) {
  switch (id) {
    case IDOK: FindNextFromDialog(dialog); return true;
    case IDC_FIND_LISTALL: OnListAll(dialog); return true;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return true;
  }
  return false;
}

void ShowFindDialog() { RunSearchDialog(false); }
