// Dialog 274: the active document's character set and newline code; OK saves.
#include "files/charset_names.h"
#include "files/encoding_dialog_win.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/centre_on_frame_win.h"
#include "platform/window_object_win.h"
#include "shell/doc_windows_win.h"

namespace {

class EncodingDialog {
 public:
  explicit EncodingDialog(int slot) : slot_(slot) {}
  HWND hwnd = nullptr;

  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
      case WM_INITDIALOG: return OnInit();
      case WM_COMMAND:
        switch (LOWORD(wp)) {
          case IDOK: OnOk(); return TRUE;
          case IDCANCEL: EndDialog(hwnd, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
  }

 private:
  EditableText* Target() const {
    if (slot_ < 0 || slot_ >= DocumentTable::kSlots) return nullptr;
    return g_app.docs.slots[slot_].Text();
  }

  BOOL OnInit() {
    CentreOnFrame(hwnd);
    const EditableText* text = Target();
    if (!text) {
      EndDialog(hwnd, IDCANCEL);
      return TRUE;
    }
    HWND charsets = GetDlgItem(hwnd, IDC_ENC_CHARSET);
    for (int i = 0; i < kCharsetCount; ++i)
      SendMessageA(charsets, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CharsetName(CharsetFromInt(i))));
    SendMessageA(charsets, LB_SETCURSEL, static_cast<WPARAM>(text->doc.charset), 0);
    HWND newlines = GetDlgItem(hwnd, IDC_ENC_NEWLINE);
    for (int i = 0; i < kNewlineCount; ++i)
      SendMessageA(newlines, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(NewlineDialogEntry(NewlineFromInt(i))));
    SendMessageA(newlines, LB_SETCURSEL, static_cast<WPARAM>(text->doc.newline), 0);
    return TRUE;
  }

  // The new codes are the file's only once it was written in them: when the
  // save fails or is cancelled the old ones come back (the status bar and the
  // next Ctrl+S must not claim a conversion that did not happen), and the
  // dialog stays open with the user's choice.
  void OnOk() {
    EditableText* text = Target();
    if (!text) {
      EndDialog(hwnd, IDCANCEL);
      return;
    }
    const Charset oldCharset = text->doc.charset;
    const Newline oldNewline = text->doc.newline;
    const int charset = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_ENC_CHARSET, LB_GETCURSEL, 0, 0));
    const int newline = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_ENC_NEWLINE, LB_GETCURSEL, 0, 0));
    if (charset >= 0) text->doc.charset = CharsetFromInt(charset);
    if (newline >= 0) text->doc.newline = NewlineFromInt(newline);
    if (SaveDocument(slot_, nullptr)) {
      RefreshStatusBar();
      EndDialog(hwnd, IDOK);
      return;
    }
    if (EditableText* still = Target()) {
      still->doc.charset = oldCharset;
      still->doc.newline = oldNewline;
    }
    RefreshStatusBar();
  }

  int slot_;
};

}  // namespace

void ShowEncodingDialog() {
  if (!g_app.resLib) return;
  EncodingDialog dialog(ActiveSlot());
  DialogBoxParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ENCODING), g_app.frame, ObjectDialogProc<EncodingDialog>,
                  reinterpret_cast<LPARAM>(&dialog));
}
