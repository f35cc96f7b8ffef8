// The character-count dialog: four read-only numbers and a close button.
#include "editor/char_count_dialog_win.h"

#include "editor/editing.h"
#include "platform/window_object_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"

namespace {

class CharCountDialogWindow {
 public:
  CharCountDialogWindow(const CharCounts& counts, bool selection) : counts_(counts), selection_(selection) {}
  HWND hwnd = nullptr;

  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: OnInit(); return FALSE;  // the focus has been set
      case WM_COMMAND:
        if (LOWORD(wp) == IDCANCEL || LOWORD(wp) == IDOK) EndDialog(hwnd, LOWORD(wp));
        return TRUE;
      case WM_CLOSE: EndDialog(hwnd, IDCANCEL); return TRUE;
    }
    return FALSE;
  }

 private:
  void SetNumber(int id, long long value) { SetDlgItemTextA(hwnd, id, GroupDigits(value).c_str()); }

  void OnInit() {
    if (selection_) SetWindowTextA(hwnd, "選択範囲の文字カウント");
    SetNumber(IDC_COUNT_BYTES, counts_.bytes);
    SetNumber(IDC_COUNT_NONBLANK, counts_.nonBlank);
    SetNumber(IDC_COUNT_CHARS, counts_.chars);
    SetNumber(IDC_COUNT_LINES, counts_.lines);
    // The close button takes the focus, not the first number.
    SetFocus(GetDlgItem(hwnd, IDCANCEL));
  }

  CharCounts counts_;
  bool selection_;
};

}  // namespace

void CharCountDialog(EditableText& text, bool selection) {
  TextDocument& doc = text.doc;
  CharCounts counts;
  if (selection) {
    int s, e;
    doc.SelectionBytes(s, e);
    counts = CountCharacters(std::string_view(doc.RangePointer(s, e - s), static_cast<size_t>(e - s)), doc.newline);
  } else {
    counts = CountCharacters(std::string_view(doc.CStr(), static_cast<size_t>(doc.Length())), doc.newline);
  }
  CharCountDialogWindow dialog(counts, selection);
  DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_CHARCOUNT), g_app.frame,
                  ObjectDialogProc<CharCountDialogWindow>, reinterpret_cast<LPARAM>(&dialog));
}
