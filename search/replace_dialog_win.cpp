// The replace dialog (129): find next, replace, replace all, close.
#include "resources/ids.h"
#include "search/regex_adapter.h"
#include "search/replace_all.h"
#include "search/replace_selection.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app.h"
#include "shell/doc_windows_win.h"

namespace {

void OnReplace(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, true);
  const int slot = SearchTargetSlot(r);
  if (slot < 0) return;
  const SearchHit done =
      ReplaceMatchInSelection(g_app.docs.slots[slot], r.text, r.replacement, r.matchCase, r.regex, &RegexLibrary());
  if (done.Error()) {
    ShowRegexError(dialog, done.errorText);
    return;
  }
  if (done.Found()) {
    RefreshCommandStates();
    RefreshStatusBar();
  }
  FindNextInSlot(dialog, slot, r.text, r.matchCase, r.regex, true);
}

void OnReplaceAll(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, true);
  const int slot = SearchTargetSlot(r);
  if (slot < 0) return;
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  const ReplaceAllOutcome done =
      ReplaceAllInDocument(g_app.docs.slots[slot], r.text, r.replacement, r.matchCase, r.regex, &RegexLibrary());
  SetCursor(previous);
  RefreshCommandStates();
  RefreshStatusBar();
  if (done.status == SearchStatus::kError) ShowRegexError(dialog, done.errorText);
}

INT_PTR CALLBACK ReplaceDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG: return InitSearchDialog(dialog, true);
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK:
        case IDC_REPLACE_NEXT: FindNextFromDialog(dialog); return TRUE;
        case IDC_REPLACE_ONE: OnReplace(dialog); return TRUE;
        case IDC_REPLACE_ALL: OnReplaceAll(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowReplaceDialog() { RunSearchDialog(IDD_REPLACE, ReplaceDialogProc); }
