#pragma once
// The editor's two fonts and the cell metrics measured from them.
#include "platform/handles_win.h"

struct EditorFonts {
  GdiObject<HFONT> font;
  GdiObject<HFONT> underlined;  // the Ctrl-hover link
  int cx = 8;                  // width of "A" in the editor font
  int cy = 16;                 // its height
  int codeBoldCharWidth = 8;   // width of "A" in CodeBoldFont (margin width)
};

// The editor fonts and the cell metrics cx, cy, measured on a window's DC
// (frame creation, font setting change); every text document follows.
void RebuildEditorFonts(HWND window);
void DeleteEditorFonts();
