#include "iconedit/icon_image.h"

#include <cstring>

#include "iconedit/icon_bytes.h"

const std::array<COLORREF, 16> kStandardIconColours = {
    RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),   RGB(128, 0, 128), RGB(0, 128, 128), RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

namespace {

constexpr size_t kHeaderSize = 40;

// Where the parts of a block lie; valid only for the four formats.
struct Layout {
  bool valid = false;
  int width = 0, height = 0, bitCount = 0;
  size_t palette = kHeaderSize, bits = 0, mask = 0;
  size_t rowBytes = 0;  // colour bits per row
};

Layout LayoutOf(const IconImage& image) {
  Layout l;
  const std::vector<uint8_t>& b = image.block;
  if (b.size() < kHeaderSize || ReadLe32(b.data()) != kHeaderSize) return l;
  const int32_t w = static_cast<int32_t>(ReadLe32(b.data() + 4));
  const int32_t h2 = static_cast<int32_t>(ReadLe32(b.data() + 8));
  const int bpp = ReadLe16(b.data() + 14);
  if ((w != 16 && w != 32) || h2 != 2 * w || (bpp != 4 && bpp != 8)) return l;
  if (b.size() < IconBlockSize(w, w, bpp)) return l;
  l.width = w;
  l.height = w;
  l.bitCount = bpp;
  l.rowBytes = static_cast<size_t>(w * bpp / 8);
  l.bits = kHeaderSize + (size_t{4} << bpp);
  l.mask = l.bits + l.rowBytes * static_cast<size_t>(w);
  l.valid = true;
  return l;
}

bool Inside(const Layout& l, int x, int y) { return l.valid && x >= 0 && y >= 0 && x < l.width && y < l.height; }

// Rows are stored bottom-up.
size_t BitsRow(const Layout& l, int y) { return l.bits + l.rowBytes * static_cast<size_t>(l.height - 1 - y); }
size_t MaskRow(const Layout& l, int y) { return l.mask + 4 * static_cast<size_t>(l.height - 1 - y); }

int RawIndex(const IconImage& image, const Layout& l, int x, int y) {
  const uint8_t* row = image.block.data() + BitsRow(l, y);
  if (l.bitCount == 8) return row[x];
  const uint8_t pair = row[x / 2];
  return (x % 2 == 0) ? (pair >> 4) : (pair & 0x0F);
}

bool MaskBit(const IconImage& image, const Layout& l, int x, int y) {
  return (image.block[MaskRow(l, y) + static_cast<size_t>(x / 8)] >> (7 - x % 8)) & 1;
}

COLORREF QuadColour(const uint8_t* quad) { return RGB(quad[2], quad[1], quad[0]); }

}  // namespace

IconFormat IconFormatDims(int format) {
  switch (format) {
    case 0: return {16, 16, 4};
    case 1: return {16, 16, 8};
    case 3: return {32, 32, 8};
    default: return {32, 32, 4};
  }
}

size_t IconBlockSize(int width, int height, int bitCount) {
  const size_t w = static_cast<size_t>(width), h = static_cast<size_t>(height);
  return kHeaderSize + (size_t{4} << bitCount) + w * static_cast<size_t>(bitCount) * h / 8 + 4 * h;
}

IconImage MakeIconImage(int format, const IconPalette256& palette256) {
  const IconFormat f = IconFormatDims(format);
  IconImage image;
  std::vector<uint8_t>& b = image.block;
  b.assign(IconBlockSize(f.width, f.height, f.bitCount), 0);
  WriteLe32(b.data(), kHeaderSize);
  WriteLe32(b.data() + 4, static_cast<uint32_t>(f.width));
  WriteLe32(b.data() + 8, static_cast<uint32_t>(2 * f.height));
  WriteLe16(b.data() + 12, 1);
  WriteLe16(b.data() + 14, static_cast<uint16_t>(f.bitCount));
  if (f.bitCount == 8) {
    std::memcpy(b.data() + kHeaderSize, palette256, kIconPaletteFileSize);
  } else {
    for (size_t i = 0; i < kStandardIconColours.size(); ++i) {
      uint8_t* quad = b.data() + kHeaderSize + 4 * i;
      const COLORREF c = kStandardIconColours[i];
      quad[0] = GetBValue(c);
      quad[1] = GetGValue(c);
      quad[2] = GetRValue(c);
    }
  }
  // Every mask bit set, padding included: the new image is transparent.
  const Layout l = LayoutOf(image);
  std::memset(b.data() + l.mask, 0xFF, b.size() - l.mask);
  return image;
}

