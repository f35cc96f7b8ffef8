// The 32-slot snapshot ring of an image and the document's undo and redo.
#include <gtest/gtest.h>

#include "iconedit/icon_selection.h"
#include "iconedit/icon_undo_ring.h"
#include "icon_test_support.h"

namespace {

using namespace icon_test;

const IconPalette256 kPalette = {};

// Version n of an image: pixels (0,0) and (1,0) hold n in two nibbles.
IconImage Version(int n) {
  IconImage image = MakeIconImage(0, kPalette);
  IconPixelSet(image, 0, 0, n / 16);
  IconPixelSet(image, 1, 0, n % 16);
  return image;
}
int VersionOf(const IconImage& image) { return IconPixelIndex(image, 0, 0) * 16 + IconPixelIndex(image, 1, 0); }

// Pushes versions 0..n-1, each before changing to the next; the live image ends as version n.
IconImage Edited(IconUndoRing& ring, int n) {
  IconImage live = Version(0);
  for (int i = 0; i < n; ++i) {
    PushIconUndo(ring, live);
    live = Version(i + 1);
  }
  return live;
}

TEST(IconUndo, RingKeepsThirtyOneStepsAtItsLimit) {
  for (int pushes : {0, 1, 5, 31, 32, 33, 40, 64, 100}) {
    SCOPED_TRACE(pushes);
    IconUndoRing ring;
    IconImage live = Edited(ring, pushes);
    const int steps = std::min(pushes, 31);
    for (int i = 0; i < steps; ++i) {
      ASSERT_TRUE(CanUndoIconImage(ring));
      ASSERT_TRUE(UndoIconImage(ring, live));
      EXPECT_EQ(VersionOf(live), pushes - 1 - i);
    }
    const IconImage oldest = live;
    const int position = ring.position;
    EXPECT_FALSE(CanUndoIconImage(ring));
    EXPECT_FALSE(UndoIconImage(ring, live));  // the caller beeps
    EXPECT_EQ(live.block, oldest.block);
    EXPECT_EQ(ring.position, position);
    for (int i = 0; i < steps; ++i) {
      ASSERT_TRUE(RedoIconImage(ring, live));
      EXPECT_EQ(VersionOf(live), pushes - steps + i + 1);
    }
    EXPECT_FALSE(CanRedoIconImage(ring));
    EXPECT_FALSE(RedoIconImage(ring, live));
    EXPECT_EQ(VersionOf(live), pushes);
    int filled = 0;
    for (const auto& slot : ring.slots) filled += slot.has_value();
    EXPECT_EQ(filled, steps);  // one slot always stays empty
  }
}

TEST(IconUndo, PushAfterUndoFreesTheRedoTail) {
  struct Case {
    int pushes, undos;
  };
  for (const Case c : {Case{5, 3}, Case{5, 5}, Case{40, 20}, Case{40, 31}, Case{33, 1}}) {
    SCOPED_TRACE(std::to_string(c.pushes) + " pushes, " + std::to_string(c.undos) + " undos");
    IconUndoRing ring;
    IconImage live = Edited(ring, c.pushes);
    for (int i = 0; i < c.undos; ++i) ASSERT_TRUE(UndoIconImage(ring, live));
    const int base = VersionOf(live);
    PushIconUndo(ring, live);
    live = Version(200);
    EXPECT_FALSE(CanRedoIconImage(ring));
    int filled = 0;
    for (const auto& slot : ring.slots) filled += slot.has_value();
    EXPECT_EQ(filled, std::min(c.pushes, 31) - c.undos + 1);
    ASSERT_TRUE(UndoIconImage(ring, live));
    EXPECT_EQ(VersionOf(live), base);
    ASSERT_TRUE(RedoIconImage(ring, live));
    EXPECT_EQ(VersionOf(live), 200);
  }
}

TEST(IconUndo, DocumentUndoAndRedo) {
  IconDocState doc = NewIconDocState();
  EXPECT_FALSE(UndoIconDoc(doc));
  EXPECT_FALSE(RedoIconDoc(doc));
  EXPECT_FALSE(doc.modified);  // nothing to undo changes nothing

  // A lifted selection: undo discards it and brings back the lifted pixels.
  PushIconDocUndo(doc);
  PaintArt(CurrentIconImage(doc), {"111", "121", "111"});
  doc.modified = false;
  MarkIconSelection(doc, IconPoint{0, 0}, IconPoint{2, 2});
  LiftIconSelection(doc);
  ASSERT_EQ(doc.selectionState, IconSelectionState::kFloatingSelection);
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 3, 3)), "...\n...\n...\n");
  ASSERT_TRUE(UndoIconDoc(doc));
  EXPECT_EQ(doc.selectionState, IconSelectionState::kNone);
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 3, 3)), "111\n121\n111\n");
  EXPECT_TRUE(doc.modified);

  // Redo leaves a floating selection where it is.
  PasteIconPixels(doc, FloatingPixels{1, 1, {RGB(255, 0, 0)}});
  doc.modified = false;
  ASSERT_TRUE(RedoIconDoc(doc));
  EXPECT_EQ(doc.selectionState, IconSelectionState::kFloatingSelection);
  EXPECT_EQ(Joined(CornerOf(CurrentIconImage(doc), 3, 3)), "...\n...\n...\n");
  EXPECT_TRUE(doc.modified);

  // Each image has its own ring.
  IconPalette256 palette = {};
  ASSERT_TRUE(AddIconImage(doc, 0, palette));
  EXPECT_FALSE(CanUndoIconDoc(doc));
  SelectIconImage(doc, 0);
  EXPECT_TRUE(CanUndoIconDoc(doc));
}

}  // namespace
