#pragma once
#include "editor/paint_runs.h"
#include "platform/win_types.h"

// The six editor colours of the active theme, read by the renderer.
struct ThemeColours {
  COLORREF rgbDefault = 0x000000;
  COLORREF rgbComment = 0x008000;
  COLORREF rgbStatement = 0xFF0000;
  COLORREF rgbString = 0x0000C0;
  COLORREF rgbCursorBack = 0xF5F0E6;
  COLORREF rgbBackground = 0xFFFFFF;
};

// The colours painting uses, from a theme; without the caret-row mark its
// row takes the background.
PaintColours PaintColoursFrom(const ThemeColours& theme, bool markCaretRow);
