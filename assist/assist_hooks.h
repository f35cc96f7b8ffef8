#pragma once
// What the shell and the editor ask of the editing assistance (completion
// list, block completion, parameter hints).
struct DocumentSlot;

// Destroys an open completion list and parameter hint window.
void CloseAssistPopups();
// Destroys the parameter hint when it belongs to this slot.
void CloseHintFor(int slot);

// ---- completion list, as the editor sees it
bool CompletionListOpen();
void CloseCompletionList();
// Enter while the list is open: true when a selected item was inserted (the Enter is consumed).
bool CompletionListTakeEnter(DocumentSlot& slot);
// Up, Down, Page Up, Page Down go to the list while it is open.
void CompletionListKey(unsigned virtualKey);
// The typed length follows typing (+1) and Backspace (-1).
void CompletionListTyped(int delta);
// Called before a character is inserted while a list is open: true when the
// character closes the list (the caller still inserts it).
bool CompletionListCharCloses(unsigned char c);
// After the caret moved (UpdateCaret): narrowing and closing.
void CompletionListTrackCaret(DocumentSlot& slot);

// ---- reactions to a typed character, after it was inserted
// Source documents: parameter hints, block completion, member completion;
// Html documents: a space may open the attribute list.
void AssistAfterTyped(DocumentSlot& slot, unsigned char c);
// UpdateCaret in a Source document while a hint window is open.
void HintTrackCaret(DocumentSlot& slot);
