#pragma once
// The command groups of the subsystems: each owns command ids (ranges listed
// at the top of resources/ids.h) and a handler; the frame dispatches by
// looping over them. Which commands are enabled comes from the core's
// ComputeCommandStates and is applied here.
#include <windows.h>

struct CommandRange {
  UINT first;
  UINT last;
};

struct CommandGroup {
  const char* name;
  const CommandRange* ranges;
  int rangeCount;
  // Handles an id of the group's ranges; false when it did nothing with it.
  bool (*handle)(UINT id);
};

// The group holding id, or null.
const CommandGroup* FindCommandGroup(UINT id);
// Runs a command through its group; false when no group has it.
bool DispatchCommand(UINT id);

// Re-evaluates which commands are enabled and applies what changed to the
// main menu, the editor's context menu and the toolbar.
void RefreshCommandStates();
// The next refresh applies every state (the menus or toolbar were rebuilt).
void ForgetAppliedCommandStates();

// ---- the groups' handlers (each in its subsystem's command file)
bool HandleDocumentCommand(UINT id);  // undo, redo, clipboard, select all of the active document
bool HandleTextCommand(UINT id);      // conversions and character counts of text documents
bool HandleFileCommand(UINT id);      // new, open, close, save, encoding, recent files
bool HandleSearchCommand(UINT id);    // find, replace, find next
bool HandleShellCommand(UINT id);     // exit, view, tabs, help
bool HandleIconCommand(UINT id);      // the icon editor's tools
bool HandleProjectCommand(UINT id);   // new, open, close, save, recent projects, files, windows, resources
bool HandleUnbuiltCommand(UINT id);   // commands of subsystems that are not built yet
