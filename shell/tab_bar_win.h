#pragma once
// The owner-painted tab bar above the MDI client: one tab per document,
// labelled with its title and coloured by its item data.
#include <string>

#include "platform/win_types.h"

HWND CreateTabBar(HWND frame);
void DestroyTabBar();
HWND TabBarWindow();
// Height of the first tab's rectangle, 0 when there is no tab.
int TabBarHeight();

// colour -1 means kTabColourGrey.
void TabInsertFront(const std::string& title, COLORREF colour);
void TabRemove(const std::string& title);
void TabRename(const std::string& oldTitle, const std::string& newTitle);
COLORREF TabColour(const std::string& title);
void TabSetColour(const std::string& title, COLORREF colour);
void TabSelect(const std::string& title);
// Index of a title (case-insensitive), or -1.
int TabIndex(const std::string& title);
std::string TabTitleAt(int index);
int TabCount();
// Brings the document of the selected tab to the top.
void ActivateSelectedTab();
