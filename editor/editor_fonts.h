#pragma once
// The editor's two fonts and the cell metrics measured from them.
#include "platform/win_types.h"

struct EditorFonts {
  HFONT font = nullptr;
  HFONT underlined = nullptr;  // the Ctrl-hover link
  int cx = 8;                  // width of "A" in the editor font
  int cy = 16;                 // its height
  int codeBoldCharWidth = 8;   // width of "A" in CodeBoldFont (margin width)
};
