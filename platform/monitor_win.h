#pragma once
// The work area (the monitor without its task bars) nearest to a point or a
// rectangle of the desktop.
#include <windows.h>

#include "platform/screen_area.h"

inline ScreenArea ToScreenArea(const RECT& r) { return ScreenArea{r.left, r.top, r.right, r.bottom}; }

inline ScreenArea WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoA(monitor, &info)) return ToScreenArea(info.rcWork);
  RECT r{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return ToScreenArea(r);
}

inline ScreenArea WorkAreaAt(int x, int y) {
  return WorkAreaOf(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST));
}

inline ScreenArea WorkAreaNearest(const RECT& r) { return WorkAreaOf(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST)); }
