#pragma once
// The window code of a project: Callback.wbp (ID constants, fonts, brushes,
// menus, one window procedure per window, the dialog functions) and
// MakeWindow.wbp (registration and creation of the ordinary windows), built
// from the window and menu definitions and from the handlers each window's
// own source defines. The caller writes the bytes into the project directory.
#include <functional>
#include <string>
#include <vector>

#include "designer/handler_scan.h"
#include "project/project_state.h"

constexpr const char kCallbackFileName[] = "Callback.wbp";
constexpr const char kMakeWindowFileName[] = "MakeWindow.wbp";

struct WindowCode {
  std::string callback;    // Callback.wbp
  std::string makeWindow;  // MakeWindow.wbp
};

// handlers[i] belongs to project.windows[i]; a missing entry counts as a
// window without handlers.
WindowCode GenerateWindowCode(const ProjectState& project, const std::vector<HandlerIndex>& handlers);

// The text of a window's source: the open document's text when the file is
// open, else the file read from disk. False when it cannot be had (the reader
// has reported it); the window then counts as one without handlers.
using WindowSourceText = std::function<bool(const WindowDef& window, std::string& text)>;

// ScanHandlers for every window, in list order.
std::vector<HandlerIndex> ScanProjectHandlers(const ProjectState& project, const WindowSourceText& source);
// Both steps at once: what a project save or a designer save writes.
WindowCode GenerateWindowCode(const ProjectState& project, const WindowSourceText& source);
