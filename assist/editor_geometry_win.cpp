// The caret's place as the editor window puts its caret: gutterWidth + cx *
// (column - horizontal scroll position), cy * (row - vertical scroll position).
#include "shell/app.h"
#include "assist/editor_geometry.h"

#include "editor/editor_view_win.h"

bool EditorCaretScreenPoint(const TextDocument& doc, POINT& caretTopLeft, int& cellWidth, int& rowHeight) {
  HWND editor = doc.editor;
  if (!editor || !IsWindow(editor)) return false;
  cellWidth = g_app.editorFonts.cx > 0 ? g_app.editorFonts.cx : 8;
  rowHeight = g_app.editorFonts.cy > 0 ? g_app.editorFonts.cy : 16;
  caretTopLeft.x = doc.gutterWidth + cellWidth * (doc.caretCol - ScrollPos(editor, SB_HORZ));
  caretTopLeft.y = rowHeight * (doc.caretRow - ScrollPos(editor, SB_VERT));
  ClientToScreen(editor, &caretTopLeft);
  return true;
}
