// Seeded, time-bounded fuzz runs of the icon editor. QUILLET_FUZZ_SECONDS
// sets the time per test (default 0.5 s).
// - The reader, over random bytes and damaged good files: it refuses with a
//   message and leaves the document alone, or accepts only what fits in the
//   file, and then what it read writes, reads and writes again byte for byte.
// - The model, over random mouse strokes, tool and colour changes, undo and
//   redo, images added and deleted and pictures pasted: it keeps its shape.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

#include "fuzz_support.h"
#include "iconedit/icon_file.h"
#include "iconedit/icon_selection.h"
#include "iconedit/icon_tools.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

class Generator : public FuzzRandom {
 public:
  using FuzzRandom::FuzzRandom;

  bool OneIn(int n) { return Uniform(1, n) == 1; }

  // A good file of 1 to 8 images in random formats.
  std::string GoodFile() {
    std::vector<std::string> blocks;
    const int count = Uniform(1, 8);
    for (int i = 0; i < count; ++i) {
      const int size = OneIn(2) ? 16 : 32, bits = OneIn(2) ? 4 : 8;
      blocks.push_back(HandBlock(size, bits, bits == 4 ? StandardPalette() : RampPalette(),
                                 PatternArt(size, bits == 4 ? 16 : 62, Uniform(0, 6))));
    }
    return HandFile(blocks);
  }

  uint32_t Interesting(size_t fileSize) {
    const uint32_t values[] = {0, 1, 2, 4, 8, 9, 16, 24, 32, 40, 48, 64, 124, 256, 295, 296, 744, 1384, 2216,
                               0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFF, static_cast<uint32_t>(fileSize),
                               static_cast<uint32_t>(fileSize / 2)};
    return values[Uniform(0, static_cast<int>(std::size(values)) - 1)];
  }

  std::string Damage(std::string f) {
    const int edits = Uniform(1, 5);
    for (int e = 0; e < edits && !f.empty(); ++e) {
      const size_t at = static_cast<size_t>(Uniform(0, static_cast<int>(f.size()) - 1));
      switch (Uniform(0, 6)) {
        case 0: f[at] = static_cast<char>(Uniform(0, 255)); break;
        case 1: f.resize(at); break;
        case 2: {  // a 16- or 32-bit field of the header, directory or a block header
          const size_t field = OneIn(2) ? static_cast<size_t>(Uniform(0, 21)) : at;
          const std::string v = OneIn(2) ? Le32(Interesting(f.size())) : Le16(Interesting(f.size()) & 0xFFFF);
          if (field + v.size() <= f.size()) f.replace(field, v.size(), v);
          break;
        }
        case 3: f.insert(at, std::string(static_cast<size_t>(Uniform(1, 50)), static_cast<char>(Uniform(0, 255)))); break;
        case 4: f.erase(at, static_cast<size_t>(Uniform(1, 50))); break;
        case 5: f.insert(at, f.substr(at / 2, static_cast<size_t>(Uniform(1, 400)))); break;
        default:
          if (at + 8 <= f.size()) f.replace(at, 8, std::string("\x89PNG\r\n\x1A\n", 8));
          break;
      }
    }
    return f;
  }

  std::string Random() {
    std::string f = OneIn(2) ? Le16(0) + Le16(1) + Le16(static_cast<uint32_t>(Uniform(0, 9))) : std::string();
    const int n = Uniform(0, 400);
    for (int i = 0; i < n; ++i) f += static_cast<char>(Uniform(0, 255));
    return f;
  }
};

void ExpectWellFormed(const IconDocState& doc) {
  ASSERT_GE(doc.images.size(), 1u);
  ASSERT_LE(doc.images.size(), 8u);
  ASSERT_EQ(doc.undoRings.size(), doc.images.size());
  ASSERT_GE(doc.currentImage, 0);
  ASSERT_LT(doc.currentImage, static_cast<int>(doc.images.size()));
  for (const IconImage& image : doc.images) {
    ASSERT_GE(IconFormatOf(image), 0);
    const IconFormat f = IconFormatDims(IconFormatOf(image));
    ASSERT_EQ(image.block.size(), IconBlockSize(f.width, f.height, f.bitCount));
  }
  if (doc.selectionState == IconSelectionState::kFloatingSelection) {
    ASSERT_EQ(doc.floating.width, doc.selection.right - doc.selection.left + 1);
    ASSERT_EQ(doc.floating.height, doc.selection.bottom - doc.selection.top + 1);
    ASSERT_EQ(doc.floating.colours.size(), static_cast<size_t>(doc.floating.width * doc.floating.height));
  } else {
    ASSERT_TRUE(doc.floating.colours.empty());
  }
  if (doc.selectionState == IconSelectionState::kMarked) {
    const IconImage& image = CurrentIconImage(doc);
    ASSERT_TRUE(ClipRect(doc.selection, IconWidth(image), IconHeight(image)) == doc.selection);
  }
}

