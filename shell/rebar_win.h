#pragma once
// The rebar at the top of the frame with the document list box.
#include <string>

#include "platform/win_types.h"

void CreateRebar(HWND frame);
void DestroyRebar();
// Notifications of the rebar's children (tooltips, list box); 0 when not handled.
LRESULT RebarNotify(NMHDR* nm);
// CBN_SELCHANGE and the like from the rebar's controls; true when handled.
bool RebarCommand(UINT id, UINT code, HWND control);
// The compile-platform box's selection: -1 when there is no box or nothing
// is selected. Selecting an index the box does not have leaves it empty.
int PlatformBoxIndex();
void SelectPlatformBox(int index);
// Enables or greys a button of the main toolbar (no-op when it is absent).
void ToolbarEnable(UINT command, bool enabled);
// Tooltip text of a toolbar command, or null.
const char* ToolbarTooltip(UINT command);
// The web-search box: the editor writes the caret word into it; an Enter starts a search.
void SetWebSearchBoxText(const std::string& text);
void SendWebSearchEnter();
