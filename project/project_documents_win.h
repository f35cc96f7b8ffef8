#pragma once
// The open documents that belong to the project: text documents of its
// source files, designer and menu documents of its definitions, icon
// documents of its icons.
#include <string>
#include <vector>

#include "project/work_state.h"

// The record a slot's document shows, as the work state names it; false for
// a document that is not the project's.
bool ProjectDocumentOf(int slot, WorkDoc& doc);
// Slots of the document windows from the bottom of the Z order to the top.
std::vector<int> DocumentSlotsBottomFirst();
// Whether any open project document has unsaved changes.
bool AnyProjectDocumentModified();
// Saves every modified project document (text and icon kinds); true when all
// of them were saved.
bool SaveModifiedProjectDocuments();
// Closes every project document without a question.
void CloseProjectDocuments();
// Closes the designer document of a window definition, if one is open.
void CloseDefinitionDocument(WorkDocKind kind, const std::string& name);
