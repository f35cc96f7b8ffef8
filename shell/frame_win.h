#pragma once
// The main frame window (class Wrenfold) and its children.
#include "platform/win_types.h"

// The frame's timer that starts a backup every 10 seconds.
constexpr UINT_PTR kBackupTimer = 10;
constexpr UINT kBackupPeriod = 10000;

bool CreateFrameWindow();
HWND FrameMdiClient();
HWND FrameStatusBar();
// Lays the children out again (tab bar height, panes, rebar changes).
void FrameRelayout();
void JoinClipboardChain();
// Image lists made by the toolbar and the project view; destroyed at shutdown.
void DestroyFrameImageLists();
// While a project is open every window-designer document offers the message to
// its property dialog; true when one took it.
bool DesignerPropertyDialogsTakeMessage(MSG* msg);
// The compile commands and platform selector are enabled only with a project or a Source document.
void RefreshCompileCommandStates();
