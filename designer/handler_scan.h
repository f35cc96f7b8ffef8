#pragma once
// Which event handlers a window's own source defines: the input of the
// window procedure the generator writes for it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/window_def.h"

// The type of a controlEvents entry that holds menu command handlers.
constexpr int32_t kMenuHandlerType = 99;

struct ControlHandlers {
  std::string name;  // the control's name, or the menu item's ID name
  int32_t type = 0;  // the control type code, or kMenuHandlerType
  std::vector<std::string> events;  // as written in the source, in order
};

struct HandlerIndex {
  std::vector<std::string> windowEvents;  // in order of appearance, duplicates kept
  std::vector<ControlHandlers> controlEvents;  // one per control or menu item
  bool ownProcedure = false;  // the source defines Function <callbackName>
};

// Scans the source text of `window` (any of the three line ends). A handler
// is a Sub named window name + "_" + rest (any letter case):
//   - rest without "_": a window event;
//   - rest "<ID>_MenuClick" where ID is a command item of one of `menus`;
//   - rest "<control>_<event>" where control is a control of the window.
// Anything else (a helper whose name starts like a handler, a handler of a
// control or menu item that is gone) names no handler: calling it from the
// generated code would name a procedure or constant that does not exist.
HandlerIndex ScanHandlers(const WindowDef& window, const std::vector<MenuDef>& menus, std::string_view sourceText);
