#pragma once
// What the generated window procedure dispatches: the window messages of the
// window events and the notification codes of the control events. Names are
// looked up without regard to letter case; the tables give the spelling
// written into the generated calls.
#include <cstdint>
#include <string_view>

enum class WindowEventKind { kOrdinary, kCreate, kDestroy, kQueryClose, kPaint, kNotify };

struct WindowEventInfo {
  WindowEventKind kind;
  const char* name;
  const char* message;    // ordinary rows only
  const char* arguments;  // ordinary rows only: the call's argument list
};

struct EventCode {
  const char* name;
  const char* code;
};

const WindowEventInfo* FindWindowEvent(std::string_view name);
const WindowEventInfo& WindowEventOf(WindowEventKind kind);  // not for kOrdinary

// ListView, TreeView, UpDown, ProgressBar and TrackBar report through WM_NOTIFY.
bool IsNotifyControl(int32_t type);
// The WM_COMMAND code of an event of a control type (nullptr: none).
const EventCode* FindCommandCode(int32_t type, std::string_view event);
// The WM_NOTIFY code of an event of a notifying control type (nullptr: none).
const EventCode* FindNotifyCode(int32_t type, std::string_view event);
