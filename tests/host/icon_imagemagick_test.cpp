// Icons the program writes are icons to another decoder too: ImageMagick
// reads every image back as the picture that was painted, transparent pixels
// with alpha 0.
#include <gtest/gtest.h>

#include <stdio.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "iconedit/icon_file.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

bool HaveConvert() { return std::system("command -v convert >/dev/null 2>&1") == 0; }

std::string Decode(const std::string& path, int image) {
  const std::string command = "convert '" + path + "[" + std::to_string(image) + "]' -depth 8 rgba:- 2>/dev/null";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

TEST(IconImageMagick, WrittenFilesDecodeToThePaintedPictures) {
  if (!HaveConvert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  char dirTemplate[] = "/tmp/quillet_ico_XXXXXX";
  ASSERT_NE(mkdtemp(dirTemplate), nullptr);
  const std::string path = std::string(dirTemplate) + "/icon.ico";

  IconPalette256 palette;
  PaletteFileBytes(RampPalette(), palette);
  IconDocState doc = NewIconDocState();
  for (int format : {0, 1, 3, 2, 1}) ASSERT_TRUE(AddIconImage(doc, format, palette));
  std::vector<Art> arts;
  for (size_t i = 0; i < doc.images.size(); ++i) {
    IconImage& image = doc.images[i];
    arts.push_back(PatternArt(IconWidth(image), IconColourCount(image) == 16 ? 16 : 62, static_cast<int>(i)));
    PaintArt(image, arts.back());
  }
  const std::string bytes = BuildIconFile(doc);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

  for (size_t i = 0; i < doc.images.size(); ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const Art& art = arts[i];
    const std::vector<Rgb> colours = IconColourCount(doc.images[i]) == 16 ? StandardPalette() : RampPalette();
    std::string expected;
    for (const std::string& row : art) {
      for (char c : row) {
        const int index = ArtIndex(c);
        if (index < 0) {
          expected += std::string(4, '\0');  // only the alpha of a transparent pixel counts
        } else {
          const Rgb rgb = colours[static_cast<size_t>(index)];
          expected += {static_cast<char>(rgb.r), static_cast<char>(rgb.g), static_cast<char>(rgb.b), '\xFF'};
        }
      }
    }
    const std::string decoded = Decode(path, static_cast<int>(i));
    ASSERT_EQ(decoded.size(), expected.size());
    for (size_t p = 0; p < expected.size(); p += 4) {
      if (expected[p + 3] == 0) {
        ASSERT_EQ(decoded[p + 3], 0) << "pixel " << p / 4;
      } else {
        ASSERT_EQ(decoded.substr(p, 4), expected.substr(p, 4)) << "pixel " << p / 4;
      }
    }
  }
  if (std::system(("rm -rf '" + std::string(dirTemplate) + "'").c_str()) != 0) ADD_FAILURE() << "could not remove";
}

}  // namespace
