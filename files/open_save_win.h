#pragma once
// Opening and saving documents.
#include <string>

#include "editor/text_document.h"
#include "platform/win_types.h"

// Opens a file as the Open command does: history first, then by file type
// (icon files in the icon editor). Returns the document window, or null.
HWND OpenFileByPath(const std::string& path);
// Reads a text file into a new document (or brings an open one with that path
// to the top). What opening could not keep, and a read-only file, are told.
HWND ReadTextFileIntoDocument(const std::string& path, DocumentKind kind, COLORREF tabColour);
// Reads the document's file again into it (one undo step); false when it could
// not be read (reported).
bool ReloadDocument(int slot);

enum class WriteResult { kWritten, kDeclined, kFailed, kFailedSaveAsWanted };
// Writes a text document to path in its character set and newline code (asking
// first when characters would be lost). A failed write is reported; with
// offerSaveAs the report asks whether to save under another name. Clears the
// modified flag and what opening lost when written.
WriteResult WriteTextDocument(const std::string& path, TextDocument& doc, bool offerSaveAs);
// Saves a document, under newPath when given (save as); false when not saved.
// Before writing over its own file it settles what another program changed,
// a read-only file and what opening lost; a failed write offers another name.
bool SaveDocument(int slot, const char* newPath);
