#pragma once
// The completion list window (class ComplementWindow): one list at a time
// for the whole program, below the caret of the document it belongs to.
#include <string>
#include <vector>

#include "assist/completion_items.h"

// Opens the list for a document slot, closing any open one first. items are
// shown in the list's sort order; block lists (kind 4) keep the indentation
// of the line that opened the block for the insertion.
void ShowList(int slot, std::vector<CompletionItem> items, int startByte, int typedLength, bool block,
              const std::string& indentation);
// Destroys the list (and with it the items and the image list).
void CloseList();
// The slot the open list belongs to, or -1.
int ListSlot();
// Ends the list's part of a keystroke once its edit is complete: a block
// item the keystroke completed is inserted now (true when it was).
bool FinishListKeystroke();
