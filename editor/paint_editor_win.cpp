// Drawing a text document through one off-screen bitmap: the background and
// its picture, the runs of the paint walk, the caret-row fills and the margin.
#include <vector>

#include "editor/editor_view_win.h"
#include "prefs/theme_colours.h"
#include "shell/app_win.h"

namespace {

constexpr COLORREF kMarginBack = 0xDCDCDC;
constexpr COLORREF kMarginInk = 0x3C3C3C;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  // ExtTextOut with an opaque rectangle fills without a brush to make.
  SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// The theme picture with its right and bottom edges on the client's.
void DrawPicture(HDC target, HDC reference, int width, int height) {
  const ThemeList& t = g_app.themes;
  if (!t.picture) return;
  CompatibleDC pic(reference);
  if (!pic.get()) return;
  SelectGuard select(pic.get(), t.picture);
  BitBlt(target, width - t.pictureWidth, height - t.pictureHeight, t.pictureWidth, t.pictureHeight, pic.get(), 0, 0,
         SRCCOPY);
}

void DrawRuns(HDC dc, const PaintFrame& frame, int gutter) {
  const int cx = g_app.editorFonts.cx, cy = g_app.editorFonts.cy;
  std::vector<INT> advances;
  SelectGuard font(dc, g_app.editorFonts.font.get());
  for (const PaintRun& run : frame.runs) {
    // Every byte is exactly one cell wide: a double-byte character takes two.
    if (advances.size() < static_cast<size_t>(run.length)) advances.resize(static_cast<size_t>(run.length), cx);
    SelectObject(dc, run.underline ? g_app.editorFonts.underlined.get() : g_app.editorFonts.font.get());
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
}

void DrawMargin(HDC dc, const TextDocument& doc, const PaintFrame& frame, int gutter, int digits, int height) {
  Fill(dc, RECT{0, 0, gutter, height}, kMarginBack);
  if (!doc.Layout().showLineNumber) return;
  SelectGuard font(dc, g_app.fonts.CodeBoldFont.get());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SetTextColor(dc, kMarginInk);
  SetBkColor(dc, kMarginBack);
  SetBkMode(dc, OPAQUE);
  const int cy = g_app.editorFonts.cy;
  for (int r = 0; r < frame.numberedRows; ++r) {
    const std::string label = MarginLabel(frame.firstNumber + r, digits);
    TextOutA(dc, 3, r * cy + (cy - tm.tmHeight) / 2, label.data(), static_cast<int>(label.size()));
  }
}

}  // namespace

void EditorView::OnPaint() {
  PaintDC dc(hwnd);
  Paint(dc.get());
}

void EditorView::Paint(HDC dc) {
  TextDocument& doc = text_.doc;
  RECT rc{};
  GetClientRect(hwnd, &rc);
  const int width = rc.right, height = rc.bottom;
  if (width <= 0 || height <= 0) return;
  MemoryDC mem(dc, width, height);
  if (!mem) return;
  const ThemeColours& theme = g_app.colours;
  Fill(mem.get(), rc, theme.rgbBackground);
  DrawPicture(mem.get(), dc, width, height);

  const ViewMetrics m = Metrics();
  PaintRequest req;
  req.topRow = ScrollPos(SB_VERT);
  req.leftCol = ScrollPos(SB_HORZ);
  req.visibleCols = m.VisibleCols();
  req.rows = m.VisibleRows() + 2;
  doc.SelectionBytes(req.selStart, req.selEnd);
  req.caretRow = doc.caretRow;
  req.linkStart = linkStart_;
  req.linkEnd = linkEnd_;
  const PaintColours colours = PaintColoursFrom(theme, g_app.settings.IsCaretLine_BackGround != 0);
  BuildPaintRuns(doc, colouring_.caches.comments, colours, req, frame_);

  for (const PaintFill& f : frame_.fills) {
    const int x = gutterWidth_ + f.col * m.cx;
    Fill(mem.get(), RECT{x, f.row * m.cy, width, (f.row + 1) * m.cy}, colours.caretRow);
  }
  DrawRuns(mem.get(), frame_, gutterWidth_);
  DrawMargin(mem.get(), doc, frame_, gutterWidth_, gutterDigits_, height);

  BitBlt(dc, 0, 0, width, height, mem.get(), 0, 0, SRCCOPY);
  RefreshScrollRanges();
}
