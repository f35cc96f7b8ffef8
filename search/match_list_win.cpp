// The match list (126): a modeless window owned by the frame with one entry
// per matching line; jumping selects that line in the searched document.
#include <algorithm>
#include <vector>

#include "editor/editor_view_win.h"
#include "files/paths.h"
#include "resources/ids.h"
#include "search/find_core.h"
#include "search/match_list_dialog_win.h"
#include "search/regex_adapter_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"

namespace {

constexpr int kBand = 26;  // pixels above the list
// A list box line shows this much of a very long line.
constexpr size_t kEntryMax = 1024;

std::string Shown(const std::string& text) {
  if (text.size() <= kEntryMax) return text;
  return std::string(TruncateSjis(text, kEntryMax)) + "...";
}

}  // namespace

MatchListDialog::~MatchListDialog() { DestroyObjectWindow(hwnd, true); }

INT_PTR MatchListDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: OnInit(); return TRUE;
    case WM_SIZE: Layout(LOWORD(lp), HIWORD(lp)); return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK:
        case IDC_MATCH_JUMP: Jump(); return TRUE;
        case IDC_MATCH_LIST:
          if (HIWORD(wp) == LBN_DBLCLK) Jump();
          return TRUE;
        case IDCANCEL: DestroyWindow(hwnd); return TRUE;
      }
      break;
  }
  return FALSE;
}

void MatchListDialog::Layout(int width, int height) {
  MoveWindow(GetDlgItem(hwnd, IDC_MATCH_JUMP), 3, 2, 90, kBand - 4, TRUE);
  MoveWindow(GetDlgItem(hwnd, IDCANCEL), 97, 2, 70, kBand - 4, TRUE);
  MoveWindow(GetDlgItem(hwnd, IDC_MATCH_LIST), 0, kBand, width, std::max(height - kBand, 0), TRUE);
}

void MatchListDialog::OnInit() {
  RECT rc;
  GetClientRect(hwnd, &rc);
  Layout(rc.right, rc.bottom);
  CentreOnFrame(hwnd);
}

void MatchListDialog::Jump() {
  const int entry = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_MATCH_LIST, LB_GETCURSEL, 0, 0));
  if (entry < 0 || entry >= static_cast<int>(lineStarts_.size())) return;
  // The searched document may have been closed (and its slot reused) meanwhile.
  DocumentSlot& s = g_app.docs.slots[slot_];
  EditorView* view = s.document.get() == target_ ? EditorOf(slot_) : nullptr;
  if (!view) {
    MessageBeep(MB_OK);
    return;
  }
  TextDocument& doc = view->Doc();
  // The text may have changed since the listing: take the line now holding
  // the recorded offset.
  const int line = doc.LineOfByte(lineStarts_[static_cast<size_t>(entry)]);
  SendMessageA(FrameMdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(s.window), 0);
  view->SetSelection(doc.LineStart(line), doc.LineEnd(line), true);
  SetFocus(view->hwnd);
}

void MatchListDialog::Fill(const MatchList& found, const std::string& text) {
  HWND list = GetDlgItem(hwnd, IDC_MATCH_LIST);
  lineStarts_.clear();
  lineStarts_.reserve(found.entries.size());
  for (const MatchListEntry& e : found.entries) lineStarts_.push_back(e.lineStart);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_INITSTORAGE, found.entries.size(), found.entries.size() * 64);
  int widest = 0;
  {
    WindowDC dc(list);
    SelectGuard font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    for (const MatchListEntry& e : found.entries) {
      const std::string shown = Shown(e.text);
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
      SIZE size{};
      if (GetTextExtentPoint32A(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &size))
        widest = std::max(widest, static_cast<int>(size.cx));
    }
  }
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
  if (!found.entries.empty()) SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  const std::string title = "検索結果 - \"" + text + "\" (" + std::to_string(found.entries.size()) + " 行)";
  SetWindowTextA(hwnd, title.c_str());
}

bool ShowMatchList(HWND owner, int slot, const std::string& text, SearchOptions options) {
  EditorView* view = EditorOf(slot);
  if (!view || !g_app.resLib) return false;
  TextDocument& doc = view->Doc();
  MatchList found = FillMatchList(doc.CStr(), doc.Length(), text, options, &RegexLibrary());
  if (found.error) ShowRegexError(owner, found.errorText);
  if (found.error && found.entries.empty()) return false;

  FrameWindow& frame = Frame();
  frame.matchList.reset();  // an open one is closed first
  auto dialog = std::make_unique<MatchListDialog>(slot, g_app.docs.slots[slot].document.get());
  CreateDialogParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_MATCHLIST), g_app.frame,
                     ObjectDialogProc<MatchListDialog>, reinterpret_cast<LPARAM>(dialog.get()));
  if (!dialog->hwnd) return false;
  dialog->Fill(found, text);
  ShowWindow(dialog->hwnd, SW_SHOW);
  SetFocus(GetDlgItem(dialog->hwnd, IDC_MATCH_LIST));
  frame.matchList = std::move(dialog);
  return true;
}

HWND MatchListWindow() {
  if (!g_app.frameWindow || !Frame().matchList) return nullptr;
  return Frame().matchList->hwnd;
}

bool MatchListTakesMessage(MSG* msg) {
  HWND w = MatchListWindow();
  return w && IsWindow(w) && IsDialogMessageA(w, msg);
}
