// Pixels, palettes and colour matching of icon images, and the document's
// image list.
#include <gtest/gtest.h>

#include "iconedit/icon_doc_state.h"
#include "iconedit/icon_selection.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

const IconPalette256 kUnusedPalette = {};

TEST(IconImage, PixelsSetThroughTheModelLieWhereTheFormatPutsThem) {
  // Every format: a picture painted pixel by pixel gives the bytes of the
  // same picture laid out by hand (new images pad their mask rows with set bits).
  for (int format = 0; format < kIconFormatCount; ++format) {
    SCOPED_TRACE(format);
    const IconFormat f = IconFormatDims(format);
    IconPalette256 palette;
    PaletteFileBytes(RampPalette(), palette);
    IconImage image = MakeIconImage(format, palette);
    EXPECT_EQ(image.block, Bytes(HandBlock(f.width, f.bitCount, f.bitCount == 4 ? StandardPalette() : RampPalette(),
                                           Art(static_cast<size_t>(f.height), std::string(static_cast<size_t>(f.width), '.')),
                                           0xFF)));
    const Art art = PatternArt(f.width, f.bitCount == 4 ? 16 : 62, format);
    PaintArt(image, art);
    EXPECT_EQ(image.block, Bytes(HandBlock(f.width, f.bitCount, f.bitCount == 4 ? StandardPalette() : RampPalette(),
                                           art, 0xFF)));
    EXPECT_EQ(IconFormatOf(image), format);
  }
}

TEST(IconImage, PixelGetAndSetAtTheEdges) {
  IconImage image = MakeIconImage(0, kUnusedPalette);
  const std::vector<uint8_t> blank = image.block;
  const std::vector<std::pair<int, int>> outside = {{-1, 0}, {0, -1}, {16, 0}, {0, 16}, {-100000, 5}, {5, 1 << 30}};
  for (auto [x, y] : outside) {
    SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
    IconPixelSet(image, x, y, 9);
    EXPECT_EQ(image.block, blank);
    EXPECT_EQ(IconPixelGet(image, x, y), 0u);
  }
  // Neighbours in one byte and in one mask byte stay apart.
  IconPixelSet(image, 4, 2, 9);
  IconPixelSet(image, 5, 2, 12);
  EXPECT_EQ(IconPixelGet(image, 4, 2), RGB(255, 0, 0));
  EXPECT_EQ(IconPixelGet(image, 5, 2), RGB(0, 0, 255));
  EXPECT_EQ(IconPixelGet(image, 3, 2), TransparentMarker);
  EXPECT_EQ(IconPixelGet(image, 6, 2), TransparentMarker);
  IconPixelSet(image, 4, 2, -1);
  EXPECT_EQ(IconPixelGet(image, 4, 2), TransparentMarker);
  EXPECT_EQ(IconPixelIndex(image, 4, 2), -1);
  EXPECT_EQ(IconPixelGet(image, 5, 2), RGB(0, 0, 255));
  // Transparent stores colour index 0 under the set mask bit.
  IconPixelSet(image, 4, 2, 15);
  IconPixelSet(image, 4, 2, -1);
  const size_t bits = 40 + 64 + 8 * (15 - 2);  // bottom-up rows of 8 bytes
  EXPECT_EQ(image.block[bits + 2], 0x0C);
  // A 16-pixel row's mask is 2 bytes and 2 bytes of padding the pixels never touch.
  for (int x = 0; x < 16; ++x) IconPixelSet(image, x, 0, 1);
  const size_t maskRow0 = 40 + 64 + 128 + 4 * 15;
  EXPECT_EQ(std::vector<uint8_t>(image.block.begin() + maskRow0, image.block.begin() + maskRow0 + 4),
            (std::vector<uint8_t>{0x00, 0x00, 0xFF, 0xFF}));
}

