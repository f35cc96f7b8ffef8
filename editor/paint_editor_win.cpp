// Drawing a text document through one off-screen bitmap: the background and
// its picture, the runs of the paint walk, the caret-row fills and the margin.
#include <vector>

#include "editor/editor_view_win.h"
#include "shell/app.h"

namespace {

constexpr COLORREF kMarginBack = 0xDCDCDC;
constexpr COLORREF kMarginInk = 0x3C3C3C;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// The theme picture with its right and bottom edges on the client's.
void DrawPicture(HDC target, HDC reference, int width, int height) {
  const ThemeList& t = g_app.themes;
  if (!t.picture) return;
  HDC pic = CreateCompatibleDC(reference);
  if (!pic) return;
  HGDIOBJ old = SelectObject(pic, t.picture);
  BitBlt(target, width - t.pictureWidth, height - t.pictureHeight, t.pictureWidth, t.pictureHeight, pic, 0, 0,
         SRCCOPY);
  SelectObject(pic, old);
  DeleteDC(pic);
}

void DrawRuns(HDC dc, const PaintFrame& frame, int gutter) {
  const int cx = g_app.editorFonts.cx, cy = g_app.editorFonts.cy;
  std::vector<INT> advances;
  HGDIOBJ oldFont = SelectObject(dc, g_app.editorFonts.font);
  for (const PaintRun& run : frame.runs) {
    // Every byte is exactly one cell wide: a double-byte character takes two.
    if (advances.size() < static_cast<size_t>(run.length)) advances.resize(static_cast<size_t>(run.length), cx);
    SelectObject(dc, run.underline ? g_app.editorFonts.underlined : g_app.editorFonts.font);
    SetTextColor(dc, run.fg);
    const int x = gutter + run.col * cx, y = run.row * cy;
    RECT cells{x, y, x + run.length * cx, y + cy};
    if (run.transparent) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, run.bg);
    }
    ExtTextOutA(dc, x, y, run.transparent ? 0 : ETO_OPAQUE, &cells, frame.text.data() + run.start,
                static_cast<UINT>(run.length), advances.data());
  }
  SelectObject(dc, oldFont);
}

void DrawMargin(HDC dc, const TextDocument& doc, const PaintFrame& frame, int height) {
  Fill(dc, RECT{0, 0, doc.gutterWidth, height}, kMarginBack);
  if (!doc.Layout().showLineNumber) return;
  HGDIOBJ oldFont = SelectObject(dc, g_app.fonts.CodeBoldFont);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SetTextColor(dc, kMarginInk);
  SetBkColor(dc, kMarginBack);
  SetBkMode(dc, OPAQUE);
  const int cy = g_app.editorFonts.cy;
  for (int r = 0; r < frame.numberedRows; ++r) {
    const std::string label = MarginLabel(frame.firstNumber + r, doc.gutterDigits);
    TextOutA(dc, 3, r * cy + (cy - tm.tmHeight) / 2, label.data(), static_cast<int>(label.size()));
  }
  SelectObject(dc, oldFont);
}

}  // namespace

void PaintEditor(HDC dc, DocumentSlot& slot) {
  TextDocument& doc = *slot.text;
  EditorView* view = ViewOf(doc);
  if (!view) return;
  RECT rc{};
  GetClientRect(view->hwnd, &rc);
  const int width = rc.right, height = rc.bottom;
  if (width <= 0 || height <= 0) return;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  if (!mem || !bitmap) {
    if (mem) DeleteDC(mem);
    if (bitmap) DeleteObject(bitmap);
    return;
  }
  HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
  const ThemeColours& theme = g_app.colours;
  Fill(mem, rc, theme.rgbBackground);
  DrawPicture(mem, dc, width, height);

  const ViewMetrics m = MetricsOf(view->hwnd, doc);
  PaintRequest req;
  req.topRow = ScrollPos(view->hwnd, SB_VERT);
  req.leftCol = ScrollPos(view->hwnd, SB_HORZ);
  req.visibleCols = m.VisibleCols();
  req.rows = m.VisibleRows() + 2;
  doc.SelectionBytes(req.selStart, req.selEnd);
  req.caretRow = doc.caretRow;
  req.linkStart = doc.linkStart;
  req.linkEnd = doc.linkEnd;
  const PaintColours colours = PaintColoursFrom(theme, g_app.settings.IsCaretLine_BackGround != 0);
  BuildPaintRuns(doc, view->caches.comments, colours, req, view->frame);

  for (const PaintFill& f : view->frame.fills) {
    const int x = doc.gutterWidth + f.col * m.cx;
    Fill(mem, RECT{x, f.row * m.cy, width, (f.row + 1) * m.cy}, colours.caretRow);
  }
  DrawRuns(mem, view->frame, doc.gutterWidth);
  DrawMargin(mem, doc, view->frame, height);

  BitBlt(dc, 0, 0, width, height, mem, 0, 0, SRCCOPY);
  SelectObject(mem, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(mem);

  RefreshScrollRanges(doc);
}
