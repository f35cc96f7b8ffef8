#pragma once
// The project view's actions on the open project: source files, window
// definitions and resources. Each reports its refusals and failures itself
// and calls ProjectChanged after a change.
#include <cstddef>
#include <string>

#include "project/material_choice.h"
#include "project/project_names.h"

// Adds a file (absolute path); a file already in the project is refused.
bool AddProjectFile(const std::string& absolutePath);
// The file dialog, then AddProjectFile.
void AddProjectFileWithDialog();
// Removes source file `index` from the project (the file stays); the main
// file is refused.
bool RemoveProjectFile(size_t index);

// Creates a window definition from the new-window dialog's input: checks
// the names, asks before replacing a source file on disk that the project
// does not hold, writes the source made from Ancillar\new_window_template.sbp
// and only then appends the definition. False when refused or failed.
bool CreateWindowDefinitionFrom(const NewWindowInput& input);
// Dialog 161, then CreateWindowDefinitionFrom.
void CreateWindowDefinition();
// Closes the window's designer document and removes the definition; its
// source stays in the project and on disk.
void DeleteWindowDefinitionAt(size_t index);

// Adds a cursor, bitmap or icon file (absolute path).
void AddResourceFile(ResourceKind kind, const std::string& absolutePath);
// The file dialog of the kind, then AddResourceFile.
void AddResourceWithDialog(ResourceKind kind);
// A new ID for an entry; a refused ID is reported and nothing changes.
bool ChangeResourceIdTo(ResourceKind kind, size_t index, const std::string& id);
// Dialog 217 ("IDの変更") with the entry's ID, then ChangeResourceIdTo.
void ChangeResourceIdWithDialog(ResourceKind kind, size_t index);
// Icon `index` becomes the main icon.
void MakeMainIcon(size_t index);
// Removes a cursor, bitmap or icon from the project (the file stays).
void RemoveResourceAt(ResourceKind kind, size_t index);

// Asks "%s ... をプロジェクトから削除します。よろしいですか？" and on OK removes
// the window or resource; false when cancelled or not removable here.
bool DeleteMaterialAfterQuestion(const MaterialRef& ref);
