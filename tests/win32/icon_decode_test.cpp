// Every icon file the editor writes is an icon to the system: LoadImage (and,
// for each image of a file, CreateIconFromResourceEx) decodes it to the
// pixels that were painted, transparent pixels through the mask.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "iconedit/icon_bytes.h"
#include "iconedit/icon_file.h"
#include "test_support.h"
#include "tests/host/icon_test_support.h"

namespace {

using namespace icon_test;

// Colour and mask of an icon as 32-bit top-down rows.
struct Decoded {
  int width = 0, height = 0;
  std::vector<uint32_t> colour, mask;
};

std::vector<uint32_t> Rows(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> rows(static_cast<size_t>(width) * static_cast<size_t>(height));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(lines, height);
  return rows;
}

Decoded Decode(HICON icon) {
  Decoded d;
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return d;
  BITMAP size{};
  GetObjectA(info.hbmColor, sizeof size, &size);
  d.width = size.bmWidth;
  d.height = size.bmHeight;
  d.colour = Rows(info.hbmColor, d.width, d.height);
  d.mask = Rows(info.hbmMask, d.width, d.height);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
  return d;
}

// Opaque pixels in their palette colour with a clear mask bit, transparent
// ones with a set mask bit.
void ExpectPicture(const Decoded& d, const IconImage& image) {
  ASSERT_EQ(d.width, IconWidth(image));
  ASSERT_EQ(d.height, IconHeight(image));
  for (int y = 0; y < d.height; ++y) {
    for (int x = 0; x < d.width; ++x) {
      const size_t at = static_cast<size_t>(y * d.width + x);
      const COLORREF c = IconPixelGet(image, x, y);
      if (c == TransparentMarker) {
        ASSERT_EQ(d.mask[at] & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
      } else {
        ASSERT_EQ(d.mask[at] & 0xFFFFFF, 0u) << x << "," << y;
        const uint32_t rgb = static_cast<uint32_t>(GetRValue(c)) << 16 | static_cast<uint32_t>(GetGValue(c)) << 8 |
                             GetBValue(c);
        ASSERT_EQ(d.colour[at] & 0xFFFFFF, rgb) << x << "," << y;
      }
    }
  }
}

std::string Save(const std::string& dir, const std::string& name, const std::string& bytes) {
  const std::string path = dir + name;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(f);
  return path;
}

// Images of every format, patterned with transparent pixels, painted through the model.
IconDocState PaintedDocument(const std::vector<int>& formats) {
  IconPalette256 palette;
  PaletteFileBytes(RampPalette(), palette);
  std::vector<IconImage> images;
  int seed = 0;
  for (int format : formats) {
    images.push_back(MakeIconImage(format, palette));
    IconImage& image = images.back();
    PaintArt(image, PatternArt(IconWidth(image), IconColourCount(image) == 16 ? 16 : 62, ++seed));
  }
  return MakeIconDocState(std::move(images));
}

TEST(IconDecode, LoadImageReadsEveryFormatWeWrite) {
  const std::string dir = MakeTempFolder("decode");
  for (int format = 0; format < kIconFormatCount; ++format) {
    SCOPED_TRACE("format " + std::to_string(format));
    const IconDocState doc = PaintedDocument({format});
    const std::string path = Save(dir, "f" + std::to_string(format) + ".ico", BuildIconFile(doc));
    const IconImage& image = doc.images[0];
    HICON icon = static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, IconWidth(image), IconHeight(image), LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr);
    ExpectPicture(Decode(icon), image);
  }
  // A file of a 16 and a 32 pixel image: each size is found in it.
  const IconDocState pair = PaintedDocument({3, 0});
  const std::string path = Save(dir, "pair.ico", BuildIconFile(pair));
  for (const IconImage& image : pair.images) {
    HICON icon = static_cast<HICON>(
        LoadImageA(nullptr, path.c_str(), IMAGE_ICON, IconWidth(image), IconHeight(image), LR_LOADFROMFILE));
    ASSERT_NE(icon, nullptr);
    ExpectPicture(Decode(icon), image);
  }
  RemoveTree(dir);
}

TEST(IconDecode, EveryImageOfAnEightImageFileDecodes) {
  const IconDocState doc = PaintedDocument({0, 1, 2, 3, 3, 2, 1, 0});
  const std::string file = BuildIconFile(doc);
  ASSERT_EQ(ReadLe16(reinterpret_cast<const uint8_t*>(file.data()) + 4), 8u);
  for (size_t i = 0; i < doc.images.size(); ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const auto* entry = reinterpret_cast<const uint8_t*>(file.data()) + 6 + 16 * i;
    const uint32_t size = ReadLe32(entry + 8), offset = ReadLe32(entry + 12);
    ASSERT_LE(offset + size, file.size());
    std::vector<BYTE> block(file.begin() + offset, file.begin() + offset + size);
    const IconImage& image = doc.images[i];
    HICON icon = CreateIconFromResourceEx(block.data(), size, TRUE, 0x00030000, IconWidth(image),
                                          IconHeight(image), LR_DEFAULTCOLOR);
    ASSERT_NE(icon, nullptr);
    ExpectPicture(Decode(icon), image);
  }
}

}  // namespace
