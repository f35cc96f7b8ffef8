// The editor font, its underlined twin for the hover link, and the cell
// metrics measured from the letter "A".
#include "editor/editor_hooks.h"
#include "editor/editor_view_win.h"
#include "shell/app.h"

namespace {

int WidthOfA(HDC dc, HFONT font, int* height) {
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, "A", 1, &size);
  SelectObject(dc, old);
  if (height) *height = size.cy;
  return size.cx;
}

}  // namespace

void RebuildEditorFonts(HWND window) {
  DeleteEditorFonts();
  LOGFONTA lf = g_app.settings.EditorFont;
  g_app.editorFonts.font = CreateFontIndirectA(&lf);
  lf.lfUnderline = TRUE;
  g_app.editorFonts.underlined = CreateFontIndirectA(&lf);
  HDC dc = GetDC(window);
  if (dc) {
    if (g_app.editorFonts.font) {
      int cy = 0;
      int cx = WidthOfA(dc, g_app.editorFonts.font, &cy);
      if (cx > 0) g_app.editorFonts.cx = cx;
      if (cy > 0) g_app.editorFonts.cy = cy;
    }
    if (g_app.fonts.CodeBoldFont) {
      int w = WidthOfA(dc, g_app.fonts.CodeBoldFont, nullptr);
      if (w > 0) g_app.editorFonts.codeBoldCharWidth = w;
    }
    ReleaseDC(window, dc);
  }
  RelayoutAllTextDocuments();
}

void DeleteEditorFonts() {
  if (g_app.editorFonts.font) DeleteObject(g_app.editorFonts.font);
  if (g_app.editorFonts.underlined) DeleteObject(g_app.editorFonts.underlined);
  g_app.editorFonts.font = g_app.editorFonts.underlined = nullptr;
}
