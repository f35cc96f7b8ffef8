#pragma once
// One image of an icon, held exactly as it lies inside an .ico file:
// BITMAPINFOHEADER, palette, colour indices (bottom-up) and the AND mask
// (bottom-up, a set bit is transparent). Only the four editable formats exist
// here: 16 x 16 or 32 x 32 pixels with 4 or 8 bits per pixel.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win_types.h"

// Transparent pixels are shown, read and chosen as this colour, RGB(255, 230, 230).
constexpr COLORREF TransparentMarker = 0x00E6E6FF;

constexpr int kIconFormatCount = 4;
constexpr int kMaxIconImages = 8;
constexpr int kIconPaletteFileSize = 1024;  // 256 RGBQUADs of the palette file

// The 256-colour palette as loaded from the palette file.
using IconPalette256 = uint8_t[kIconPaletteFileSize];

// The table of new 16-colour images, also shown in the colour bar of 256-colour images.
extern const std::array<COLORREF, 16> kStandardIconColours;

struct IconImage {
  std::vector<uint8_t> block;
};

// Width, height and bits of format 0..3: 16x16/4, 16x16/8, 32x32/4, 32x32/8.
struct IconFormat {
  int width;
  int height;
  int bitCount;
};
IconFormat IconFormatDims(int format);
// Bytes of a block of these dimensions: header, palette, colour bits and mask
// (mask rows padded to 4 bytes).
size_t IconBlockSize(int width, int height, int bitCount);

// A new, entirely transparent image; 256-colour formats take their palette
// from `palette256`. An unknown format gives format 2.
IconImage MakeIconImage(int format, const IconPalette256& palette256);

int IconWidth(const IconImage& image);
int IconHeight(const IconImage& image);   // biHeight / 2
int IconBitCount(const IconImage& image);
int IconColourCount(const IconImage& image);  // 16 or 256
// 0..3, or -1 for a block that is none of the four formats.
int IconFormatOf(const IconImage& image);

// "%d*%d (%d色)": width, height and colour count.
std::string IconFormatText(int format);
std::string IconImageText(const IconImage& image);

// Palette entry as a colour; 0 outside the palette.
COLORREF IconPaletteColour(const IconImage& image, int index);
// The sixteen colours of the colour bar: the image's own palette for a
// 16-colour image, the standard table for a 256-colour image.
std::array<COLORREF, 16> IconSwatchColours(const IconImage& image);

// Outside the image 0; a transparent pixel TransparentMarker; else the
// palette colour of the pixel's index.
COLORREF IconPixelGet(const IconImage& image, int x, int y);
// Palette index of a pixel, -1 when transparent, 0 outside.
int IconPixelIndex(const IconImage& image, int x, int y);
// Outside the image nothing; index -1 makes the pixel transparent (colour
// index 0, mask bit set); any other index clears the mask bit and is stored.
void IconPixelSet(IconImage& image, int x, int y, int index);

// TransparentMarker gives -1; otherwise the first palette entry with exactly
// this colour, or the nearest one (RGB distance; the first of equals).
int IconColourToIndex(const IconImage& image, COLORREF colour);
// The colour a pixel set to this index shows.
COLORREF IconIndexColour(const IconImage& image, int index);
