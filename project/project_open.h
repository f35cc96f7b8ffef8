#pragma once
// Opening a project: the `.pj`, then the `.wnd` and the resource script it
// implies, read into a fresh state that replaces the open one only when every
// file was accepted.
#include <functional>
#include <string>
#include <string_view>

#include "project/project_state.h"
#include "project/read_result.h"

// Reads a whole file; false when it does not exist or cannot be read.
using ProjectFileSource = std::function<bool(const std::string& path, std::string& bytes)>;

// Opens the project whose `.pj` is at pjPath. projectDir is the `.pj`'s
// folder. A missing `.wnd` means no windows or menus; a missing resource
// script means no resources. An unreadable `.pj` gives "\"%s\"
// ファイルの読み込みに失敗しました。". Every flag of the new state is clear.
// The work state (`.wrk`) is read separately with ReadWorkState.
ReadResult OpenProject(std::string_view pjPath, const ProjectFileSource& read, ProjectState& state);
