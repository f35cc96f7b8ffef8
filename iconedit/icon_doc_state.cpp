#include "iconedit/icon_doc_state.h"

#include <algorithm>
#include <utility>

#include "iconedit/icon_selection.h"

bool IsIconToolCommand(int commandId) {
  return commandId >= static_cast<int>(IconTool::kSelect) && commandId <= static_cast<int>(IconTool::kFilledRectangle) &&
         commandId != 40122 && commandId != 40125;
}

IconDocState MakeIconDocState(std::vector<IconImage> images) {
  IconDocState doc;
  doc.images = std::move(images);
  doc.undoRings.resize(doc.images.size());
  return doc;
}

IconDocState NewIconDocState() {
  static const IconPalette256 kUnused = {};  // a 16-colour image takes the standard table
  std::vector<IconImage> images;
  images.push_back(MakeIconImage(2, kUnused));
  return MakeIconDocState(std::move(images));
}

std::string NewIconTitle(int number) { return "Icon[" + std::to_string(number) + "]"; }

IconImage& CurrentIconImage(IconDocState& doc) { return doc.images[static_cast<size_t>(doc.currentImage)]; }
const IconImage& CurrentIconImage(const IconDocState& doc) { return doc.images[static_cast<size_t>(doc.currentImage)]; }

bool AddIconImage(IconDocState& doc, int format, const IconPalette256& palette256) {
  if (doc.images.size() >= kMaxIconImages) return false;
  ClearIconSelection(doc);
  doc.images.push_back(MakeIconImage(format, palette256));
  doc.undoRings.emplace_back();
  doc.currentImage = static_cast<int32_t>(doc.images.size()) - 1;
  doc.modified = true;
  return true;
}

bool DeleteCurrentIconImage(IconDocState& doc) {
  if (doc.images.size() <= 1) return false;
  ClearIconSelection(doc);
  const auto at = static_cast<std::ptrdiff_t>(doc.currentImage);
  doc.images.erase(doc.images.begin() + at);
  doc.undoRings.erase(doc.undoRings.begin() + at);
  doc.currentImage = std::min(doc.currentImage, static_cast<int32_t>(doc.images.size()) - 1);
  doc.modified = true;
  return true;
}

void SelectIconImage(IconDocState& doc, int index) {
  ClearIconSelection(doc);
  if (index >= 0 && index < static_cast<int>(doc.images.size())) doc.currentImage = index;
}

std::vector<int> MissingIconFormats(const IconDocState& doc) {
  std::vector<int> missing;
  for (int f = 0; f < kIconFormatCount; ++f) {
    const bool present = std::any_of(doc.images.begin(), doc.images.end(),
                                     [f](const IconImage& image) { return IconFormatOf(image) == f; });
    if (!present) missing.push_back(f);
  }
  return missing;
}

void PushIconDocUndo(IconDocState& doc) {
  PushIconUndo(doc.undoRings[static_cast<size_t>(doc.currentImage)], CurrentIconImage(doc));
  doc.modified = true;
}

bool UndoIconDoc(IconDocState& doc) {
  if (!CanUndoIconDoc(doc)) return false;
  if (doc.selectionState == IconSelectionState::kFloatingSelection) DiscardFloatingSelection(doc);
  UndoIconImage(doc.undoRings[static_cast<size_t>(doc.currentImage)], CurrentIconImage(doc));
  doc.modified = true;
  return true;
}

bool RedoIconDoc(IconDocState& doc) {
  if (!RedoIconImage(doc.undoRings[static_cast<size_t>(doc.currentImage)], CurrentIconImage(doc))) return false;
  doc.modified = true;
  return true;
}

bool CanUndoIconDoc(const IconDocState& doc) {
  return CanUndoIconImage(doc.undoRings[static_cast<size_t>(doc.currentImage)]);
}

bool CanRedoIconDoc(const IconDocState& doc) {
  return CanRedoIconImage(doc.undoRings[static_cast<size_t>(doc.currentImage)]);
}

void SetIconTool(IconDocState& doc, IconTool tool) {
  if (tool != IconTool::kSelect) ClearIconSelection(doc);
  doc.tool = tool;
}
