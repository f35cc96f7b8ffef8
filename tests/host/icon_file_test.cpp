// Icon files: files laid out by hand read into the pictures they were made
// from and write back byte for byte; the writer's directory; every malformed
// file is refused as a whole with its message and leaves the document alone.
#include <gtest/gtest.h>

#include <functional>

#include "iconedit/icon_file.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

struct Picture {
  int size;
  int bits;
  Art art;
};

std::string BlockOf(const Picture& p) {
  return HandBlock(p.size, p.bits, p.bits == 4 ? StandardPalette() : RampPalette(), p.art);
}

TEST(IconFile, HandBuiltFilesReadIntoTheirPicturesAndWriteBackByteForByte) {
  struct Case {
    const char* name;
    std::vector<Picture> pictures;
  };
  std::vector<Case> cases = {
      {"16x16 16 colours", {{16, 4, PatternArt(16, 16, 1)}}},
      {"16x16 256 colours", {{16, 8, PatternArt(16, 62, 2)}}},
      {"32x32 16 colours", {{32, 4, PatternArt(32, 16, 3)}}},
      {"32x32 256 colours", {{32, 8, PatternArt(32, 62, 4)}}},
      {"all four formats", {{32, 8, PatternArt(32, 62, 5)}, {16, 4, PatternArt(16, 16, 6)},
                            {32, 4, PatternArt(32, 16, 0)}, {16, 8, PatternArt(16, 62, 1)}}},
      {"fully transparent and fully opaque",
       {{16, 4, Art(16, std::string(16, '.'))}, {32, 4, Art(32, std::string(32, 'f'))}}},
  };
  Case eight{"eight 32x32 256-colour images", {}};
  for (int i = 0; i < 8; ++i) eight.pictures.push_back({32, 8, PatternArt(32, 62, i)});
  cases.push_back(eight);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> blocks;
    for (const Picture& p : c.pictures) blocks.push_back(BlockOf(p));
    const std::string file = HandFile(blocks);
    IconDocState doc;
    ASSERT_TRUE(ReadIconFile(file, "a.ico", doc));
    ASSERT_EQ(doc.images.size(), c.pictures.size());
    ASSERT_EQ(doc.undoRings.size(), c.pictures.size());
    for (size_t i = 0; i < c.pictures.size(); ++i) EXPECT_EQ(Joined(ArtOf(doc.images[i])), Joined(c.pictures[i].art));
    const std::string written = BuildIconFile(doc);
    EXPECT_TRUE(written == file);
    IconDocState again;
    ASSERT_TRUE(ReadIconFile(written, "a.ico", again));
    EXPECT_TRUE(BuildIconFile(again) == written);
  }
  // Eight of the largest images overflow an 8 KB assembly buffer several times.
  std::vector<IconImage> images;
  IconPalette256 palette;
  PaletteFileBytes(RampPalette(), palette);
  for (int i = 0; i < 8; ++i) images.push_back(MakeIconImage(3, palette));
  EXPECT_EQ(BuildIconFile(images).size(), 17862u);
}

TEST(IconFile, WriterDirectoryAndLayout) {
  // A new icon: one transparent 32 x 32 16-colour image.
  const std::string file = BuildIconFile(NewIconDocState());
  ASSERT_EQ(file.size(), 766u);
  EXPECT_EQ(file.substr(0, 22), Le16(0) + Le16(1) + Le16(1) + std::string("\x20\x20\x10\0", 4) + Le16(0) +
                                     Le16(0) + Le32(744) + Le32(22));
  Art clear(32, std::string(32, '.'));
  EXPECT_TRUE(file.substr(22) == HandBlock(32, 4, StandardPalette(), clear));

  // 256-colour images have colour count 0; offsets follow each other.
  IconPalette256 palette;
  PaletteFileBytes(RampPalette(), palette);
  const std::string two = BuildIconFile({MakeIconImage(1, palette), MakeIconImage(0, palette)});
  EXPECT_EQ(two.substr(6, 16), std::string("\x10\x10\0\0\0\0\0\0", 8) + Le32(1384) + Le32(38));
  EXPECT_EQ(two.substr(22, 16), std::string("\x10\x10\x10\0\0\0\0\0", 8) + Le32(296) + Le32(38 + 1384));
  EXPECT_EQ(two.size(), 38u + 1384 + 296);
  // The palette file's bytes are the new 256-colour image's palette.
  EXPECT_EQ(two.substr(38 + 40, 1024), std::string(reinterpret_cast<const char*>(palette), 1024));
}

TEST(IconFile, ReaderTakesTheImageHeadersWordNotTheDirectorys) {
  const Art art = PatternArt(32, 16, 2);
  std::string file = HandFile({HandBlock(32, 4, StandardPalette(), art)});
  const std::string canonical = file;
  file[6] = 16, file[7] = 48, file[8] = 2, file[9] = 7;  // width, height, colours, reserved
  file[10] = 1, file[12] = 24;                             // planes, bit count
  IconDocState doc;
  ASSERT_TRUE(ReadIconFile(file, "a.ico", doc));
  EXPECT_EQ(IconWidth(doc.images[0]), 32);
  EXPECT_EQ(Joined(ArtOf(doc.images[0])), Joined(art));
  EXPECT_TRUE(BuildIconFile(doc) == canonical);

  // A block longer than its image is cut to the image; a full-palette count is accepted.
  std::string block = HandBlock(16, 8, RampPalette(), PatternArt(16, 62, 3));
  block.replace(32, 4, Le32(256));
  std::string longer = HandFile({block + std::string(100, 'x')});
  ASSERT_TRUE(ReadIconFile(longer, "a.ico", doc));
  EXPECT_EQ(doc.images[0].block.size(), 1384u);
  EXPECT_TRUE(BuildIconFile(doc) == HandFile({block}));
}

