#pragma once
// Document windows, the document list box, the status bar and the command
// states: keeping the open documents' views in step.
#include <memory>
#include <string>

#include "editor/text_document_window_win.h"
#include "platform/win_types.h"
#include "shell/command_table_win.h"

// Creates an MDI child with its editor for a text document. With an empty path
// a new untitled document is made ("Document[%d]"); content may then be null.
// The content's text is moved into the document. Returns the MDI child, or
// null (for example when all 255 slots are in use).
HWND CreateTextDocumentWindow(const std::string& path, DocumentKind kind, COLORREF tabColour, FileContent* content);
// For documents of other kinds, the steps every document window shares:
// the first free slot (-1 after saying that all are in use); whether a new
// window opens maximised (as the active one is, or IsMDIZoomed without one);
// the small icon of a file (icon 131 for an untitled document); and entering a
// created window with its document into the slot, the document list box and
// the tab bar.
int TakeFreeSlot();
bool NewDocumentMaximised();
HICON DocumentSmallIcon(const std::string& path);
void AdoptDocumentWindow(int slot, HWND window, DocumentKind kind, const std::string& title, const std::string& path,
                         std::unique_ptr<Document> document, COLORREF tabColour);
// Releases everything of a slot and removes its tab and list entry; the window
// itself is destroyed by the caller.
void FreeSlot(int slot);

// The MDI child on top, and its slot (-1 when none).
HWND ActiveDocumentWindow();
int ActiveSlot();
// Brings the document with this title to the top.
void ActivateDocumentByTitle(const std::string& title);
// Whether the document of a slot has unsaved changes.
bool DocumentModified(int slot);
// Asks to save a modified document (Yes/No/Cancel); false when the caller must stop.
bool ConfirmSaveBeforeClose(int slot);
// Renames a document (title, tab, list entry, window text).
void RetitleDocument(int slot, const std::string& newTitle);
// Puts the modified mark (" *") after the document's tab and window title, or
// takes it away, when its modified state changed since the last call.
void ShowModifiedMark(int slot);

// Status bar (optional help text for pane 0).
void RefreshStatusBar(const char* helpText = nullptr);

// Document list box.
void DocListAdd(const std::string& title);
void DocListRemove(const std::string& title);
void DocListRename(const std::string& oldTitle, const std::string& newTitle);
void DocListSelect(const std::string& title);
