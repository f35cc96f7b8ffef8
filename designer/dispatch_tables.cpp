#include "designer/dispatch_tables.h"

#include <iterator>

#include "lang/text_fold.h"
#include "project/control_types.h"

namespace {

const char kButtons[] = "wParam As Long,LOWORD(lParam),HIWORD(lParam)";
const char kKeys[] = "wParam As Long,lParam As Long";
const char kScroll[] = "LOWORD(wParam),HIWORD(wParam),lParam As HWND";

const WindowEventInfo kWindowEvents[] = {
    {WindowEventKind::kOrdinary, "Activate", "WM_ACTIVATE", "LOWORD(wParam),HIWORD(wParam)"},
    {WindowEventKind::kOrdinary, "DropFiles", "WM_DROPFILES", "wParam As HDROP"},
    {WindowEventKind::kOrdinary, "HScroll", "WM_HSCROLL", kScroll},
    {WindowEventKind::kOrdinary, "VScroll", "WM_VSCROLL", kScroll},
    {WindowEventKind::kOrdinary, "KeyDown", "WM_KEYDOWN", kKeys},
    {WindowEventKind::kOrdinary, "KeyPress", "WM_CHAR", kKeys},
    {WindowEventKind::kOrdinary, "KeyUp", "WM_KEYUP", kKeys},
    {WindowEventKind::kOrdinary, "LButtonDown", "WM_LBUTTONDOWN", kButtons},
    {WindowEventKind::kOrdinary, "LButtonDblClick", "WM_LBUTTONDBLCLK", kButtons},
    {WindowEventKind::kOrdinary, "LButtonUp", "WM_LBUTTONUP", kButtons},
    {WindowEventKind::kOrdinary, "MButtonDown", "WM_MBUTTONDOWN", kButtons},
    {WindowEventKind::kOrdinary, "MButtonDblClick", "WM_MBUTTONDBLCLK", kButtons},
    {WindowEventKind::kOrdinary, "MButtonUp", "WM_MBUTTONUP", kButtons},
    {WindowEventKind::kOrdinary, "RButtonDown", "WM_RBUTTONDOWN", kButtons},
    {WindowEventKind::kOrdinary, "RButtonDblClick", "WM_RBUTTONDBLCLK", kButtons},
    {WindowEventKind::kOrdinary, "RButtonUp", "WM_RBUTTONUP", kButtons},
    {WindowEventKind::kOrdinary, "MouseMove", "WM_MOUSEMOVE", kButtons},
    {WindowEventKind::kOrdinary, "Resize", "WM_SIZE", kButtons},
    {WindowEventKind::kOrdinary, "Move", "WM_MOVE", "LOWORD(lParam),HIWORD(lParam)"},
    {WindowEventKind::kOrdinary, "SetFocus", "WM_SETFOCUS", ""},
    {WindowEventKind::kOrdinary, "Timer", "WM_TIMER", "wParam As DWord"},
    {WindowEventKind::kOrdinary, "MciNotify", "MM_MCINOTIFY", "wParam,lParam"},
    {WindowEventKind::kCreate, "Create", nullptr, nullptr},
    {WindowEventKind::kDestroy, "Destroy", nullptr, nullptr},
    {WindowEventKind::kQueryClose, "QueryClose", nullptr, nullptr},
    {WindowEventKind::kPaint, "Paint", nullptr, nullptr},
    {WindowEventKind::kNotify, "Notify", nullptr, nullptr},
};

const EventCode kButtonCodes[] = {{"Click", "BN_CLICKED"}, {"DblClick", "BN_DBLCLK"}};
const EventCode kComboCodes[] = {
    {"CloseUp", "CBN_CLOSEUP"},         {"DblClick", "CBN_DBLCLK"},     {"DropDown", "CBN_DROPDOWN"},
    {"EditChange", "CBN_EDITCHANGE"},   {"EditUpdate", "CBN_EDITUPDATE"}, {"ErrSpace", "CBN_ERRSPACE"},
    {"KillFocus", "CBN_KILLFOCUS"},     {"SelChange", "CBN_SELCHANGE"}, {"SelEndCancel", "CBN_SELENDCANCEL"},
    {"SelEndOk", "CBN_SELENDOK"},       {"SetFocus", "CBN_SETFOCUS"},
};
const EventCode kEditCodes[] = {
    {"Change", "EN_CHANGE"},     {"ErrSpace", "EN_ERRSPACE"}, {"HScroll", "EN_HSCROLL"}, {"KillFocus", "EN_KILLFOCUS"},
    {"MaxText", "EN_MAXTEXT"},   {"SetFocus", "EN_SETFOCUS"}, {"Update", "EN_UPDATE"},   {"VScroll", "EN_VSCROLL"},
};
const EventCode kStaticCodes[] = {{"Click", "STN_CLICKED"}, {"DblClick", "STN_DBLCLK"}};
const EventCode kListCodes[] = {
    {"SelChange", "LBN_SELCHANGE"}, {"DblClick", "LBN_DBLCLK"},     {"ErrSpace", "LBN_ERRSPACE"},
    {"KillFocus", "LBN_KILLFOCUS"}, {"SelCancel", "LBN_SELCANCEL"}, {"SetFocus", "LBN_SETFOCUS"},
};

const EventCode kCommonNotify[] = {
    {"Click", "NM_CLICK"},         {"CustomDraw", "NM_CUSTOMDRAW"},       {"DblClick", "NM_DBLCLK"},
    {"KillFocus", "NM_KILLFOCUS"}, {"OutOfMemory", "NM_OUTOFMEMORY"},     {"RClick", "NM_RCLICK"},
    {"RDblClick", "NM_RDBLCLK"},   {"ReleasedCapture", "NM_RELEASEDCAPTURE"}, {"Return", "NM_RETURN"},
    {"SetFocus", "NM_SETFOCUS"},
};
const EventCode kListViewNotify[] = {
    {"BeginDrag", "LVN_BEGINDRAG"},       {"BeginLabelEdit", "LVN_BEGINLABELEDIT"},
    {"BeginRDrag", "LVN_BEGINRDRAG"},     {"ColumnClick", "LVN_COLUMNCLICK"},
    {"DeleteAllItems", "LVN_DELETEALLITEMS"}, {"DeleteItem", "LVN_DELETEITEM"},
    {"EndLabelEdit", "LVN_ENDLABELEDIT"}, {"GetDispInfo", "LVN_GETDISPINFO"},
    {"InsertItem", "LVN_INSERTITEM"},     {"ItemChanged", "LVN_ITEMCHANGED"},
    {"ItemChanging", "LVN_ITEMCHANGING"}, {"KeyDown", "LVN_KEYDOWN"},
    {"SetDispInfo", "LVN_SETDISPINFO"},
};
const EventCode kUpDownNotify[] = {{"Deltapos", "UDN_DELTAPOS"}};

template <size_t N>
const EventCode* FindIn(const EventCode (&table)[N], std::string_view event) {
  for (const EventCode& e : table) {
    if (lang::EqualsNoCase(e.name, event)) return &e;
  }
  return nullptr;
}

}  // namespace