TEST(IconImage, ColourToIndexTakesExactThenNearest) {
  IconPalette256 palette;
  std::vector<Rgb> ramp = RampPalette();
  ramp[40] = Rgb{10, 20, 30};
  ramp[41] = Rgb{10, 20, 30};  // a duplicate: the first one wins
  PaletteFileBytes(ramp, palette);
  const IconImage c16 = MakeIconImage(2, palette);
  const IconImage c256 = MakeIconImage(3, palette);
  struct Case {
    const IconImage* image;
    COLORREF colour;
    int index;
  };
  const Case cases[] = {
      {&c16, TransparentMarker, -1},      {&c256, TransparentMarker, -1},
      {&c16, RGB(0, 0, 0), 0},           {&c16, RGB(255, 255, 255), 15},
      {&c16, RGB(192, 192, 192), 8},     {&c16, RGB(250, 10, 5), 9},  // nearest red, not black
      {&c16, RGB(140, 130, 120), 7},     {&c16, RGB(255, 230, 231), 15},
      {&c256, RGB(10, 20, 30), 40},      {&c256, RGB(11, 21, 29), 40},
      {&c256, RGB(100, (100 * 7) & 0xFF, 155), 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.colour);
    EXPECT_EQ(IconColourToIndex(*c.image, c.colour), c.index);
  }
  // Every swatch of a 256-colour image maps to its nearest palette colour.
  for (COLORREF swatch : IconSwatchColours(c256)) {
    const int index = IconColourToIndex(c256, swatch);
    const auto distance = [swatch](COLORREF p) {
      const int dr = GetRValue(p) - GetRValue(swatch), dg = GetGValue(p) - GetGValue(swatch),
                db = GetBValue(p) - GetBValue(swatch);
      return dr * dr + dg * dg + db * db;
    };
    for (int i = 0; i < 256; ++i) EXPECT_LE(distance(IconPaletteColour(c256, index)), distance(IconPaletteColour(c256, i)));
  }
  // A palette colour equal to the marker is taken as transparent.
  IconImage marked = MakeIconImage(0, palette);
  marked.block[40 + 4 * 3] = 0xE6, marked.block[41 + 4 * 3] = 0xE6, marked.block[42 + 4 * 3] = 0xFF;
  EXPECT_EQ(IconSwatchColours(marked)[3], TransparentMarker);
  EXPECT_EQ(IconColourToIndex(marked, IconSwatchColours(marked)[3]), -1);
}

TEST(IconImage, FormatsAndTheirTexts) {
  const char* const texts[] = {"16*16 (16色)", "16*16 (256色)", "32*32 (16色)", "32*32 (256色)"};
  const size_t sizes[] = {296, 1384, 744, 2216};
  for (int f = 0; f < kIconFormatCount; ++f) {
    const IconImage image = MakeIconImage(f, kUnusedPalette);
    EXPECT_EQ(IconImageText(image), texts[f]);
    EXPECT_EQ(image.block.size(), sizes[f]);
    EXPECT_EQ(IconColourCount(image), f % 2 ? 256 : 16);
  }
  EXPECT_EQ(NewIconTitle(3), "Icon[3]");
  EXPECT_EQ(IconFormatOf(IconImage{}), -1);
  EXPECT_EQ(IconPixelGet(IconImage{}, 0, 0), 0u);
}

TEST(IconImage, AddDeleteAndSelectImages) {
  IconDocState doc = NewIconDocState();
  EXPECT_EQ(MissingIconFormats(doc), (std::vector<int>{0, 1, 3}));
  EXPECT_FALSE(DeleteCurrentIconImage(doc));  // never fewer than one
  PushIconDocUndo(doc);                        // image 0 gets a step
  doc.modified = false;
  for (int f : {0, 1, 3, 0, 1, 2, 3}) ASSERT_TRUE(AddIconImage(doc, f, kUnusedPalette));
  EXPECT_FALSE(AddIconImage(doc, 0, kUnusedPalette));  // never more than eight
  EXPECT_EQ(doc.images.size(), 8u);
  EXPECT_EQ(doc.currentImage, 7);
  EXPECT_TRUE(doc.modified);
  EXPECT_TRUE(MissingIconFormats(doc).empty());

  // A selection goes with any change of image.
  SelectIconImage(doc, 0);
  MarkIconSelection(doc, IconPoint{1, 1}, IconPoint{3, 3});
  SelectIconImage(doc, 2);
  EXPECT_FALSE(IconHasSelection(doc));
  SelectIconImage(doc, 99);
  EXPECT_EQ(doc.currentImage, 2);

  // Deleting keeps the index, or takes the new last; rings move with their images.
  SelectIconImage(doc, 0);
  ASSERT_TRUE(DeleteCurrentIconImage(doc));
  EXPECT_EQ(IconFormatOf(doc.images[0]), 0);
  EXPECT_EQ(doc.currentImage, 0);
  EXPECT_FALSE(CanUndoIconDoc(doc));
  SelectIconImage(doc, 6);
  ASSERT_TRUE(DeleteCurrentIconImage(doc));
  EXPECT_EQ(doc.currentImage, 5);
  EXPECT_EQ(doc.images.size(), doc.undoRings.size());
}

}  // namespace
