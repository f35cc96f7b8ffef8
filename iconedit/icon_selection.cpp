#include "iconedit/icon_selection.h"

#include <algorithm>
#include <utility>

namespace {

FloatingPixels PixelsOf(const IconImage& image, const CellRect& r) {
  FloatingPixels p;
  p.width = r.right - r.left + 1;
  p.height = r.bottom - r.top + 1;
  p.colours.reserve(static_cast<size_t>(p.width) * static_cast<size_t>(p.height));
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x) p.colours.push_back(IconPixelGet(image, x, y));
  return p;
}

void PaintSecondary(IconDocState& doc, const CellRect& r) {
  IconImage& image = CurrentIconImage(doc);
  const int index = IconColourToIndex(image, doc.secondaryColour);
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x) IconPixelSet(image, x, y, index);
}

void EndSelection(IconDocState& doc) {
  doc.selectionState = IconSelectionState::kNone;
  doc.selection = CellRect{};
  doc.floating = FloatingPixels{};
}

}  // namespace

bool IconHasSelection(const IconDocState& doc) { return doc.selectionState != IconSelectionState::kNone; }

void ClearIconSelection(IconDocState& doc) { EndSelection(doc); }

void DiscardFloatingSelection(IconDocState& doc) {
  if (doc.selectionState == IconSelectionState::kFloatingSelection) EndSelection(doc);
}

CellRect SelectionBand(const IconDocState& doc, IconPoint start, IconPoint end) {
  const IconImage& image = CurrentIconImage(doc);
  return ClipRect(NormalisedRect(start, end), IconWidth(image), IconHeight(image));
}

void MarkIconSelection(IconDocState& doc, IconPoint start, IconPoint end) {
  EndSelection(doc);
  const CellRect band = SelectionBand(doc, start, end);
  if (start == end || IsEmptyRect(band)) return;
  doc.selectionState = IconSelectionState::kMarked;
  doc.selection = band;
}

void LiftIconSelection(IconDocState& doc) {
  if (doc.selectionState != IconSelectionState::kMarked) return;
  doc.floating = PixelsOf(CurrentIconImage(doc), doc.selection);
  PushIconDocUndo(doc);
  PaintSecondary(doc, doc.selection);
  doc.selectionState = IconSelectionState::kFloatingSelection;
}

void MoveIconSelection(IconDocState& doc, int dx, int dy) {
  if (doc.selectionState != IconSelectionState::kFloatingSelection) return;
  doc.selection.left += dx;
  doc.selection.right += dx;
  doc.selection.top += dy;
  doc.selection.bottom += dy;
}

void DropIconSelection(IconDocState& doc) {
  if (doc.selectionState != IconSelectionState::kFloatingSelection) return;
  const IconImage& current = CurrentIconImage(doc);
  const CellRect& s = doc.selection;
  const CellRect in = ClipRect(s, IconWidth(current), IconHeight(current));
  if (!IsEmptyRect(in)) {
    PushIconDocUndo(doc);
    IconImage& image = CurrentIconImage(doc);
    for (int y = in.top; y <= in.bottom; ++y)
      for (int x = in.left; x <= in.right; ++x)
        IconPixelSet(image, x, y, IconColourToIndex(image, doc.floating.At(x - s.left, y - s.top)));
  }
  EndSelection(doc);
}

FloatingPixels CopyIconSelection(const IconDocState& doc) {
  switch (doc.selectionState) {
    case IconSelectionState::kMarked: return PixelsOf(CurrentIconImage(doc), doc.selection);
    case IconSelectionState::kFloatingSelection: return doc.floating;
    default: return FloatingPixels{};
  }
}

FloatingPixels CutIconSelection(IconDocState& doc) {
  FloatingPixels pixels = CopyIconSelection(doc);
  if (doc.selectionState == IconSelectionState::kMarked) {
    PushIconDocUndo(doc);
    PaintSecondary(doc, doc.selection);
  }
  EndSelection(doc);
  return pixels;
}

void PasteIconPixels(IconDocState& doc, FloatingPixels pixels) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.colours.size() != static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height))
    return;
  DropIconSelection(doc);
  EndSelection(doc);
  FloatingPixels kept;
  kept.width = std::min(pixels.width, kMaxFloatingSide);
  kept.height = std::min(pixels.height, kMaxFloatingSide);
  if (kept.width == pixels.width && kept.height == pixels.height) {
    kept = std::move(pixels);
  } else {
    kept.colours.reserve(static_cast<size_t>(kept.width) * static_cast<size_t>(kept.height));
    for (int y = 0; y < kept.height; ++y)
      for (int x = 0; x < kept.width; ++x) kept.colours.push_back(pixels.At(x, y));
  }
  doc.selection = CellRect{0, 0, kept.width - 1, kept.height - 1};
  doc.floating = std::move(kept);
  doc.selectionState = IconSelectionState::kFloatingSelection;
  doc.tool = IconTool::kSelect;
}
