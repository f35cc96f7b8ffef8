#pragma once
// The filters of the open and save dialogs, which one a dialog starts on, and
// the names a multiple-selection open dialog returns.
#include <string>
#include <string_view>
#include <vector>

#include "lang/document_kind.h"

struct FileFilter {
  std::string description;
  std::string pattern;  // ";"-separated, as the dialog takes it
};

// The Open command's filters (also Save As): the dialect's sources first,
// then text, HTML, CGI, PHP, templates and all files.
std::vector<FileFilter> OpenFilters();
// The save dialog of an untitled document: by its kind (a source gets the
// Open command's list).
std::vector<FileFilter> SaveFilters(DocumentKind kind);
// The 1-based filter a dialog starts on: the one whose patterns hold the
// path's extension, else the kind's own (sources, text, HTML), else the first.
int StartingFilter(const std::vector<FileFilter>& filters, DocumentKind kind, std::string_view path);
// Description and pattern pairs, NUL-separated, ending in two NULs.
std::string JoinFilters(const std::vector<FileFilter>& filters);

// The paths of an open dialog's buffer: one full path, or a folder followed
// by names (each NUL-terminated, the list ending in an empty string).
std::vector<std::string> SplitSelectedFiles(const char* buffer, size_t size);
