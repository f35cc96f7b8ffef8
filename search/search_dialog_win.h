#pragma once
// What the find and replace dialogs share: opening, the history combo boxes,
// reading texts and options.
#include <string>

#include "platform/win_types.h"
#include "search/regex_calls.h"
#include "shell/editor_settings.h"

// Slot of the active document when it is a text document, else -1.
int ActiveTextSlot();

// Runs the modal find (119) or replace (129) dialog over the active text
// document (a beep without one, or without the resource library).
void RunSearchDialog(bool replace);
// The buttons of each dialog; true when the id was one of them.
bool FindDialogCommand(HWND dialog, UINT id);
bool ReplaceDialogCommand(HWND dialog, UINT id);

// WM_INITDIALOG: centred on the frame, options from the settings, the find
// history (and with `replace` the replacement history, first entry
// selected), the selected text or else the first history entry; focus on
// the search text. Returns FALSE (the focus has been set).
BOOL InitSearchDialog(HWND dialog, bool replace);

// Text of a combo box, cut to 259 bytes without splitting a character.
std::string ReadSearchText(HWND dialog, int id);

struct SearchRequest {
  std::string text;
  std::string replacement;
  SearchOptions options;
};
// Reads the texts and the check boxes and writes the options to the settings;
// a non-empty search text goes to the front of the find history (and with
// `replace` the replacement text to the replacement history) and the combo
// boxes are refilled.
SearchRequest BeginSearch(HWND dialog, bool replace);
// The slot a dialog's request works on, or -1: nothing to search for, or no
// active text document (a beep).
int SearchTargetSlot(const SearchRequest& r);

// The find-next button of both dialogs: the request, then FindNextInSlot with wrap.
void FindNextFromDialog(HWND dialog);
