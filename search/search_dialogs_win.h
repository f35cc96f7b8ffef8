#pragma once
// Find and replace in the program: the modal find (119) and replace (129)
// dialogs, the modeless match list (126) and F3.
#include <string>

#include "platform/win_types.h"
#include "search/regex_calls.h"

// Caption of every message of the search dialogs.
extern const char kSearchCaption[];

// Command 40024 / 40044 on the active text document (a beep without one).
void ShowFindDialog();
void ShowReplaceDialog();
// Command 40190: the first find-history entry with the saved options, forward
// with wrap; the find dialog when the history is empty.
void RepeatLastSearch();

// Find next in a text document from the end of its selection; found matches
// are selected. With `wrap`, a miss searches from the start: nothing there
// gives the not-found message, a match asks whether to go on from the start.
// Messages are owned by `owner`. True when a match was selected.
bool FindNextInSlot(HWND owner, int slot, const std::string& text, SearchOptions options, bool wrap);

// Lists every line of the document holding a match in a new match list
// (owned by the frame; an open one is closed first). False, with the
// library's message shown, when a regular-expression error left nothing to list.
bool ShowMatchList(HWND owner, int slot, const std::string& text, SearchOptions options);
// The match list window, or null.
HWND MatchListWindow();
// For the message loop: keyboard navigation of the modeless match list.
bool MatchListTakesMessage(MSG* msg);
