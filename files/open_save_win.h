#pragma once
// Opening and saving documents.
#include <string>

#include "editor/text_document.h"
#include "platform/win_types.h"

// Opens a file as the Open command does: history first, then by file type
// (icon files in the icon editor). Returns the document window, or null.
HWND OpenFileByPath(const std::string& path);
// Reads a text file into a new document (or brings an open one with that path to the top).
HWND ReadTextFileIntoDocument(const std::string& path, DocumentKind kind, COLORREF tabColour);
// Writes a text document to path in its character set and newline code (asking
// first when characters would be lost); a failure is reported. Clears the
// modified flag when written.
bool WriteTextDocument(const std::string& path, TextDocument& doc);
// Saves a document, under newPath when given (save as); false when not saved.
bool SaveDocument(int slot, const char* newPath);
