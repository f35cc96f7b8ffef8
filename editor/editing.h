#pragma once
// The editing operations of text documents: every change goes through
// EditSelection, which records an undo step and then calls ReplaceSelection.
#include <string_view>

#include "shell/document_table.h"

// Commits a pending indent, records the undo entry, replaces the selection.
void EditSelection(DocumentSlot& slot, std::string_view text, bool paste, bool scroll);
// Records or merges an undo entry (the redo history is dropped first).
void PushUndo(UndoRing& ring, int kind, std::string inserted, std::string removed, int newStart, int newEnd,
              int oldStart, int oldEnd);
bool IsBreakChar(unsigned char c);
// One step back or forward; false (and a beep by the caller's view) when there is none.
bool Undo(DocumentSlot& slot);
bool Redo(DocumentSlot& slot);
// Removes the provisional indentation from the text and forgets it.
void PendingIndentCancel(DocumentSlot& slot);
// Backspace on a provisional indent: drops one TAB (the last one cancels it).
void PendingIndentShorten(DocumentSlot& slot);
// WM_CHAR handling for Enter, Tab (with shift state) and printable bytes.
void TypeCharacter(DocumentSlot& slot, unsigned char c, bool shift);
