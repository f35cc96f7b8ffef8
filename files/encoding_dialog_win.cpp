// Dialog 274: the active document's character set and newline code; OK saves.
#include "files/charset_names.h"
#include "files/encoding_dialog.h"
#include "files/open_save.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/centre_on_frame_win.h"
#include "shell/doc_windows_win.h"

namespace {

BOOL OnInit(HWND dialog, int slot) {
  CentreOnFrame(dialog);
  SetWindowLongPtrA(dialog, DWLP_USER, slot);
  if (slot < 0 || !IsTextKind(g_app.docs.slots[slot].kind)) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  const TextDocument& doc = *g_app.docs.slots[slot].text;
  HWND charsets = GetDlgItem(dialog, IDC_ENC_CHARSET);
  for (int i = 0; i < kCharsetCount; ++i) SendMessageA(charsets, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CharsetName(i)));
  SendMessageA(charsets, LB_SETCURSEL, doc.charset, 0);
  HWND newlines = GetDlgItem(dialog, IDC_ENC_NEWLINE);
  for (int i = 0; i < kNewlineCount; ++i)
    SendMessageA(newlines, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(NewlineDialogEntry(i)));
  SendMessageA(newlines, LB_SETCURSEL, doc.newline, 0);
  return TRUE;
}

// The new codes stay in the document even when saving does not complete.
void OnOk(HWND dialog) {
  const int slot = static_cast<int>(GetWindowLongPtrA(dialog, DWLP_USER));
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse() || !s.text) {
    EndDialog(dialog, IDCANCEL);
    return;
  }
  const int charset = static_cast<int>(SendDlgItemMessageA(dialog, IDC_ENC_CHARSET, LB_GETCURSEL, 0, 0));
  const int newline = static_cast<int>(SendDlgItemMessageA(dialog, IDC_ENC_NEWLINE, LB_GETCURSEL, 0, 0));
  if (charset >= 0) s.text->charset = charset;
  if (newline >= 0) s.text->newline = newline;
  RefreshStatusBar();
  if (SaveDocument(slot, nullptr)) EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK EncodingDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: return OnInit(dialog, static_cast<int>(lp));
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDOK: OnOk(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowEncodingDialog() {
  if (!g_app.resLib) return;
  DialogBoxParamA(g_app.resLib, MAKEINTRESOURCEA(IDD_ENCODING), g_app.frame, EncodingDialogProc, ActiveSlot());
}
