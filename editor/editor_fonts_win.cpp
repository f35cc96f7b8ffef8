// The editor font, its underlined twin for the hover link, and the cell
// metrics measured from the letter "A".
#include "editor/editor_fonts_win.h"

#include "editor/text_document_window_win.h"
#include "shell/app_win.h"

namespace {

int WidthOfA(HDC dc, HFONT font, int* height) {
  SelectGuard select(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, "A", 1, &size);
  if (height) *height = size.cy;
  return size.cx;
}

}  // namespace

void RebuildEditorFonts(HWND window) {
  EditorFonts& f = g_app.editorFonts;
  LOGFONTA lf = g_app.settings.EditorFont;
  f.font.reset(CreateFontIndirectA(&lf));
  lf.lfUnderline = TRUE;
  f.underlined.reset(CreateFontIndirectA(&lf));
  WindowDC dc(window);
  if (dc.get()) {
    if (f.font) {
      int cy = 0;
      const int cx = WidthOfA(dc.get(), f.font.get(), &cy);
      if (cx > 0) f.cx = cx;
      if (cy > 0) f.cy = cy;
    }
    if (g_app.fonts.CodeBoldFont) {
      const int w = WidthOfA(dc.get(), g_app.fonts.CodeBoldFont.get(), nullptr);
      if (w > 0) f.codeBoldCharWidth = w;
    }
  }
  RelayoutAllTextDocuments();
}

void DeleteEditorFonts() {
  g_app.editorFonts.font.reset();
  g_app.editorFonts.underlined.reset();
}
