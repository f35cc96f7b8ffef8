#pragma once
// The clipboard block of copied controls, registered as "Wrenfold-RAD":
// int32 count, then per control name, x, y, cx, cy, text, style, exStyle,
// controlType, imageType, imagePath (strings NUL-terminated, integers 32-bit
// little-endian).
#include <string>
#include <string_view>
#include <vector>

#include "project/window_def.h"

constexpr char kRadClipboardFormatName[] = "Wrenfold-RAD";
// A paste becomes the designer's selection, which holds at most this many.
constexpr int kMaxPastedControls = 254;

// The block for the selected controls, from the last selected to the first.
// Indexes outside the window are skipped. Positions are moved by (dx, dy):
// a cut moves them by (-17, -10), so that pasting puts them back in place.
std::string BuildControlClipboard(const WindowDef& window, const std::vector<int>& selection, int32_t dx = 0,
                                  int32_t dy = 0);

// The controls of a block in block order. The block comes from anywhere: the
// count must fit the selection and the bytes, every string must end inside
// the block, every type must be a control type. False (nothing in
// `controls`) otherwise. Bytes after the last record are ignored (the
// clipboard rounds blocks up).
bool ParseControlClipboard(std::string_view block, std::vector<ControlDef>& controls);

// Pastes a block: every control moved by (+17, +10) and inserted in paste
// mode. Returns the indexes of the new controls (the new selection), empty
// when the block is not valid (and the window unchanged).
std::vector<int> PasteControls(WindowDef& window, std::string_view block);
