// The replace dialog (129): find next, replace, replace all, close.
#include "resources/ids.h"
#include "search/regex_adapter_win.h"
#include "search/replace_all.h"
#include "search/replace_selection.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "editor/editor_view_win.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/status_text.h"

namespace {

void OnReplace(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, true);
  const int slot = SearchTargetSlot(r);
  if (slot < 0) return;
  EditorView& view = *EditorOf(slot);
  const SearchHit done = ReplaceMatchInSelection(view.Text(), r.text, r.replacement, r.options, &RegexLibrary());
  if (done.Error()) {
    ShowRegexError(dialog, done.errorText);
    return;
  }
  if (done.Found()) view.AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  FindNextInSlot(dialog, slot, r.text, r.options, true);
}

void OnReplaceAll(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, true);
  const int slot = SearchTargetSlot(r);
  if (slot < 0) return;
  EditorView& view = *EditorOf(slot);
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  const ReplaceAllOutcome done =
      ReplaceAllInDocument(view.Text(), r.text, r.replacement, r.options, &RegexLibrary());
  SetCursor(previous);
  view.AfterCommand(AfterEdit{ScrollToCaret::kNormal, true});
  RefreshStatusBar(FormatReplacedCount(done.count).c_str());
  if (done.status == SearchStatus::kError) ShowRegexError(dialog, done.errorText);
}

}  // namespace

bool ReplaceDialogCommand(HWND dialog, UINT id) {
  switch (id) {
    case IDOK:
    case IDC_REPLACE_NEXT: FindNextFromDialog(dialog); return true;
    case IDC_REPLACE_ONE: OnReplace(dialog); return true;
    case IDC_REPLACE_ALL: OnReplaceAll(dialog); return true;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return true;
  }
  return false;
}

void ShowReplaceDialog() { RunSearchDialog(true); }
