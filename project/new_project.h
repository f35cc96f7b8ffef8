#pragma once
// A new project: what the new-project dialog asks for, which folders and
// names it accepts, and the files the project starts with.
#include <string>
#include <string_view>

#include "project/project_names.h"
#include "project/project_state.h"
#include "project/work_state.h"

enum class NewProjectKind { kWindowProgram, kConsoleProgram };

struct NewProjectInput {
  std::string name;
  std::string folder;  // the project's own folder; created when missing
  NewProjectKind kind = NewProjectKind::kWindowProgram;
};

// The folder a project of this name gets by default: saveDir\name (an empty
// name gives saveDir with its backslash).
std::string DefaultProjectFolder(std::string_view saveDir, std::string_view name);

// The folder as a directory path ending with a backslash.
std::string FolderWithSeparator(std::string_view folder);

// The dialog's checks: the name (an identifier and a file name), then the
// folder (a full path, short enough for the project's files).
Refusal ValidateNewProject(const NewProjectInput& input);

// "\"%s\" フォルダには既にプロジェクトがあります。..." for a folder that holds a `.pj`.
std::string ProjectFolderTakenMessage(std::string_view folder);

// The option bits a kind of program starts with: a window program includes
// the common-control declarations, a console program nothing.
uint32_t NewProjectOptions(NewProjectKind kind);

// The main source's file name: name + ".bas".
std::string MainSourceName(std::string_view name);
// The main source a kind of program starts with.
std::string MainSourceText(NewProjectKind kind, std::string_view name);

// The state of the new project (open, nothing modified): its name, folder,
// options and main source.
ProjectState NewProjectState(const NewProjectInput& input);

// The view state a project has before anything was remembered: the File
// tab with the project's files shown, every Material group closed.
WorkState InitialViewState();

// The frame's title: "Quillet" without a project, "Quillet - Name" with one.
std::string FrameTitle(const ProjectState& state);
