#include "files/file_types.h"

#include "files/paths.h"
#include "shell/document_kind.h"

namespace {

struct ExtensionType {
  const char* extension;
  int type;
};

constexpr ExtensionType kTypes[] = {
    {".bas", kFileProgram}, {".ovp", kFileProgram}, {".sbp", kFileSbp},  {".txt", kFileTxt},
    {".pj", kFileProject},  {".ico", kFileIcon},    {".html", kFileHtml}, {".htm", kFileHtml},
    {".tpl", kFileHtml},    {".php", kFileHtml},
};

constexpr const char* kSourceExtensions[] = {".bas", ".ovp", ".sbp", ".wbp"};

}  // namespace

int FileTypeOfPath(std::string_view path) {
  std::string ext = PathExtension(path);
  if (ext.empty()) return kFileOther;
  for (const auto& t : kTypes) {
    if (PathEqualsNoCase(ext, t.extension)) return t.type;
  }
  return kFileOther;
}

bool IsSourcePath(std::string_view path) {
  std::string ext = PathExtension(path);
  for (const char* e : kSourceExtensions) {
    if (PathEqualsNoCase(ext, e)) return true;
  }
  return false;
}

int DocumentKindOfPath(std::string_view path) {
  switch (FileTypeOfPath(path)) {
    case kFileIcon:
      return kDocIcon;
    case kFileHtml:
      return kDocHtml;
    default:
      return IsSourcePath(path) ? kDocSource : kDocText;
  }
}
