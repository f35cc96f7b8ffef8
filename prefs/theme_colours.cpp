#include "prefs/theme_colours.h"

PaintColours PaintColoursFrom(const ThemeColours& theme, bool markCaretRow) {
  PaintColours c;
  c.byClass[kColorDefault] = theme.rgbDefault;
  c.byClass[kColorStatement] = theme.rgbStatement;
  c.byClass[kColorString] = theme.rgbString;
  c.comment = theme.rgbComment;
  c.background = theme.rgbBackground;
  c.caretRow = markCaretRow ? theme.rgbCursorBack : theme.rgbBackground;
  return c;
}
