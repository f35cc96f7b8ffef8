#pragma once
// The project's modal dialogs. Each works on a copy of its record and
// changes nothing of the project; false on Cancel.
#include <string>
#include <vector>

#include "platform/win_types.h"
#include "project/material_choice.h"
#include "project/new_project.h"
#include "project/project_names.h"

// Dialog 217: one ID name (at most 259 bytes), filled with `name`. OK with
// an empty field shows "ID名を入力して下さい。" and the dialog stays.
bool RunIdNameDialog(HWND owner, const char* title, std::string& name);

// Dialog 161: a new window's name, handle, procedure and type.
bool RunNewWindowDialog(HWND owner, NewWindowInput& input);

// Our new-project dialog: name, folder (following the name as
// ProjectSaveDir\name until the folder is edited) and kind. OK checks the
// input (ValidateNewProject) and refuses a folder that already holds a
// project; the dialog stays open then.
bool RunNewProjectDialog(HWND owner, NewProjectInput& input);

// Our chooser of the record a command acts on while no project view names
// one. `choices` must not be empty.
bool RunPickMaterialDialog(HWND owner, const char* title, const char* prompt,
                           const std::vector<MaterialChoice>& choices, MaterialRef& picked);
