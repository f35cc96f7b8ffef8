#pragma once
// The parameter hint: the popup MethodCheckWindow below the caret, or the
// status bar's first pane, by the ParameterHint setting.
#include "shell/document_table.h"

// Runs the hint update for the document in a slot (after a typed character
// or a caret move) and shows, moves, redraws or closes the hint.
void UpdateHintFor(int slot);
// Closes the hint (window or status text) and forgets it.
void CloseHint();
// True while a hint (window or status text) is shown.
bool HintShown();
// The slot the shown hint belongs to, or -1.
int HintSlot();
// Looks the hint's first word up in the help file.
void HintHelp();
