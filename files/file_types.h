#pragma once
// File types by extension and the document kind a path opens as.
#include <string_view>

enum FileType {
  kFileOther = 0,
  kFileProgram = 1,  // .bas, .ovp
  kFileSbp = 2,
  kFileTxt = 3,
  kFileProject = 4,
  kFileIcon = 5,
  kFileHtml = 6,  // .html, .htm, .tpl, .php
};

// File type of the path's extension, compared without regard to case.
int FileTypeOfPath(std::string_view path);

// True for the dialect's source extensions (.bas, .ovp, .sbp, .wbp).
bool IsSourcePath(std::string_view path);

// The `DocumentKind` a path opens as: Icon for icon files, Source for the
// dialect's sources, Html for HTML-like files, Text for everything else.
int DocumentKindOfPath(std::string_view path);
