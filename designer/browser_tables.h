#pragma once
// The events the event browser offers, in display order: the window's, the
// multimedia notification, and each control type's.
#include <cstddef>

#include "project/control_types.h"

struct BrowserEvent {
  const char* event;        // the last part of the handler name
  const char* message;      // the message or notification code
  const char* description;  // shown to the user
  const char* parameters;   // written into a new stub; "" for none
};

struct BrowserEventList {
  const BrowserEvent* rows = nullptr;
  size_t count = 0;
  const BrowserEvent* begin() const { return rows; }
  const BrowserEvent* end() const { return rows + count; }
};

BrowserEventList WindowBrowserEvents();
const BrowserEvent& MultimediaBrowserEvent();
// Empty for GroupBox, the scroll bars and a number that is no control type.
BrowserEventList ControlBrowserEvents(ControlType type);
