// The match list (126): a modeless window owned by the frame with one entry
// per matching line; jumping selects that line in the searched document.
#include <algorithm>
#include <vector>

#include "files/paths.h"
#include "resources/ids.h"
#include "search/find_core.h"
#include "search/regex_adapter.h"
#include "search/search_dialogs_win.h"
#include "shell/app.h"
#include "shell/centre_on_frame_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"

namespace {

constexpr int kBand = 26;  // pixels above the list
// A list box line shows this much of a very long line.
constexpr size_t kEntryMax = 1024;

struct MatchListState {
  HWND window = nullptr;
  HWND editor = nullptr;             // editor window of the searched document
  std::vector<int> lineStarts;       // per entry, at the time of the listing
};

MatchListState g_list;

void Layout(HWND window, int width, int height) {
  MoveWindow(GetDlgItem(window, IDC_MATCH_JUMP), 3, 2, 90, kBand - 4, TRUE);
  MoveWindow(GetDlgItem(window, IDCANCEL), 97, 2, 70, kBand - 4, TRUE);
  MoveWindow(GetDlgItem(window, IDC_MATCH_LIST), 0, kBand, width, std::max(height - kBand, 0), TRUE);
}

void OnInit(HWND window) {
  RECT rc;
  GetClientRect(window, &rc);
  Layout(window, rc.right, rc.bottom);
  CentreOnFrame(window);
}

int SlotOfEditor(HWND editor) {
  if (!editor || !IsWindow(editor)) return -1;
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    const DocumentSlot& s = g_app.docs.slots[i];
    if (s.InUse() && s.text && s.text->editor == editor) return i;
  }
  return -1;
}

void Jump(HWND window) {
  const int entry = static_cast<int>(SendDlgItemMessageA(window, IDC_MATCH_LIST, LB_GETCURSEL, 0, 0));
  if (entry < 0 || entry >= static_cast<int>(g_list.lineStarts.size())) return;
  const int slot = SlotOfEditor(g_list.editor);
  if (slot < 0) {
    MessageBeep(MB_OK);
    return;
  }
  DocumentSlot& s = g_app.docs.slots[slot];
  TextDocument& doc = *s.text;
  // The text may have changed since the listing: take the line now holding
  // the recorded offset.
  const int line = doc.LineOfByte(g_list.lineStarts[static_cast<size_t>(entry)]);
  SendMessageA(FrameMdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(s.window), 0);
  doc.SetSelection(doc.LineStart(line), doc.LineEnd(line), true);
  SetFocus(doc.editor);
  RefreshCommandStates();
  RefreshStatusBar();
}

void OnDestroy(HWND window) {
  if (g_list.window == window) g_list = MatchListState();
}

INT_PTR CALLBACK MatchListProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: OnInit(window); return TRUE;
    case WM_SIZE: Layout(window, LOWORD(lp), HIWORD(lp)); return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK:
        case IDC_MATCH_JUMP: Jump(window); return TRUE;
        case IDC_MATCH_LIST:
          if (HIWORD(wp) == LBN_DBLCLK) Jump(window);
          return TRUE;
        case IDCANCEL: DestroyWindow(window); return TRUE;
      }
      break;
    case WM_DESTROY: OnDestroy(window); return FALSE;
  }
  return FALSE;
}

std::string Shown(const std::string& text) {
  if (text.size() <= kEntryMax) return text;
  return std::string(TruncateSjis(text, kEntryMax)) + "...";
}

void Fill(HWND window, const MatchList& found, const std::string& text) {
  HWND list = GetDlgItem(window, IDC_MATCH_LIST);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_INITSTORAGE, found.entries.size(), found.entries.size() * 64);
  HDC dc = GetDC(list);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const MatchListEntry& e : found.entries) {
    const std::string shown = Shown(e.text);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    SIZE size{};
    if (GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size))
      widest = std::max(widest, static_cast<int>(size.cx));
  }
  SelectObject(dc, oldFont);
  ReleaseDC(list, dc);
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 8, 0);
  if (!found.entries.empty()) SendMessageA(list, LB_SETCURSEL, 0, 0);
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  const std::string title =
      "検索結果 - \"" + text + "\" (" + std::to_string(found.entries.size()) + " 行)";
  SetWindowTextA(window, title.c_str());
}

}  // namespace

bool ShowMatchList(HWND owner, int slot, const std::string& text, bool matchCase, bool regex) {
  if (slot < 0 || slot >= DocumentTable::kSlots || !g_app.docs.slots[slot].text || !g_app.resLib) return false;
  TextDocument& doc = *g_app.docs.slots[slot].text;
  MatchList found = FillMatchList(doc.CStr(), doc.Length(), text, matchCase, regex, &RegexLibrary());
  if (found.error) ShowRegexError(owner, found.errorText);
  if (found.error && found.entries.empty()) return false;

  if (g_list.window) DestroyWindow(g_list.window);
  HWND window = CreateDialogParamA(g_app.resLib, MAKEINTRESOURCEA(IDD_MATCHLIST), g_app.frame, MatchListProc, 0);
  if (!window) return false;
  g_list.window = window;
  g_list.editor = doc.editor;
  g_list.lineStarts.clear();
  g_list.lineStarts.reserve(found.entries.size());
  for (const MatchListEntry& e : found.entries) g_list.lineStarts.push_back(e.lineStart);
  Fill(window, found, text);
  ShowWindow(window, SW_SHOW);
  SetFocus(GetDlgItem(window, IDC_MATCH_LIST));
  return true;
}

HWND MatchListWindow() { return g_list.window; }

bool MatchListTakesMessage(MSG* msg) {
  return g_list.window && IsWindow(g_list.window) && IsDialogMessageA(g_list.window, msg);
}
