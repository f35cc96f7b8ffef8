#pragma once
// What the shell asks of the editing assistance.

// Destroys an open completion list and parameter hint window.
void CloseAssistPopups();
// Destroys the parameter hint when it belongs to this slot.
void CloseHintFor(int slot);
