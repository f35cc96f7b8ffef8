#include "modal_dialog_support.h"

#include <deque>

#include "shell/app_win.h"

namespace {

std::deque<DialogSteps> g_steps;
HWND g_first = nullptr;
HWND g_last = nullptr;

BOOL CALLBACK FindModal(HWND w, LPARAM out) {
  char cls[16] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) == "#32770" && IsWindowVisible(w) && GetWindow(w, GW_OWNER) == g_app.frame && w != g_last) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dialog));
  if (!dialog || g_steps.empty()) return;
  g_last = dialog;
  if (!g_first) g_first = dialog;
  DialogSteps steps = std::move(g_steps.front());
  g_steps.pop_front();
  if (g_steps.empty()) KillTimer(nullptr, id);
  if (steps) steps(dialog);
  // Ends the dialog unless the steps did (a second end is harmless).
  if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

HWND RunModalDialogs(const std::function<void()>& open, std::vector<DialogSteps> steps) {
  g_steps.assign(steps.begin(), steps.end());
  g_first = g_last = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
  open();
  KillTimer(nullptr, timer);
  g_steps.clear();
  return g_first;
}

void SetItemText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

std::string GetItemText(HWND dialog, int id) {
  char text[1024] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

void ClickItem(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
