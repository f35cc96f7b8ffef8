// The column ruler above a text document: ticks every cell, longer every 5
// and 10 columns, numbers at multiples of 10, following the horizontal scroll.
#include <algorithm>
#include <cstdio>

#include "editor/editor_view_win.h"
#include "shell/app.h"
#include "shell/window_procs.h"

namespace {

constexpr int kHeight = 10;
constexpr COLORREF kBack = 0xE6E6E6;
constexpr COLORREF kInk = 0x3C3C3C;

}  // namespace

struct Ruler {
  int slot = -1;
  HDC memory = nullptr;  // a strip as wide as the screen
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  HWND window = nullptr;
};

Ruler* CreateRuler(HWND documentWindow, int slot) {
  auto* r = new Ruler;
  r->slot = slot;
  r->window = CreateWindowExA(0, "Ruler", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, kHeight, documentWindow, nullptr,
                              g_app.instance, nullptr);
  HDC screen = GetDC(nullptr);
  r->memory = CreateCompatibleDC(screen);
  r->bitmap = CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN), kHeight);
  ReleaseDC(nullptr, screen);
  if (r->memory && r->bitmap) r->oldBitmap = SelectObject(r->memory, r->bitmap);
  return r;
}

void DestroyRuler(Ruler* r) {
  if (!r) return;
  if (r->window) DestroyWindow(r->window);
  if (r->memory) {
    if (r->oldBitmap) SelectObject(r->memory, r->oldBitmap);
    DeleteDC(r->memory);
  }
  if (r->bitmap) DeleteObject(r->bitmap);
  delete r;
}

HWND RulerWindow(const Ruler* r) { return r ? r->window : nullptr; }

void RepaintRuler(const TextDocument& doc) {
  const EditorView* view = ViewOf(doc);
  if (view && view->ruler && view->ruler->window) InvalidateRect(view->ruler->window, nullptr, FALSE);
}

void PaintRuler(Ruler& r, HDC dc) {
  const DocumentSlot& s = g_app.docs.slots[r.slot];
  if (!s.text || !r.memory) return;
  const TextDocument& doc = *s.text;
  RECT rc{};
  GetClientRect(r.window, &rc);
  const int width = std::min<int>(rc.right, GetSystemMetrics(SM_CXSCREEN));
  RECT strip{0, 0, width, kHeight};
  HBRUSH back = CreateSolidBrush(kBack);
  FillRect(r.memory, &strip, back);
  DeleteObject(back);
  HPEN pen = CreatePen(PS_SOLID, 1, kInk);
  HGDIOBJ oldPen = SelectObject(r.memory, pen);
  HGDIOBJ oldFont = SelectObject(r.memory, g_app.fonts.SmallFixedFont);
  SetTextColor(r.memory, kInk);
  SetBkColor(r.memory, kBack);
  SetBkMode(r.memory, OPAQUE);
  const int cx = g_app.editorFonts.cx > 0 ? g_app.editorFonts.cx : 8;
  int n = doc.editor ? ScrollPos(doc.editor, SB_HORZ) : 0;
  for (int x = doc.gutterWidth; x < width; x += cx, ++n) {
    const int top = n % 10 == 0 ? 0 : n % 5 == 0 ? 5 : 7;
    MoveToEx(r.memory, x, top, nullptr);
    LineTo(r.memory, x, kHeight);
    if (n % 10 == 0) {
      char number[16];
      int len = std::snprintf(number, sizeof number, "%d", n);
      TextOutA(r.memory, x + 2, 0, number, len);
    }
  }
  SelectObject(r.memory, oldFont);
  SelectObject(r.memory, oldPen);
  DeleteObject(pen);
  BitBlt(dc, 0, 0, width, kHeight, r.memory, 0, 0, SRCCOPY);
}

LRESULT CALLBACK RulerWndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      int slot = g_app.docs.SlotOfWindow(GetParent(w));
      if (slot >= 0 && g_app.docs.slots[slot].text) {
        if (EditorView* view = ViewOf(*g_app.docs.slots[slot].text))
          if (view->ruler && view->ruler->window == w) PaintRuler(*view->ruler, dc);
      }
      EndPaint(w, &ps);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint covers the strip
  }
  return DefWindowProcA(w, msg, wp, lp);
}
