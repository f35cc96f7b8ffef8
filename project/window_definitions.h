#pragma once
// Creating and deleting window definitions. Creating runs in this order, so
// that a refusal or a failed read or write leaves the project as it was:
//   1. ValidateNewWindow (and, when the source file exists on disk but is not
//      in the project, ReplaceFileQuestion);
//   2. read Ancillar\new_window_template.sbp and ExpandWindowTemplate;
//   3. write the window's source file;
//   4. AppendWindowDefinition.
#include <string>
#include <string_view>

#include "project/project_names.h"
#include "project/project_state.h"

// The template with every "#name#", "#window#", "#handle#" and "#procedure#"
// replaced (the inserted texts are not searched again).
std::string ExpandWindowTemplate(std::string_view templateText, std::string_view projectName,
                                 std::string_view windowName, std::string_view handleName,
                                 std::string_view procedureName);

// Absolute path of the source file a new window gets.
std::string NewWindowSourcePath(const ProjectState& state, std::string_view windowName);

// Appends the definition made from the dialog's input and its source file (if
// the project does not hold it yet); sets windowsModified (and
// projectModified for the file). Returns the new window's index.
size_t AppendWindowDefinition(ProjectState& state, const NewWindowInput& input);

// Removes window definition `index`; its source file stays in the project.
void DeleteWindowDefinition(ProjectState& state, size_t index);