const WindowEventInfo* FindWindowEvent(std::string_view name) {
  for (const WindowEventInfo& e : kWindowEvents) {
    if (lang::EqualsNoCase(e.name, name)) return &e;
  }
  return nullptr;
}

const WindowEventInfo& WindowEventOf(WindowEventKind kind) {
  for (const WindowEventInfo& e : kWindowEvents) {
    if (e.kind == kind) return e;
  }
  return kWindowEvents[0];
}

bool IsNotifyControl(int32_t type) {
  switch (static_cast<ControlType>(type)) {
    case ControlType::kListView:
    case ControlType::kTreeView:
    case ControlType::kUpDown:
    case ControlType::kProgressBar:
    case ControlType::kTrackBar: return true;
    default: return false;
  }
}

const EventCode* FindCommandCode(int32_t type, std::string_view event) {
  switch (static_cast<ControlType>(type)) {
    case ControlType::kCommandButton:
    case ControlType::kCheckBox:
    case ControlType::kRadioButton: return FindIn(kButtonCodes, event);
    case ControlType::kComboBox: return FindIn(kComboCodes, event);
    case ControlType::kEditBox: return FindIn(kEditCodes, event);
    case ControlType::kImageBox:
    case ControlType::kStatic: return FindIn(kStaticCodes, event);
    case ControlType::kListBox: return FindIn(kListCodes, event);
    default: return nullptr;
  }
}

const EventCode* FindNotifyCode(int32_t type, std::string_view event) {
  if (!IsNotifyControl(type)) return nullptr;
  if (const EventCode* e = FindIn(kCommonNotify, event)) return e;
  if (type == static_cast<int32_t>(ControlType::kListView)) return FindIn(kListViewNotify, event);
  if (type == static_cast<int32_t>(ControlType::kUpDown)) return FindIn(kUpDownNotify, event);
  return nullptr;
}
