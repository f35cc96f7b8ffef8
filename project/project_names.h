#pragma once
// Which names the project accepts for windows, handles, procedures, resource
// IDs and projects, and the messages that refuse the others.
#include <string>
#include <string_view>

#include "project/project_state.h"

// A-Z, a-z or "_", then also digits: the names the generated code can use.
bool IsIdentifier(std::string_view name);
// CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 in any letter case, alone or
// before an extension: names no file can have.
bool IsReservedDeviceName(std::string_view name);

// The new-window dialog's automatic names: "h%s" and "%sProc" of the window
// name, both empty while the name is empty.
std::string DerivedHandleName(std::string_view windowName);
std::string DerivedProcedureName(std::string_view windowName);

// Why a name is refused; empty message = accepted. Always shown with a
// warning icon.
struct Refusal {
  std::string message;
  const char* caption = "Quillet";
  explicit operator bool() const { return !message.empty(); }
};

struct NewWindowInput {
  std::string name, handleName, procedureName;
  WindowType type = WindowType::kModalDialog;
};

// The checks of the new-window dialog's OK, in order: the three names, the
// length of the source path, the project's source list ("%s.sbp" already in
// it), then every existing definition's name, handle and procedure.
Refusal ValidateNewWindow(const ProjectState& state, const NewWindowInput& input);

// "\"%s\" ファイルは既に存在します。置き換えますか？" for a window source that
// exists on disk but is not in the project.
std::string ReplaceFileQuestion(std::string_view path);

// A new project's name in its folder (ending with a backslash): an identifier
// that is also a file name, short enough for the project's files.
Refusal ValidateProjectName(std::string_view name, std::string_view projectDir);

// A new name for menu `index` (40075 on a menu): refused with "ID \"%s\" は既に
// プロジェクト内に存在します。" (caption "エラー") when another menu has it.
// Names compare as paths do (PathEqualsNoCase): one rule for file paths and
// menu names, so "Menu1" and "MENU1" are one name.
Refusal ValidateMenuRename(const ProjectState& state, int index, std::string_view name);

// A resource ID for entry `index` of list `kind` (index -1: a new entry):
// an identifier used by no other cursor, bitmap or icon.
Refusal ValidateResourceId(const ProjectState& state, ResourceKind kind, int index, std::string_view id);
