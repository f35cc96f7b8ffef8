#pragma once
// Read-only views of the assistance popups of the active document, for the
// Wine tests.
#include <string>
#include <vector>

#include "platform/win_types.h"

// The item texts as the open list's list view holds them, in display order.
std::vector<std::string> CompletionListItemsForTest();
// Index of the selected item, or -1 (also when no list is open).
int CompletionListSelectionForTest();
// Image index of an item as the list view holds it, or -1.
int CompletionListImageForTest(int item);
HWND CompletionListWindowForTest();
HWND CompletionListViewForTest();
// startByte and typedLength of the open list.
int CompletionListStartForTest();
int CompletionListTypedForTest();

// The shown hint's text ("" when none), its bold piece ("" when no argument
// is bold) and its window (null when none, or when the hint is in the
// status bar).
std::string HintTextForTest();
std::string HintBoldArgumentForTest();
HWND HintWindowForTest();