TEST(IconFile, MalformedFilesAreRefusedWholeAndChangeNothing) {
  const std::string b16 = HandBlock(16, 4, StandardPalette(), PatternArt(16, 16, 1));
  const std::string b32 = HandBlock(32, 8, RampPalette(), PatternArt(32, 62, 1));
  const std::string good = HandFile({b16, b32});
  auto with = [&](size_t at, const std::string& bytes) {
    std::string f = good;
    f.replace(at, bytes.size(), bytes);
    return f;
  };
  const size_t image1 = 38, header1 = image1;  // offset of the first block
  auto header = [&](size_t field, const std::string& bytes) { return with(header1 + field, bytes); };
  std::vector<std::string> nine;
  for (int i = 0; i < 9; ++i) nine.push_back(b16);
  const std::string png = std::string("\x89PNG\r\n\x1A\n", 8) + std::string(300, '\0');

  struct Case {
    const char* name;
    std::string file;
    std::string detail;
  };
  const std::vector<Case> cases = {
      {"empty", "", "ヘッダーが途中で終わっています"},
      {"five bytes", good.substr(0, 5), "ヘッダーが途中で終わっています"},
      {"directory cut", good.substr(0, 30), "ヘッダーが途中で終わっています"},
      {"cursor file", with(2, Le16(2)), "アイコンファイルではありません"},
      {"reserved word", with(0, Le16(1)), "アイコンファイルではありません"},
      {"no image", with(4, Le16(0)), "画像がありません"},
      {"nine images", HandFile(nine), "画像が 9 個あり、8 個を超えています"},
      {"huge count", with(4, Le16(0xFFFF)), "画像が 65535 個あり、8 個を超えています"},
      {"offset past the end", with(6 + 12, Le32(static_cast<uint32_t>(good.size()) + 1)),
       "1 番目の画像がファイルの外を指しています"},
      {"huge offset", with(22 + 12, Le32(0xFFFFFFFF)), "2 番目の画像がファイルの外を指しています"},
      {"huge size", with(6 + 8, Le32(0xFFFFFFF0)), "1 番目の画像がファイルの外を指しています"},
      {"size one past the end", good.substr(0, good.size() - 1), "2 番目の画像がファイルの外を指しています"},
      {"offset inside the directory", with(6 + 12, Le32(20)), "1 番目の画像がファイルの外を指しています"},
      {"same block twice", with(22 + 8, Le32(296) + Le32(38)), "2 番目の画像が 1 番目の画像と重なっています"},
      {"overlapping by one byte", with(22 + 12, Le32(38 + 295)), "2 番目の画像が 1 番目の画像と重なっています"},
      {"PNG image", HandFile({png}), "1 番目の画像は PNG 形式で、編集できません"},
      {"block shorter than a header", with(6 + 8, Le32(39)), "1 番目の画像のデータが途中で終わっています"},
      {"block one byte short", with(6 + 8, Le32(295)), "1 番目の画像のデータが途中で終わっています"},
      {"V5 header", header(0, Le32(124)), "1 番目の画像のヘッダーの形式に対応していません"},
      {"48 pixels", header(4, Le32(48) + Le32(96)), "1 番目の画像は 48*48 で、編集できるのは 16*16 と 32*32 だけです"},
      {"height not doubled", header(8, Le32(16)), "1 番目の画像は 16*8 で、編集できるのは 16*16 と 32*32 だけです"},
      {"top-down", header(8, Le32(static_cast<uint32_t>(-32))),
       "1 番目の画像は 16*-16 で、編集できるのは 16*16 と 32*32 だけです"},
      {"huge width", header(4, Le32(0x7FFFFFFF)),
       "1 番目の画像は 2147483647*16 で、編集できるのは 16*16 と 32*32 だけです"},
      {"1 bit", header(14, Le16(1)), "1 番目の画像は 1 画素 1 ビットで、編集できるのは 16 色と 256 色だけです"},
      {"24 bits", header(14, Le16(24)), "1 番目の画像は 1 画素 24 ビットで、編集できるのは 16 色と 256 色だけです"},
      {"32 bits", header(14, Le16(32)), "1 番目の画像は 1 画素 32 ビットで、編集できるのは 16 色と 256 色だけです"},
      {"planes 0", header(12, Le16(0)), "1 番目の画像のヘッダーの形式に対応していません"},
      {"RLE", header(16, Le32(2)), "1 番目の画像のヘッダーの形式に対応していません"},
      {"short palette", header(32, Le32(2)), "1 番目の画像のヘッダーの形式に対応していません"},
      {"second image broken", with(38 + 296 + 14, Le16(16)),
       "2 番目の画像は 1 画素 16 ビットで、編集できるのは 16 色と 256 色だけです"},
  };
  IconPalette256 palette;
  PaletteFileBytes(RampPalette(), palette);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    IconDocState doc = NewIconDocState();
    ASSERT_TRUE(AddIconImage(doc, 3, palette));
    doc.modified = true;
    const std::string before = BuildIconFile(doc);
    const ReadResult r = ReadIconFile(c.file, "アイコン.ico", doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "\"アイコン.ico\" ファイルの形式が正しくありません（" + c.detail + "）。");
    EXPECT_TRUE(BuildIconFile(doc) == before);
    EXPECT_EQ(doc.currentImage, 1);
    EXPECT_TRUE(doc.modified);
  }
  IconDocState doc;
  EXPECT_TRUE(ReadIconFile(good, "a.ico", doc));  // the base of every case is itself good
}

}  // namespace
