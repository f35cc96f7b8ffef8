#pragma once
// The common open and save dialogs with the program's filters.
#include <string>

#include "lang/document_kind.h"
#include "platform/win_types.h"

// Filters as the dialog takes them: description and pattern pairs, NUL-separated.
std::string OpenFileFilter();
// The save dialog's filter for a document kind.
std::string SaveFileFilter(DocumentKind kind);
constexpr const char* kIconFileFilter = "アイコン(*.ico)\0*.ico\0\0";

// Shows the dialog; true with the chosen path. The dialog starts with the
// name in `path` (may be empty); the initial directory is the DefSaveDir
// setting, which then becomes the chosen file's directory.
bool RunFileDialog(HWND owner, std::string& path, const std::string& filter, const char* title, bool open);
