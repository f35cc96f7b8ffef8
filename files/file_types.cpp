#include "files/file_types.h"

#include "files/paths.h"
#include "lang/document_kind.h"

namespace {

struct ExtensionType {
  const char* extension;
  FileType type;
};

constexpr ExtensionType kTypes[] = {
    {".bas", FileType::kProgram}, {".ovp", FileType::kProgram}, {".sbp", FileType::kSbp},  {".txt", FileType::kTxt},
    {".pj", FileType::kProject},  {".ico", FileType::kIcon},    {".html", FileType::kHtml}, {".htm", FileType::kHtml},
    {".tpl", FileType::kHtml},    {".php", FileType::kHtml},
};

constexpr const char* kSourceExtensions[] = {".bas", ".ovp", ".sbp", ".wbp"};

}  // namespace

FileType FileTypeOfPath(std::string_view path) {
  std::string ext = PathExtension(path);
  if (ext.empty()) return FileType::kOther;
  for (const auto& t : kTypes) {
    if (PathEqualsNoCase(ext, t.extension)) return t.type;
  }
  return FileType::kOther;
}

bool IsSourcePath(std::string_view path) {
  std::string ext = PathExtension(path);
  for (const char* e : kSourceExtensions) {
    if (PathEqualsNoCase(ext, e)) return true;
  }
  return false;
}

DocumentKind DocumentKindOfPath(std::string_view path) {
  switch (FileTypeOfPath(path)) {
    case FileType::kIcon:
      return DocumentKind::kIcon;
    case FileType::kHtml:
      return DocumentKind::kHtml;
    default:
      return IsSourcePath(path) ? DocumentKind::kSource : DocumentKind::kText;
  }
}
