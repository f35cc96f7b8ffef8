#include "shell/message_box.h"

namespace {
MessageBoxHook g_hook = nullptr;
}

int QuilletMessageBox(HWND owner, const char* text, const char* caption, unsigned type) {
  if (g_hook) return g_hook(owner, text, caption, type);
  return MessageBoxA(owner, text, caption, type);
}

MessageBoxHook SetQuilletMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = g_hook;
  g_hook = hook;
  return previous;
}
