#include "shell/app_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  return QuilletMain(instance, commandLine, show);
}
