#include "shell/centre_on_frame_win.h"

#include "shell/app_win.h"

void CentreOnFrame(HWND window) {
  RECT frame, box;
  if (!g_app.frame || !GetWindowRect(g_app.frame, &frame) || !GetWindowRect(window, &box)) return;
  const int w = box.right - box.left, h = box.bottom - box.top;
  SetWindowPos(window, nullptr, frame.left + (frame.right - frame.left - w) / 2,
               frame.top + (frame.bottom - frame.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}
