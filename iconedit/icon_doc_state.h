#pragma once
// The model of an icon document: its images with one undo ring each, the
// current image, tool and colours, and the rectangular selection. The window
// handles, the view bitmap and the drag state belong to the windows that
// show it.
#include <cstdint>
#include <string>
#include <vector>

#include "iconedit/icon_image.h"
#include "iconedit/icon_shapes.h"
#include "iconedit/icon_undo_ring.h"

// Command IDs of the tools.
enum class IconTool : int32_t {
  kSelect = 40119,
  kPen = 40120,
  kLine = 40121,
  kRectangle = 40123,
  kEllipse = 40124,
  kFill = 40126,
  kBorderedRectangle = 40127,
  kFilledRectangle = 40128,
};
// True for the eight tool IDs (40122 and 40125 are not tools).
bool IsIconToolCommand(int commandId);

enum class IconSelectionState : int32_t { kNone = 0, kMarked = 1, kFloatingSelection = 2 };

// Colours of a lifted or pasted selection, rows top-down. They stay colours
// until they are dropped: a pasted picture need not match the palette.
struct FloatingPixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

struct IconDocState {
  IconSelectionState selectionState = IconSelectionState::kNone;
  CellRect selection;        // in cells; a floating one may lie partly outside
  FloatingPixels floating;   // while kFloatingSelection, the size of `selection`
  int32_t currentImage = 0;
  std::vector<IconImage> images;        // 1..8
  std::vector<IconUndoRing> undoRings;  // one per image, same order
  IconTool tool = IconTool::kPen;
  COLORREF primaryColour = 0;
  COLORREF secondaryColour = TransparentMarker;
  bool modified = false;
};

// A document over these images (1..8 of them) as it is after opening.
IconDocState MakeIconDocState(std::vector<IconImage> images);
// A new icon: one transparent 32 x 32 16-colour image.
IconDocState NewIconDocState();
// "Icon[%d]": the title of the n-th new icon since the program started.
std::string NewIconTitle(int number);

IconImage& CurrentIconImage(IconDocState& doc);
const IconImage& CurrentIconImage(const IconDocState& doc);

// Appends a transparent image of the format and makes it current; false with
// eight images present.
bool AddIconImage(IconDocState& doc, int format, const IconPalette256& palette256);
// Removes the current image with its undo ring; false when it is the only one.
bool DeleteCurrentIconImage(IconDocState& doc);
void SelectIconImage(IconDocState& doc, int index);
// The formats 0..3 the document has no image of yet, in format order.
std::vector<int> MissingIconFormats(const IconDocState& doc);

// Snapshot of the current image before a change; marks the document modified.
void PushIconDocUndo(IconDocState& doc);
// False when there is no step (the caller beeps). Undo discards a floating
// selection; redo leaves it.
bool UndoIconDoc(IconDocState& doc);
bool RedoIconDoc(IconDocState& doc);
bool CanUndoIconDoc(const IconDocState& doc);
bool CanRedoIconDoc(const IconDocState& doc);

// Choosing another tool than select drops the selection (a floating one is
// discarded).
void SetIconTool(IconDocState& doc, IconTool tool);
