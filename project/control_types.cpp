#include "project/control_types.h"

namespace {

// UpDown is made by CreateUpDownControl in generated code; its class is the
// one that call registers.
const ControlTypeInfo kTable[kControlTypeCount] = {
    {ControlType::kCommandButton, "CommandButton", "Button", 0x50000000, 0, "BUTTON", 1077, 44, 44, 10, 11},
    {ControlType::kCheckBox, "CheckBox", "Check", 0x50000003, 0, "BUTTON", 1079, 33, 34, 7, 8},
    {ControlType::kComboBox, "ComboBox", "", 0x50200102, 0, "COMBOBOX", 1084, 42, 42, 42, 42},
    {ControlType::kEditBox, "EditBox", "", 0x50000000, 0x200, "EDIT", 1078, 35, 35, 10, 11},
    {ControlType::kGroupBox, "GroupBox", "Group", 0x50000007, 0, "BUTTON", 1081, 42, 42, 30, 30},
    {ControlType::kHScrollBar, "HScrollBar", "", 0x50000000, 0, "SCROLLBAR", 1082, 35, 35, 8, 9},
    {ControlType::kImageBox, "ImageBox", "", 0x50000007, 0, "STATIC", 1091, 16, 16, 16, 16},
    {ControlType::kListBox, "ListBox", "", 0x50200003, 0x200, "LISTBOX", 1085, 42, 42, 30, 30},
    {ControlType::kListView, "ListView", "", 0x50000000, 0x200, "SysListView32", 1087, 52, 53, 37, 38},
    {ControlType::kRadioButton, "RadioButton", "radio", 0x50000009, 0, "BUTTON", 1080, 31, 32, 7, 8},
    {ControlType::kStatic, "Static", "Text", 0x50000000, 0, "STATIC", 1076, 25, 25, 6, 6},
    {ControlType::kTreeView, "TreeView", "", 0x50000000, 0x200, "SysTreeView32", 1088, 52, 53, 37, 38},
    {ControlType::kVScrollBar, "VScrollBar", "", 0x50000001, 0, "SCROLLBAR", 1083, 9, 9, 30, 30},
    {ControlType::kUpDown, "UpDown", "", 0x50000000, 0, "msctls_updown32", 1086, 8, 8, 10, 11},
    {ControlType::kProgressBar, "ProgressBar", "", 0x50000000, 0x20000, "msctls_progress32", 1092, 70, 70, 10, 11},
    {ControlType::kTrackBar, "TrackBar", "", 0x50000018, 0, "msctls_trackbar32", 1093, 87, 88, 11, 12},
};

}  // namespace

const ControlTypeInfo* FindControlType(int32_t code) {
  return (code >= 1 && code <= kControlTypeCount) ? &kTable[code - 1] : nullptr;
}

const ControlTypeInfo& ControlTypeOf(ControlType type) { return kTable[static_cast<int32_t>(type) - 1]; }

const ControlTypeInfo* FindControlTypeByTool(int32_t toolId) {
  for (const auto& t : kTable) {
    if (t.toolId == toolId) return &t;
  }
  return nullptr;
}

const ControlTypeInfo* ControlTypeTable() { return kTable; }

ImageBoxKind ImageBoxKindOf(uint32_t style) {
  switch (style & 0xF) {
    case 3: return ImageBoxKind::kIcon;
    case 14: return ImageBoxKind::kBitmap;
    default: return ImageBoxKind::kNone;
  }
}
