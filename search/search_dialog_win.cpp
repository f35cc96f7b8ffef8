// Shared parts of the find and replace dialogs.
#include <algorithm>

#include "resources/ids.h"
#include "search/find_core.h"
#include "search/find_history.h"
#include "search/search_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app_win.h"
#include "platform/window_object_win.h"
#include "shell/centre_on_frame_win.h"
#include "shell/doc_windows_win.h"

namespace {

// The edit fields take up to 8192 characters; only the first 259 bytes are used.
constexpr int kEditLimit = 8192;

int FillHistory(HWND combo, const SearchHistory& history) {
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  int n = 0;
  for (const std::string& entry : history) {
    if (entry.empty()) break;
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    ++n;
  }
  return n;
}

void RefillHistory(HWND combo, const SearchHistory& history) {
  if (FillHistory(combo, history) > 0) SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

// The selection of the active document as far as a search text can use it.
std::string SelectedText() {
  const int slot = ActiveTextSlot();
  if (slot < 0) return std::string();
  const TextDocument& doc = g_app.docs.slots[slot].Text()->doc;
  int s, e;
  doc.SelectionBytes(s, e);
  if (s >= e) return std::string();
  return TrimSearchText(doc.Substr(s, std::min(e, s + kSearchTextMax + 1)));
}

}  // namespace

int ActiveTextSlot() {
  const int slot = ActiveSlot();
  if (slot < 0) return -1;
  const DocumentSlot& s = g_app.docs.slots[slot];
  return IsTextKind(s.kind) && s.Text() ? slot : -1;
}

namespace {

// The find and replace dialogs as one object, told apart by `replace`.
class SearchDialog {
 public:
  explicit SearchDialog(bool replace) : replace_(replace) {}
  HWND hwnd = nullptr;
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: return InitSearchDialog(hwnd, replace_);
      case WM_COMMAND:
        return (replace_ ? ReplaceDialogCommand(hwnd, LOWORD(wp)) : FindDialogCommand(hwnd, LOWORD(wp))) ? TRUE
                                                                                                           : FALSE;
    }
    return FALSE;
  }

 private:
  bool replace_;
};

}  // namespace

void RunSearchDialog(bool replace) {
  if (!g_app.resLib || ActiveTextSlot() < 0) {
    MessageBeep(MB_OK);
    return;
  }
  SearchDialog dialog(replace);
  DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(replace ? IDD_REPLACE : IDD_FIND), g_app.frame,
                  ObjectDialogProc<SearchDialog>, reinterpret_cast<LPARAM>(&dialog));
}

int SearchTargetSlot(const SearchRequest& r) {
  if (r.text.empty()) return -1;
  const int slot = ActiveTextSlot();
  if (slot < 0) MessageBeep(MB_OK);
  return slot;
}

BOOL InitSearchDialog(HWND dialog, bool replace) {
  const EditorSettings& settings = g_app.settings;
  CentreOnFrame(dialog);
  CheckDlgButton(dialog, IDC_FIND_MATCHCASE, settings.IsFindStrBigSmall ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(dialog, IDC_FIND_REGEXP, settings.IsRegExp ? BST_CHECKED : BST_UNCHECKED);
  HWND find = GetDlgItem(dialog, IDC_FIND_TEXT);
  SendMessageA(find, CB_LIMITTEXT, kEditLimit, 0);
  const int entries = FillHistory(find, settings.findHistory);
  const std::string selected = SelectedText();
  if (!selected.empty()) {
    SetWindowTextA(find, selected.c_str());
  } else if (entries > 0) {
    SendMessageA(find, CB_SETCURSEL, 0, 0);
  }
  if (replace) {
    HWND replacement = GetDlgItem(dialog, IDC_REPLACE_TEXT);
    SendMessageA(replacement, CB_LIMITTEXT, kEditLimit, 0);
    RefillHistory(replacement, settings.replaceHistory);
  }
  SetFocus(find);
  SendMessageA(find, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  return FALSE;
}

std::string ReadSearchText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int len = control ? GetWindowTextLengthA(control) : 0;
  if (len <= 0) return std::string();
  std::string text(static_cast<size_t>(len) + 1, '\0');
  const int got = GetWindowTextA(control, &text[0], len + 1);
  text.resize(static_cast<size_t>(std::clamp(got, 0, len)));
  return TrimSearchText(text);
}

SearchRequest BeginSearch(HWND dialog, bool replace) {
  SearchRequest r;
  r.text = ReadSearchText(dialog, IDC_FIND_TEXT);
  if (replace) r.replacement = ReadSearchText(dialog, IDC_REPLACE_TEXT);
  r.options.matchCase = IsDlgButtonChecked(dialog, IDC_FIND_MATCHCASE) == BST_CHECKED;
  r.options.regex = IsDlgButtonChecked(dialog, IDC_FIND_REGEXP) == BST_CHECKED;
  EditorSettings& settings = g_app.settings;
  settings.IsFindStrBigSmall = r.options.matchCase ? 1 : 0;
  settings.IsRegExp = r.options.regex ? 1 : 0;
  if (r.text.empty()) return r;
  HistoryAdd(settings.findHistory, r.text);
  RefillHistory(GetDlgItem(dialog, IDC_FIND_TEXT), settings.findHistory);
  // An empty replacement is not recorded, and refilling would put the last
  // recorded one into the field in its place.
  if (replace && !r.replacement.empty()) {
    HistoryAdd(settings.replaceHistory, r.replacement);
    RefillHistory(GetDlgItem(dialog, IDC_REPLACE_TEXT), settings.replaceHistory);
  }
  return r;
}

void FindNextFromDialog(HWND dialog) {
  const SearchRequest r = BeginSearch(dialog, false);
  const int slot = SearchTargetSlot(r);
  if (slot >= 0) FindNextInSlot(dialog, slot, r.text, r.options, true);
}
