#pragma once
// Opening and saving documents.
#include <string>

#include "platform/win_types.h"

// Opens a file as the Open command does: history first, then by file type.
// Returns the document window, or null (icon files, failures).
HWND OpenFileByPath(const std::string& path);
// Reads a text file into a new document (or brings an open one with that path to the top).
HWND ReadTextFileIntoDocument(const std::string& path, int kind, COLORREF tabColour);
// Saves a document, under newPath when given (save as); false when not saved.
bool SaveDocument(int slot, const char* newPath);
