#pragma once
// What the shell asks of the editor subsystem for text documents.
#include "editor/text_document.h"
#include "platform/win_types.h"

// Display-shaping settings of the moment (TabSize, IsRightTurn, ...).
TextLayout CurrentTextLayout();
// Called once the slot's TextDocument exists: ruler and result strip windows,
// colouring, gutter and the view hooks of the editor window.
void AttachEditor(int slot);
// Destroys the editor, ruler and result strip of a slot being freed.
void DetachEditor(int slot);
HWND EditorRulerWindow(const TextDocument& doc);
HWND EditorResultStripWindow(const TextDocument& doc);
// After a change of the shaping settings: re-wrap and repaint every text document.
void RelayoutAllTextDocuments();
// Editor fonts and the cell metrics cx, cy (frame creation, font setting change).
void RebuildEditorFonts(HWND window);
void DeleteEditorFonts();
