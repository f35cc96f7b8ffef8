// Pixels to and from a CF_BITMAP through 32-bit top-down DIB rows.
#include "iconedit/icon_clipboard_win.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "iconedit/icon_selection.h"
#include "platform/handles_win.h"

namespace {

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  bool ok() const { return open_; }

 private:
  bool open_;
};

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

bool PutIconPixelsOnClipboard(HWND owner, const FloatingPixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0) return false;
  std::vector<uint32_t> rows;
  rows.reserve(pixels.colours.size());
  for (COLORREF c : pixels.colours)
    rows.push_back(static_cast<uint32_t>(GetBValue(c)) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
                   (static_cast<uint32_t>(GetRValue(c)) << 16));
  const BITMAPINFO info = TopDown32(pixels.width, pixels.height);
  WindowDC screen(nullptr);
  GdiObject<HBITMAP> bitmap(
      CreateDIBitmap(screen.get(), &info.bmiHeader, CBM_INIT, rows.data(), &info, DIB_RGB_COLORS));
  if (!bitmap) return false;
  OpenedClipboard clipboard(owner);
  if (!clipboard.ok()) return false;
  EmptyClipboard();
  // The clipboard owns the bitmap once it took it.
  if (!SetClipboardData(CF_BITMAP, bitmap.get())) return false;
  bitmap.release();
  return true;
}

bool GetIconPixelsFromClipboard(HWND owner, FloatingPixels& pixels) {
  if (!IsClipboardFormatAvailable(CF_BITMAP)) return false;
  OpenedClipboard clipboard(owner);
  if (!clipboard.ok()) return false;
  auto* source = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP size{};
  if (!source || !GetObjectA(source, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0) return false;
  // Only the part that can float is read, however large the picture.
  const int width = std::min<int>(size.bmWidth, kMaxFloatingSide);
  const int height = std::min<int>(size.bmHeight, kMaxFloatingSide);
  const BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  WindowDC screen(nullptr);
  GdiObject<HBITMAP> copy(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  CompatibleDC from(screen.get()), to(screen.get());
  if (!copy || !bits || !from.get() || !to.get()) return false;
  {
    SelectGuard fromBitmap(from.get(), source);
    SelectGuard toBitmap(to.get(), copy.get());
    if (!BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY)) return false;
  }
  GdiFlush();
  pixels = FloatingPixels{};
  pixels.width = width;
  pixels.height = height;
  pixels.colours.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
  const auto* p = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < static_cast<size_t>(width) * static_cast<size_t>(height); ++i)
    pixels.colours.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
  return true;
}
