// The column ruler above a text document: ticks every cell, longer every 5
// and 10 columns, numbers at multiples of 10, following the horizontal scroll.
#include <algorithm>
#include <cstdio>

#include "editor/editor_view_win.h"
#include "shell/app_win.h"

namespace {

constexpr int kHeight = 10;
constexpr COLORREF kBack = 0xE6E6E6;
constexpr COLORREF kInk = 0x3C3C3C;

}  // namespace

Ruler::~Ruler() { DestroyObjectWindow(hwnd); }

bool Ruler::Create(HWND documentWindow) {
  CreateWindowExA(0, "Ruler", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, kHeight, documentWindow, nullptr, g_app.instance,
                  this);
  WindowDC screen(nullptr);
  strip_ = std::make_unique<MemoryDC>(screen.get(), GetSystemMetrics(SM_CXSCREEN), kHeight);
  return hwnd != nullptr;
}

LRESULT Ruler::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDC dc(hwnd);
      Paint(dc.get());
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint covers the strip
  }
  return Default(msg, wp, lp);
}

void Ruler::Repaint() {
  if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

void Ruler::Paint(HDC dc) {
  if (!view_ || !strip_ || !*strip_) return;
  HDC mem = strip_->get();
  RECT rc{};
  GetClientRect(hwnd, &rc);
  const int width = std::min<int>(rc.right, GetSystemMetrics(SM_CXSCREEN));
  RECT strip{0, 0, width, kHeight};
  SetBkColor(mem, kBack);
  ExtTextOutA(mem, 0, 0, ETO_OPAQUE, &strip, nullptr, 0, nullptr);
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kInk));
  SelectGuard usePen(mem, pen.get());
  SelectGuard useFont(mem, g_app.fonts.SmallFixedFont.get());
  SetTextColor(mem, kInk);
  SetBkColor(mem, kBack);
  SetBkMode(mem, OPAQUE);
  const int cx = g_app.editorFonts.cx > 0 ? g_app.editorFonts.cx : 8;
  int n = view_->ScrollPos(SB_HORZ);
  int labelsEnd = 0;  // where the last number drawn ends
  for (int x = view_->GutterWidth(); x < width; x += cx, ++n) {
    const int top = n % 10 == 0 ? 0 : n % 5 == 0 ? 5 : 7;
    MoveToEx(mem, x, top, nullptr);
    LineTo(mem, x, kHeight);
    if (n % 10 == 0 && x + 2 >= labelsEnd) {
      // Large numbers in narrow cells would run into the next one: every
      // number drawn is whole, the ones in the way are left out.
      char number[16];
      const int len = std::snprintf(number, sizeof number, "%d", n);
      SIZE size{};
      GetTextExtentPoint32A(mem, number, len, &size);
      TextOutA(mem, x + 2, 0, number, len);
      labelsEnd = x + 2 + size.cx + 2;
    }
  }
  BitBlt(dc, 0, 0, width, kHeight, mem, 0, 0, SRCCOPY);
}
