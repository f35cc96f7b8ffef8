#pragma once
// Inserting a control into a window definition, with the names and texts new
// controls get.
#include <string>
#include <string_view>
#include <unordered_set>

#include "project/window_def.h"

enum class InsertMode {
  kRestore = 0,  // undo/redo: name and text as given, at the given index
  kToolbox = 1,  // placed from the palette
  kPaste = 2,    // pasted from the clipboard
};

// A proposal split into its prefix and the number at its end. At most nine
// trailing digits count as the number (so it never overflows); digits before
// them belong to the prefix.
struct NameParts {
  std::string_view prefix;
  std::string_view digits;  // empty when the name ends in no digit
};
NameParts SplitTrailingNumber(std::string_view name);

// The name a new control gets in modes 1 and 2. The number starts at the
// proposal's number (+1 in kToolbox; without digits 1, or 0 = the prefix
// alone, in kPaste) and rises while the name is taken (case-sensitive). The
// number keeps the proposal's digit count, so a pasted "Btn007" keeps its
// name when it is free. `number` receives the final number.
std::string ChooseControlName(const std::unordered_set<std::string>& taken, std::string_view proposal,
                              InsertMode mode, int64_t& number);

// A control as the palette tool of its type places it, named after the type.
ControlDef NewToolboxControl(ControlType type, int32_t x, int32_t y, int32_t cx, int32_t cy);

// Inserts `control` at `index` (or appends when index is -1 or past the end)
// and returns its index. In kToolbox and kPaste the name is chosen as above
// (a proposal that is no identifier is replaced by the type name); in
// kToolbox the text is the type's text prefix and the final number. The size
// is raised to 12 x 9; image type and path are kept only for an ImageBox.
size_t InsertControl(WindowDef& window, int index, ControlDef control, InsertMode mode);

// The same with the window's names already collected (for inserting many).
size_t InsertControl(WindowDef& window, int index, ControlDef control, InsertMode mode,
                     std::unordered_set<std::string>& names);
