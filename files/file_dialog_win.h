#pragma once
// The common open and save dialogs with the program's filters.
#include <string>
#include <vector>

#include "lang/document_kind.h"
#include "platform/win_types.h"

// The filters as the dialog takes them (description and pattern pairs, NUL-separated).
std::string OpenFileFilter();
std::string SaveFileFilter(DocumentKind kind);

// Shows the dialog; true with the chosen path. The dialog starts with the
// name in `path` (may be empty) and on filter `startFilter` (1-based); the
// initial directory is the DefSaveDir setting, which then becomes the chosen
// file's directory.
bool RunFileDialog(HWND owner, std::string& path, const std::string& filter, const char* title, bool open,
                   int startFilter = 1);
// The Open command's dialog, where several files may be chosen at once.
bool RunOpenFilesDialog(HWND owner, const std::string& filter, const char* title, std::vector<std::string>& paths);
