#pragma once
// Adding, renaming, reordering and removing the project's cursors, bitmaps
// and icons, and the two files written from them.
#include <string>
#include <string_view>
#include <vector>

#include "project/project_names.h"
#include "project/project_state.h"
#include "project/read_result.h"

// The first of prefix + 1, 2, 3, ... that no entry of the list has (case-sensitive).
std::string NextResourceId(const ResourceList& list, std::string_view prefix);

// Appends an entry for a file the user chose (absolute path) with the next
// free ID, names the resource script if the project had none, and sets
// resourcesModified. Returns the new entry's index.
size_t AddResource(ProjectState& state, ResourceKind kind, std::string_view absolutePath);

// Gives entry `index` a new ID after ValidateResourceId; on refusal nothing changes.
Refusal ChangeResourceId(ProjectState& state, ResourceKind kind, size_t index, std::string_view id);

// Moves icon i to the front (the main icon); the ones before it move back by one.
void SetMainIcon(ProjectState& state, size_t index);

// Removes entry `index`; the file stays on disk. Removing a bitmap resets the
// background of every window that showed it to the 3D face colour and moves
// the bitmap indexes after it down by one. Returns the windows whose
// background changed (windowsModified is set when there are any).
std::vector<size_t> RemoveResource(ProjectState& state, ResourceKind kind, size_t index);

// The Material-tree text of an entry: the ID, for the first icon "%s (Main)".
std::string ResourceTreeText(const ProjectState& state, ResourceKind kind, size_t index);

// resource.sbp: "Const %s=%d" for every cursor, bitmap and icon, numbered from 101.
std::string BuildResourceConstants(const ProjectState& state);

// The resource script: "%s CURSOR \"%s\"", then BITMAP and ICON lines. The path
// is written with every 0x5C byte doubled (trail bytes included), the way the
// resource compiler reads a backslash inside a string.
std::string BuildResourceScript(const ProjectState& state);

// Reads what BuildResourceScript writes into the three lists of `state`;
// on failure they are left as they were.
ReadResult ReadResourceScript(std::string_view bytes, std::string_view fileName, ProjectState& state);
