#pragma once
// File types by extension and the document kind a path opens as.
#include <string_view>

#include "lang/document_kind.h"

enum class FileType : int {
  kOther = 0,
  kProgram = 1,  // .bas, .ovp
  kSbp = 2,
  kTxt = 3,
  kProject = 4,
  kIcon = 5,
  kHtml = 6,  // .html, .htm, .tpl, .php
};

// File type of the path's extension, compared without regard to case.
FileType FileTypeOfPath(std::string_view path);

// True for the dialect's source extensions (.bas, .ovp, .sbp, .wbp).
bool IsSourcePath(std::string_view path);

// The `DocumentKind` a path opens as: Icon for icon files, Source for the
// dialect's sources, Html for HTML-like files, Text for everything else.
DocumentKind DocumentKindOfPath(std::string_view path);
