#pragma once
// The open project (g_app.project) in the Win32 layer: opening, saving and
// closing it, its work state, the frame's title and the project history.
#include <string>

#include "platform/win_types.h"
#include "project/project_save.h"

// A project is open while its name is not empty.
bool ProjectIsOpen();

// Called after every change of the open project's records, names or flags,
// and after it was opened or closed: where the project view refreshes itself.
void ProjectChanged();

// Opens the project of a `.pj` file: its files are read, then the open
// project is closed (false when that was refused); the title, the platform
// box and the project history follow, and the documents of the work state
// are opened again. A file that cannot be read or is malformed is reported
// and nothing changes. False when no project was opened.
bool OpenProjectByPath(const std::string& pjPath);

// A file named on the command line or dropped on the frame: a `.pj` opens its
// project, anything else opens as the Open command does.
void OpenPathFromShell(const std::string& path);

// Writes every project file (see project/project_save.h for which); true when
// every write succeeded. A failure was reported where it happened and leaves
// its flags set.
bool SaveProject();
// Asks whether to save a modified project (Yes/No/Cancel).
QuerySaveResult QuerySaveProject();
// Closes the open project and its documents; false when the user cancelled,
// the save failed or a class-view scan still reads the project.
bool CloseProject();
// Writes Name.wrk: the open project documents and the project view's state.
bool WriteWorkState();

// The frame's title for the open project.
void RefreshFrameTitle();
