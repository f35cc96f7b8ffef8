#pragma once
// Shared pieces of the editor window tests: held modifier keys, cell
// coordinates and pixels read back from the window.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/app_win.h"
#include "app_fixture.h"
#include "editor/editor_view_win.h"
#include "test_support.h"

// Shift and Ctrl as GetKeyState sees them, for the life of the object.
struct HeldKeys {
  BYTE saved[256] = {};
  HeldKeys(bool shift, bool ctrl) {
    GetKeyboardState(saved);
    BYTE keys[256];
    std::memcpy(keys, saved, sizeof keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
  }
  ~HeldKeys() { SetKeyboardState(saved); }
};

class EditorWindow : public AppFixture {
 protected:
  // Settings changed by a test must not reach the settings file saved at the end.
  void SetUp() override {
    AppFixture::SetUp();
    saved_ = g_app.settings;
  }
  void TearDown() override {
    g_app.settings = saved_;
    AppFixture::TearDown();
  }
  void Key(int slot, WPARAM vk, bool shift = false, bool ctrl = false) {
    HeldKeys held(shift, ctrl);
    SendMessageA(Editor(slot), WM_KEYDOWN, vk, 1);
  }
  ViewPos Caret(int slot) { return {Doc(slot).caretCol, Doc(slot).caretRow}; }
  std::string Selected(int slot) {
    int s, e;
    Doc(slot).SelectionBytes(s, e);
    return Doc(slot).Substr(s, e);
  }
  // Client point of the left edge of a cell (column and row relative to the window).
  POINT Cell(int slot, int col, int row) {
    return POINT{View(slot).GutterWidth() + col * g_app.editorFonts.cx, row * g_app.editorFonts.cy + g_app.editorFonts.cy / 2};
  }
  void Mouse(int slot, UINT msg, POINT p, WPARAM keys = 0) {
    SendMessageA(Editor(slot), msg, keys, MAKELPARAM(p.x, p.y));
  }
  int VPos(int slot) { return View(slot).ScrollPos(SB_VERT); }

 private:
  EditorSettings saved_;
};

// The editor's client area as 0x00RRGGBB pixels, read back through a DIB section.
struct Pixels {
  int width = 0, height = 0;
  std::vector<uint32_t> data;
  explicit Pixels(HWND w) {
    UpdateWindow(w);
    RECT rc;
    GetClientRect(w, &rc);
    width = rc.right;
    height = rc.bottom;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = GetDC(w);
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    data.assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + width * height);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    ReleaseDC(w, dc);
  }
  // As a COLORREF (0x00BBGGRR).
  COLORREF At(int x, int y) const {
    uint32_t p = data[static_cast<size_t>(y) * width + x] & 0xFFFFFF;
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};
