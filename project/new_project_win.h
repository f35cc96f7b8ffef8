#pragma once
// Creating a project: the new-project command and what it writes.
#include <string>

#include "project/new_project.h"

// Whether the folder holds a `.pj` file.
bool FolderHoldsProject(const std::string& folder);

// Makes the folder, writes the main source (asking before replacing one that
// exists), Name.pj, Name.idx and Name.wrk, and opens the project. The open
// project is closed first. False, with the reason shown, when the input is
// refused or a file could not be written.
bool CreateNewProject(const NewProjectInput& input);

// The command: the dialog, then CreateNewProject.
void NewProjectCommand();
