#pragma once
// A rectangle of the desktop in screen coordinates: a monitor's work area (a
// monitor left of or above the primary one has negative coordinates).
struct ScreenArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};
