#pragma once
// Copying and pasting a designed window's controls through the clipboard in
// the registered format (RadClipboardFormat).
#include <vector>

#include "project/window_def.h"

// The selected controls on the clipboard; a cut moves them by (-17, -10) in
// the block, so that a paste (+17, +10) puts them back where they were.
bool CopyControlsToClipboard(const WindowDef& window, const std::vector<int>& selection, bool forCut);
// Pastes the clipboard's controls into the window; the indexes of the new
// controls (the new selection), empty when the clipboard holds no valid block.
std::vector<int> PasteControlsFromClipboard(WindowDef& window);
bool ClipboardHasControls();
