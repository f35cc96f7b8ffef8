#include "shell/message_box_win.h"

#include "platform/window_object_win.h"

namespace {
MessageBoxHook g_hook = nullptr;
}

int QuilletMessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
  if (g_hook) return g_hook(owner, text, caption, type);
  return MessageBoxA(owner, text, caption, type);
}

void ReportEscapedException(HWND window, bool outOfMemory) noexcept {
  // The message box itself must not throw out of here either.
  try {
    const char* text = outOfMemory ? "メモリが不足しているため、操作を完了できませんでした。"
                                   : "内部エラーのため、操作を完了できませんでした。";
    HWND owner = window ? GetAncestor(window, GA_ROOTOWNER) : nullptr;
    QuilletMessageBox(owner, text, "Quillet", MB_OK | MB_ICONERROR);
  } catch (...) {
  }
}

MessageBoxHook SetQuilletMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = g_hook;
  g_hook = hook;
  return previous;
}
