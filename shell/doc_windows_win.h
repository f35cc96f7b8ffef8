#pragma once
// Text-document windows, the document list box, the status bar and the
// command states: keeping the open documents' views in step.
#include <string>

#include "platform/win_types.h"

// What reading a file gives a new document.
struct FileContent {
  std::string text;  // Shift-JIS, CR LF, no NUL
  int charset = 0;
  int newline = 0;
  bool utf8Bom = false;  // the file began with a UTF-8 byte order mark
};

// Creates an MDI child with its editor for a text document. With an empty path
// a new untitled document is made ("Document[%d]"); content may then be null.
// Returns the MDI child, or null (for example when all 255 slots are in use).
HWND CreateTextDocumentWindow(const std::string& path, int kind, COLORREF tabColour,
                              const FileContent* content);
// Releases everything of a slot and removes its tab and list entry; the window
// itself is destroyed by the caller.
void FreeSlot(int slot);

// The MDI child on top, and its slot (-1 when none).
HWND ActiveDocumentWindow();
int ActiveSlot();
// Brings the document with this title to the top.
void ActivateDocumentByTitle(const std::string& title);
// Asks to save a modified document (Yes/No/Cancel); false when the caller must stop.
bool ConfirmSaveBeforeClose(int slot);
// Renames a document (title, tab, list entry, window text).
void RetitleDocument(int slot, const std::string& newTitle);

// Status bar (optional help text for pane 0).
void RefreshStatusBar(const char* helpText = nullptr);
// Greys or enables the menu items and toolbar buttons for the active document.
void RefreshCommandStates();
void RefreshUndoRedoState();

// Document list box.
void DocListAdd(const std::string& title);
void DocListRemove(const std::string& title);
void DocListRename(const std::string& oldTitle, const std::string& newTitle);
void DocListSelect(const std::string& title);
