// Pixels of the painted editor window: margin, selected line end, caret row.
#include "editor/text_document_window_win.h"
#include "editor_window_support.h"
#include "shell/app_win.h"

namespace {

class EditorPaint : public EditorWindow {
 protected:
  void SetUp() override {
    EditorWindow::SetUp();
    // A known colour set, different from every fixed colour of the editor.
    ThemeColours& c = g_app.colours;
    c.rgbBackground = 0xFFFFFF;
    c.rgbCursorBack = 0xE0F0FF;
    c.rgbDefault = 0x000000;
    g_app.settings.IsCaretLine_BackGround = 1;
  }
  // The middle of a cell, where a space shows only its background.
  POINT Middle(int slot, int col, int row) {
    return POINT{View(slot).GutterWidth() + col * g_app.editorFonts.cx + g_app.editorFonts.cx / 2,
                 row * g_app.editorFonts.cy + g_app.editorFonts.cy / 2};
  }
};

TEST_F(EditorPaint, MarginIsGreyWithNumbers) {
  const int s = NewDocument("a\r\nb\r\nc");
  ASSERT_GE(s, 0);
  Pixels px(Editor(s));
  EXPECT_EQ(0xDCDCDCu, px.At(1, 1));
  EXPECT_EQ(0xDCDCDCu, px.At(View(s).GutterWidth() - 1, g_app.editorFonts.cy * 5));
  // Some pixels of row 1 carry the number's ink.
  int ink = 0;
  for (int x = 3; x < View(s).GutterWidth(); ++x)
    for (int y = 0; y < g_app.editorFonts.cy; ++y) ink += px.At(x, y) != 0xDCDCDCu;
  EXPECT_GT(ink, 3);
  // Without numbers the margin is 10 empty pixels.
  g_app.settings.IsShowLineNumber = 0;
  RelayoutAllTextDocuments();
  EXPECT_EQ(10, View(s).GutterWidth());
  Pixels plain(Editor(s));
  for (int y = 0; y < g_app.editorFonts.cy * 2; ++y) ASSERT_EQ(0xDCDCDCu, plain.At(5, y)) << y;
  EXPECT_EQ(0xFFFFFFu, plain.At(10, g_app.editorFonts.cy * 5));
}

TEST_F(EditorPaint, SelectedLineEndIsOneInvertedCell) {
  const int s = NewDocument("ab\r\ncd\r\n");
  ASSERT_GE(s, 0);
  View(s).SetSelection(4, 2, false);  // exactly the CR LF; the caret goes to row 1
  Pixels px(Editor(s));
  EXPECT_EQ(0x000000u, px.At(Middle(s, 2, 0).x, Middle(s, 2, 0).y));  // inverted white
  EXPECT_EQ(0xFFFFFFu, px.At(Middle(s, 3, 0).x, Middle(s, 3, 0).y));
  EXPECT_EQ(0xFFFFFFu, px.At(Middle(s, 4, 0).x, Middle(s, 4, 0).y));
}

TEST_F(EditorPaint, CaretRowBackground) {
  const int s = NewDocument("ab\r\ncd\r\nef");
  ASSERT_GE(s, 0);
  View(s).SetSelection(4, 4, false);  // row 1
  RECT rc;
  GetClientRect(Editor(s), &rc);
  Pixels px(Editor(s));
  const int right = rc.right - 3;
  EXPECT_EQ(0xE0F0FFu, px.At(right, Middle(s, 0, 1).y));
  EXPECT_EQ(0xE0F0FFu, px.At(Middle(s, 2, 1).x, Middle(s, 2, 1).y));  // the CR LF cell
  EXPECT_EQ(0xFFFFFFu, px.At(right, Middle(s, 0, 0).y));
  EXPECT_EQ(0xFFFFFFu, px.At(right, Middle(s, 0, 2).y));
  // Switched off, the caret row looks like any other.
  g_app.settings.IsCaretLine_BackGround = 0;
  InvalidateRect(Editor(s), nullptr, FALSE);
  Pixels off(Editor(s));
  EXPECT_EQ(0xFFFFFFu, off.At(right, Middle(s, 0, 1).y));
}

TEST_F(EditorPaint, KeywordsAndCommentsInTheirColours) {
  g_app.colours.rgbStatement = 0xFF0000;
  g_app.colours.rgbComment = 0x008000;
  const int s = NewDocument("If x ' note", DocumentKind::kSource);
  ASSERT_GE(s, 0);
  g_app.settings.IsCaretLine_BackGround = 0;  // row 0 holds the caret
  InvalidateRect(Editor(s), nullptr, FALSE);
  Pixels px(Editor(s));
  auto count = [&](int fromCol, int toCol, COLORREF colour) {
    int n = 0;
    for (int x = View(s).GutterWidth() + fromCol * g_app.editorFonts.cx; x < View(s).GutterWidth() + toCol * g_app.editorFonts.cx; ++x)
      for (int y = 0; y < g_app.editorFonts.cy; ++y) n += px.At(x, y) == colour;
    return n;
  };
  EXPECT_GT(count(0, 2, 0xFF0000), 3);  // "If"
  EXPECT_EQ(0, count(0, 2, 0x008000));
  EXPECT_GT(count(5, 11, 0x008000), 3);  // "' note"
  EXPECT_EQ(0, count(5, 11, 0xFF0000));
}

}  // namespace

namespace {

// A red picture as large as the window: text rows draw transparently over it,
// only the marked caret row and the selection cover it.
TEST_F(EditorPaint, BackgroundPictureShowsThroughTransparentRows) {
  const int s = NewDocument("ab cd\r\nef gh\r\n");
  ASSERT_GE(s, 0);
  HDC screen = GetDC(nullptr);
  HBITMAP red = CreateCompatibleBitmap(screen, 2000, 1500);
  HDC mem = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(mem, red);
  RECT all{0, 0, 2000, 1500};
  HBRUSH brush = CreateSolidBrush(0x0000FF);
  FillRect(mem, &all, brush);
  DeleteObject(brush);
  SelectObject(mem, old);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  g_app.themes.picture = red;
  g_app.themes.pictureWidth = 2000;
  g_app.themes.pictureHeight = 1500;

  View(s).SetSelection(Doc(s).LineStart(1), Doc(s).LineStart(1), false);  // caret on row 1
  InvalidateRect(Editor(s), nullptr, FALSE);
  Pixels px(Editor(s));
  EXPECT_EQ(0x0000FFu, px.At(Middle(s, 2, 0).x, Middle(s, 2, 0).y));  // the space of row 0
  EXPECT_EQ(0x0000FFu, px.At(Middle(s, 10, 0).x, Middle(s, 10, 0).y));
  EXPECT_EQ(0xE0F0FFu, px.At(Middle(s, 2, 1).x, Middle(s, 2, 1).y));
  EXPECT_EQ(0xE0F0FFu, px.At(Middle(s, 10, 1).x, Middle(s, 10, 1).y));
  EXPECT_EQ(0xDCDCDCu, px.At(1, 1));  // the margin is never transparent

  g_app.settings.IsCaretLine_BackGround = 0;
  InvalidateRect(Editor(s), nullptr, FALSE);
  Pixels off(Editor(s));
  EXPECT_EQ(0x0000FFu, off.At(Middle(s, 2, 1).x, Middle(s, 2, 1).y));
  EXPECT_EQ(0x0000FFu, off.At(Middle(s, 10, 1).x, Middle(s, 10, 1).y));

  g_app.themes.picture = nullptr;
  DeleteObject(red);
}

}  // namespace
