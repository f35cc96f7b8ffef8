#pragma once
// Icon files built byte by byte from the format's description (not by the
// program's writer), and images written and read as text art: one character
// per pixel, "." transparent, otherwise the palette index as a digit or
// letter ("0".."9", "a".."z", "A".."Z" for 0..61).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "iconedit/icon_doc_state.h"
#include "iconedit/icon_image.h"

namespace icon_test {

using Art = std::vector<std::string>;

inline const char kArtDigits[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

inline int ArtIndex(char c) {
  if (c == '.') return -1;
  const char* at = std::strchr(kArtDigits, c);
  return at && c != '\0' ? static_cast<int>(at - kArtDigits) : 0;
}

inline char ArtChar(int index) {
  if (index < 0) return '.';
  return index < 62 ? kArtDigits[index] : '?';
}

inline std::string Le16(uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }

// Palette entries as red, green, blue.
struct Rgb {
  int r, g, b;
};

inline std::vector<Rgb> StandardPalette() {
  return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
          {0, 128, 128},   {128, 128, 128}, {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

// A 256-entry palette whose colours are all different: a grey ramp with a
// tint by index.
inline std::vector<Rgb> RampPalette() {
  std::vector<Rgb> p;
  for (int i = 0; i < 256; ++i) p.push_back(Rgb{i, (i * 7) & 0xFF, 255 - i});
  return p;
}

// The same palette as the 1024 bytes of a palette file.
inline void PaletteFileBytes(const std::vector<Rgb>& palette, IconPalette256& out) {
  std::memset(out, 0, kIconPaletteFileSize);
  for (size_t i = 0; i < palette.size() && i < 256; ++i) {
    out[4 * i] = static_cast<uint8_t>(palette[i].b);
    out[4 * i + 1] = static_cast<uint8_t>(palette[i].g);
    out[4 * i + 2] = static_cast<uint8_t>(palette[i].r);
  }
}

// An image block: BITMAPINFOHEADER, palette, colour bits bottom-up (high
// nibble first), AND mask bottom-up with each row padded to 4 bytes by
// `maskPadding`.
inline std::string HandBlock(int size, int bits, const std::vector<Rgb>& palette, const Art& art,
                             uint8_t maskPadding = 0) {
  std::string b = Le32(40) + Le32(static_cast<uint32_t>(size)) + Le32(static_cast<uint32_t>(2 * size)) + Le16(1) +
                  Le16(static_cast<uint32_t>(bits)) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
  for (int i = 0; i < (1 << bits); ++i) {
    const Rgb c = i < static_cast<int>(palette.size()) ? palette[static_cast<size_t>(i)] : Rgb{0, 0, 0};
    b += {static_cast<char>(c.b), static_cast<char>(c.g), static_cast<char>(c.r), 0};
  }
  for (int y = size - 1; y >= 0; --y) {
    for (int x = 0; x < size; x += (bits == 4 ? 2 : 1)) {
      auto index = [&](int xx) { return std::max(0, ArtIndex(art[static_cast<size_t>(y)][static_cast<size_t>(xx)])); };
      b += bits == 4 ? static_cast<char>((index(x) << 4) | index(x + 1)) : static_cast<char>(index(x));
    }
  }
  for (int y = size - 1; y >= 0; --y) {
    uint8_t row[4] = {maskPadding, maskPadding, maskPadding, maskPadding};
    for (int byte = 0; byte < size / 8; ++byte) {
      row[byte] = 0;
      for (int bit = 0; bit < 8; ++bit)
        if (art[static_cast<size_t>(y)][static_cast<size_t>(byte * 8 + bit)] == '.') row[byte] |= 0x80 >> bit;
    }
    b.append(reinterpret_cast<const char*>(row), 4);
  }
  return b;
}

// A file laid out as the format describes: header, directory (width,
// height, colour count, 0, planes 0, bit count 0, size, offset), blocks.
inline std::string HandFile(const std::vector<std::string>& blocks) {
  std::string f = Le16(0) + Le16(1) + Le16(static_cast<uint32_t>(blocks.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(blocks.size());
  for (const std::string& b : blocks) {
    const auto* p = reinterpret_cast<const uint8_t*>(b.data());
    const int bits = p[14];
    f += {static_cast<char>(p[4]), static_cast<char>(p[4]), static_cast<char>((1 << bits) & 0xFF), 0};
    f += Le16(0) + Le16(0) + Le32(static_cast<uint32_t>(b.size())) + Le32(offset);
    offset += static_cast<uint32_t>(b.size());
  }
  for (const std::string& b : blocks) f += b;
  return f;
}

// A patterned size x size picture using indices below `colours`, with a
// transparent diagonal band and a transparent corner.
inline Art PatternArt(int size, int colours, int seed) {
  Art art(static_cast<size_t>(size), std::string(static_cast<size_t>(size), '0'));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      char& c = art[static_cast<size_t>(y)][static_cast<size_t>(x)];
      if ((x + y) % 7 == seed % 7 || (x < 3 && y < 3)) {
        c = '.';
      } else {
        c = ArtChar((x * 3 + y * 5 + seed) % std::min(colours, 62));
      }
    }
  }
  return art;
}

inline Art ArtOf(const IconImage& image) {
  Art art;
  for (int y = 0; y < IconHeight(image); ++y) {
    std::string row;
    for (int x = 0; x < IconWidth(image); ++x) row += ArtChar(IconPixelIndex(image, x, y));
    art.push_back(row);
  }
  return art;
}

// The top-left corner of an image, width x height cells.
inline Art CornerOf(const IconImage& image, int width, int height) {
  Art art = ArtOf(image);
  art.resize(static_cast<size_t>(height));
  for (std::string& row : art) row.resize(static_cast<size_t>(width));
  return art;
}

inline void PaintArt(IconImage& image, const Art& art) {
  for (size_t y = 0; y < art.size(); ++y)
    for (size_t x = 0; x < art[y].size(); ++x)
      IconPixelSet(image, static_cast<int>(x), static_cast<int>(y), ArtIndex(art[y][x]));
}

inline std::string Joined(const Art& art) {
  std::string s;
  for (const std::string& row : art) s += row + "\n";
  return s;
}

inline std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// View points at the middle of a cell of the zoomed copy.
inline int CellX(int x) { return 100 + 10 * x + 5; }
inline int CellY(int y) { return 10 * y + 5; }

}  // namespace icon_test