TEST(IconFuzz, ReaderRefusesOrReadsWhatItWritesBack) {
  RunFuzzWith<Generator>(20000, [](Generator& gen) {
    const std::string file = gen.OneIn(4) ? gen.Random() : gen.Damage(gen.GoodFile());
    IconDocState doc = NewIconDocState();
    doc.modified = true;
    const std::string before = BuildIconFile(doc);
    const ReadResult r = ReadIconFile(file, "f.ico", doc);
    if (!r.ok) {
      ASSERT_EQ(r.message.rfind("\"f.ico\" ファイルの形式が正しくありません（", 0), 0u) << r.message;
      ASSERT_EQ(BuildIconFile(doc), before);
      ASSERT_TRUE(doc.modified);
      return;
    }
    ASSERT_NO_FATAL_FAILURE(ExpectWellFormed(doc));
    ASSERT_FALSE(doc.modified);
    size_t held = 0;
    for (const IconImage& image : doc.images) held += image.block.size();
    ASSERT_LE(held, file.size());  // blocks lie apart inside the file
    const std::string written = BuildIconFile(doc);
    IconDocState again;
    ASSERT_TRUE(ReadIconFile(written, "f.ico", again)) << ReadIconFile(written, "f.ico", again).message;
    ASSERT_EQ(BuildIconFile(again), written);
    for (size_t i = 0; i < doc.images.size(); ++i) ASSERT_EQ(ArtOf(again.images[i]), ArtOf(doc.images[i]));
  });
}

TEST(IconFuzz, ModelKeepsItsShapeUnderRandomEditing) {
  RunFuzzWith<Generator>(30000, [](Generator& gen) {
    IconPalette256 palette;
    PaletteFileBytes(RampPalette(), palette);
    IconDocState doc = NewIconDocState();
    IconDrag drag;
    const IconTool tools[] = {IconTool::kSelect, IconTool::kPen, IconTool::kLine, IconTool::kRectangle,
                              IconTool::kEllipse, IconTool::kFill, IconTool::kBorderedRectangle,
                              IconTool::kFilledRectangle};
    auto colour = [&gen] {
      return gen.OneIn(3) ? TransparentMarker : RGB(gen.Uniform(0, 255), gen.Uniform(0, 255), gen.Uniform(0, 255));
    };
    auto point = [&gen] { return gen.OneIn(30) ? gen.Uniform(-40000, 40000) : gen.Uniform(-30, 450); };
    const int steps = gen.Uniform(10, 200);
    for (int s = 0; s < steps; ++s) {
      const IconButton button = gen.OneIn(3) ? IconButton::kRight : IconButton::kLeft;
      switch (gen.Uniform(0, 14)) {
        case 0: SetIconTool(doc, tools[gen.Uniform(0, 7)]); break;
        case 1: doc.primaryColour = colour(); break;
        case 2: doc.secondaryColour = colour(); break;
        case 3: UndoIconDoc(doc); break;
        case 4: RedoIconDoc(doc); break;
        case 5: AddIconImage(doc, gen.Uniform(0, 3), palette); break;
        case 6: DeleteCurrentIconImage(doc); break;
        case 7: SelectIconImage(doc, gen.Uniform(-1, 8)); break;
        case 8: {
          FloatingPixels p;
          p.width = gen.Uniform(1, 40);
          p.height = gen.Uniform(1, 40);
          for (int i = 0; i < p.width * p.height; ++i) p.colours.push_back(colour());
          PasteIconPixels(doc, p);
          break;
        }
        case 9: CopyIconSelection(doc); break;
        case 10: CutIconSelection(doc); break;
        case 11: DiscardFloatingSelection(doc); break;
        case 12: IconButtonDown(doc, drag, button, point(), point()); break;
        case 13: IconPointerMove(doc, drag, point(), point()); break;
        default: IconButtonUp(doc, drag, drag.button, point(), point()); break;
      }
      ASSERT_NO_FATAL_FAILURE(ExpectWellFormed(doc));
      PreviewOfIconDrag(doc, drag);
      IconCursorAt(doc, drag, point(), point());
    }
    IconDocState again;
    const std::string written = BuildIconFile(doc);
    ASSERT_TRUE(ReadIconFile(written, "f.ico", again));
    ASSERT_EQ(BuildIconFile(again), written);
  });
}

}  // namespace
