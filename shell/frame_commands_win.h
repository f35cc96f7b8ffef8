#pragma once
// The frame's command routing and the pieces of the frame that commands use.
#include "platform/win_types.h"

// WM_COMMAND of the frame: the rebar's controls, then the command table.
void OnFrameCommand(UINT id, UINT code, HWND control);
// The close sequence (WM_CLOSE; the session's end runs its two halves).
void RunCloseSequence();
// The questions of the close sequence (project, then each modified document
// from the top): false when the user cancelled or a save did not complete.
bool AskBeforeClosing();
// The rest of it, asking nothing: store the settings, destroy the windows.
void FinishClosing();
// Stores IsWindowMax / WindowRect from the frame's placement.
void StoreWindowPlacement();
// Message 1094: the compiler reports a zero-based line of the file named in pgm.tmp.
void OnCompilerSourcePosition(int line);
// Right click on the tab bar.
void ShowTabContextMenu();
// WM_INITMENU: the recent-files and recent-projects submenus from the histories.
void RefreshRecentFilesMenu();
// WM_MEASUREITEM / WM_DRAWITEM of menu items.
LRESULT MenuOwnerDraw(UINT msg, LPARAM lp);
// Project view (docked or in its tool window) and the web-search pane.
void CreateProjectViewWindows(HWND frame);
void DestroyProjectViewWindows();
void CreateWebPane(HWND frame);
void DestroyWebPane();

// Tells the user that a command of a part not built yet cannot run.
void CommandNotAvailable(UINT id);