int IconWidth(const IconImage& image) { return LayoutOf(image).width; }
int IconHeight(const IconImage& image) { return LayoutOf(image).height; }
int IconBitCount(const IconImage& image) { return LayoutOf(image).bitCount; }
int IconColourCount(const IconImage& image) {
  const Layout l = LayoutOf(image);
  return l.valid ? 1 << l.bitCount : 0;
}

int IconFormatOf(const IconImage& image) {
  const Layout l = LayoutOf(image);
  if (!l.valid) return -1;
  return (l.width == 32 ? 2 : 0) + (l.bitCount == 8 ? 1 : 0);
}

std::string IconFormatText(int format) {
  const IconFormat f = IconFormatDims(format);
  return std::to_string(f.width) + "*" + std::to_string(f.height) + " (" + std::to_string(1 << f.bitCount) + "色)";
}

std::string IconImageText(const IconImage& image) {
  const int format = IconFormatOf(image);
  return format < 0 ? std::string() : IconFormatText(format);
}

COLORREF IconPaletteColour(const IconImage& image, int index) {
  const Layout l = LayoutOf(image);
  if (!l.valid || index < 0 || index >= (1 << l.bitCount)) return 0;
  return QuadColour(image.block.data() + l.palette + 4 * static_cast<size_t>(index));
}

std::array<COLORREF, 16> IconSwatchColours(const IconImage& image) {
  const Layout l = LayoutOf(image);
  if (!l.valid || l.bitCount != 4) return kStandardIconColours;
  std::array<COLORREF, 16> out{};
  for (int i = 0; i < 16; ++i) out[static_cast<size_t>(i)] = IconPaletteColour(image, i);
  return out;
}

COLORREF IconPixelGet(const IconImage& image, int x, int y) {
  const Layout l = LayoutOf(image);
  if (!Inside(l, x, y)) return 0;
  if (MaskBit(image, l, x, y)) return TransparentMarker;
  return IconPaletteColour(image, RawIndex(image, l, x, y));
}

int IconPixelIndex(const IconImage& image, int x, int y) {
  const Layout l = LayoutOf(image);
  if (!Inside(l, x, y)) return 0;
  return MaskBit(image, l, x, y) ? -1 : RawIndex(image, l, x, y);
}

void IconPixelSet(IconImage& image, int x, int y, int index) {
  const Layout l = LayoutOf(image);
  if (!Inside(l, x, y)) return;
  const bool transparent = index < 0;
  const int value = transparent ? 0 : index & ((1 << l.bitCount) - 1);
  uint8_t* row = image.block.data() + BitsRow(l, y);
  if (l.bitCount == 8) {
    row[x] = static_cast<uint8_t>(value);
  } else {
    uint8_t& pair = row[x / 2];
    pair = (x % 2 == 0) ? static_cast<uint8_t>((pair & 0x0F) | (value << 4))
                        : static_cast<uint8_t>((pair & 0xF0) | value);
  }
  uint8_t& maskByte = image.block[MaskRow(l, y) + static_cast<size_t>(x / 8)];
  const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
  maskByte = transparent ? static_cast<uint8_t>(maskByte | bit) : static_cast<uint8_t>(maskByte & ~bit);
}

int IconColourToIndex(const IconImage& image, COLORREF colour) {
  if (colour == TransparentMarker) return -1;
  const Layout l = LayoutOf(image);
  if (!l.valid) return 0;
  const int r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < (1 << l.bitCount); ++i) {
    const COLORREF p = QuadColour(image.block.data() + l.palette + 4 * static_cast<size_t>(i));
    const long dr = GetRValue(p) - r, dg = GetGValue(p) - g, db = GetBValue(p) - b;
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return best;
}

COLORREF IconIndexColour(const IconImage& image, int index) {
  return index < 0 ? TransparentMarker : IconPaletteColour(image, index);
}
