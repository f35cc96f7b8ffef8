#include "files/file_filters.h"

#include "files/paths.h"

namespace {

const FileFilter kSource{"ソース ファイル(*.bas;*.ovp;*.sbp;*.wbp)", "*.bas;*.ovp;*.sbp;*.wbp"};
const FileFilter kText{"テキスト ファイル(*.txt)", "*.txt"};
const FileFilter kAll{"すべてのファイル(*.*)", "*"};

// "*.htm;*html" is kept as it has always been written.
const FileFilter kOpenList[] = {
    kSource,
    kText,
    {"HTMLファイル(*.htm;*html)", "*.htm;*html"},
    {"CGIファイル(*.cgi;*.pl)", "*.cgi;*.pl"},
    {"PHPファイル(*.php)", "*.php"},
    {"テンプレート ファイル(*.tpl)", "*.tpl"},
    kAll,
};

// The extension with its dot, or empty.
std::string_view Extension(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
  return path.substr(dot);
}

bool PatternHolds(std::string_view pattern, std::string_view extension) {
  while (!pattern.empty()) {
    const size_t semicolon = pattern.find(';');
    std::string_view one = pattern.substr(0, semicolon);
    if (one.size() > 1 && one[0] == '*' && PathEqualsNoCase(one.substr(1), extension)) return true;
    if (semicolon == std::string_view::npos) break;
    pattern.remove_prefix(semicolon + 1);
  }
  return false;
}

int IndexOf(const std::vector<FileFilter>& filters, std::string_view pattern) {
  for (size_t i = 0; i < filters.size(); ++i)
    if (filters[i].pattern == pattern) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace

std::vector<FileFilter> OpenFilters() { return std::vector<FileFilter>(std::begin(kOpenList), std::end(kOpenList)); }

std::vector<FileFilter> SaveFilters(DocumentKind kind) {
  switch (kind) {
    case DocumentKind::kHtml: return {{"HTMLファイル(*.html;*.htm)", "*.html;*.htm"}, kAll};
    case DocumentKind::kText: return {kText, kAll};
    case DocumentKind::kIcon: return {{"アイコン(*.ico)", "*.ico"}};
    default: return OpenFilters();
  }
}

int StartingFilter(const std::vector<FileFilter>& filters, DocumentKind kind, std::string_view path) {
  const std::string_view extension = Extension(path);
  if (!extension.empty()) {
    for (size_t i = 0; i < filters.size(); ++i)
      if (PatternHolds(filters[i].pattern, extension)) return static_cast<int>(i) + 1;
  }
  int own = 0;
  if (kind == DocumentKind::kSource) own = IndexOf(filters, kSource.pattern);
  if (kind == DocumentKind::kText) own = IndexOf(filters, kText.pattern);
  if (kind == DocumentKind::kHtml) {
    for (size_t i = 0; i < filters.size() && !own; ++i)
      if (PatternHolds(filters[i].pattern, ".htm")) own = static_cast<int>(i) + 1;
  }
  return own ? own : 1;
}

std::string JoinFilters(const std::vector<FileFilter>& filters) {
  std::string out;
  for (const FileFilter& f : filters) {
    out += f.description;
    out.push_back('\0');
    out += f.pattern;
    out.push_back('\0');
  }
  out.push_back('\0');
  return out;
}

std::vector<std::string> SplitSelectedFiles(const char* buffer, size_t size) {
  std::vector<std::string> parts;
  size_t i = 0;
  while (i < size && buffer[i] != '\0') {
    size_t end = i;
    while (end < size && buffer[end] != '\0') ++end;
    parts.emplace_back(buffer + i, end - i);
    i = end + 1;
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  std::vector<std::string> paths;
  for (size_t k = 1; k < parts.size(); ++k) paths.push_back(folder + parts[k]);
  return paths;
}
