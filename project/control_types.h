#pragma once
// The sixteen kinds of control a designed window can hold, and what each gets
// when it is placed from the palette.
#include <cstdint>

enum class ControlType : int32_t {
  kCommandButton = 1,
  kCheckBox = 2,
  kComboBox = 3,
  kEditBox = 4,
  kGroupBox = 5,
  kHScrollBar = 6,
  kImageBox = 7,
  kListBox = 8,
  kListView = 9,
  kRadioButton = 10,
  kStatic = 11,
  kTreeView = 12,
  kVScrollBar = 13,
  kUpDown = 14,
  kProgressBar = 15,
  kTrackBar = 16,
};

struct ControlTypeInfo {
  ControlType type;
  const char* typeName;     // also the prefix of new control names
  const char* textPrefix;   // initial caption prefix; "" = empty caption
  uint32_t style;           // initial window style
  uint32_t exStyle;         // initial extended style
  const char* windowClass;  // class the generated code creates
  int32_t toolId;           // palette button / CurrentTool value
  // Size of a control placed by a click: from (x - left, y - up) to (x + right, y + down).
  int32_t left, right, up, down;
};

constexpr int kControlTypeCount = 16;
constexpr int32_t kMinControlWidth = 12;
constexpr int32_t kMinControlHeight = 9;

// The entry of a type; nullptr for a number that is no control type.
const ControlTypeInfo* FindControlType(int32_t code);
const ControlTypeInfo& ControlTypeOf(ControlType type);
// The entry whose palette tool has this id; nullptr for Select and others.
const ControlTypeInfo* FindControlTypeByTool(int32_t toolId);
// All sixteen, in code order.
const ControlTypeInfo* ControlTypeTable();

// ImageBox: the low four bits of its style say what it shows.
enum class ImageBoxKind { kNone, kIcon, kBitmap };
ImageBoxKind ImageBoxKindOf(uint32_t style);
