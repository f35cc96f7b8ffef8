// The character-count dialog: four read-only numbers and a close button.
#include "editor/char_count_dialog_win.h"

#include "editor/editing.h"
#include "resources/ids.h"
#include "shell/app.h"

namespace {

struct CharCountRequest {
  CharCounts counts;
  bool selection = false;
};

void SetNumber(HWND dialog, int id, long long value) {
  SetDlgItemTextA(dialog, id, GroupDigits(value).c_str());
}

void OnInit(HWND dialog, const CharCountRequest& request) {
  if (request.selection) SetWindowTextA(dialog, "選択範囲の文字カウント");
  SetNumber(dialog, IDC_COUNT_BYTES, request.counts.bytes);
  SetNumber(dialog, IDC_COUNT_NONBLANK, request.counts.nonBlank);
  SetNumber(dialog, IDC_COUNT_CHARS, request.counts.chars);
  SetNumber(dialog, IDC_COUNT_LINES, request.counts.lines);
}

INT_PTR CALLBACK CharCountProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      OnInit(dialog, *reinterpret_cast<const CharCountRequest*>(lp));
      // The close button takes the focus, not the first number.
      SetFocus(GetDlgItem(dialog, IDCANCEL));
      return FALSE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) EndDialog(dialog, LOWORD(wp));
      return TRUE;
    case WM_CLOSE:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void CharCountDialog(DocumentSlot& slot, bool selection) {
  if (!slot.text) return;
  TextDocument& doc = *slot.text;
  CharCountRequest request;
  request.selection = selection;
  if (selection) {
    int s, e;
    doc.SelectionBytes(s, e);
    request.counts = CountCharacters(std::string_view(doc.RangePointer(s, e - s), static_cast<size_t>(e - s)));
  } else {
    request.counts = CountCharacters(std::string_view(doc.CStr(), static_cast<size_t>(doc.Length())));
  }
  DialogBoxParamA(g_app.resLib, MAKEINTRESOURCEA(IDD_CHARCOUNT), g_app.frame, CharCountProc,
                  reinterpret_cast<LPARAM>(&request));
}
