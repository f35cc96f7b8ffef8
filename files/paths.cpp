#include "files/paths.h"

#include <algorithm>
#include <vector>

#include "platform/sjis.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int CharLen(std::string_view s, size_t i) { return SjisCharLen(s.data() + i, s.data() + s.size()); }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Components separated by '\\' or '/', empty ones dropped.
std::vector<std::string_view> SplitComponents(std::string_view s) {
  std::vector<std::string_view> parts;
  size_t start = 0, i = 0;
  while (i < s.size()) {
    if (IsPathSeparator(s[i])) {
      if (i > start) parts.push_back(s.substr(start, i - start));
      start = ++i;
      continue;
    }
    i += CharLen(s, i);
  }
  if (i > start && start < s.size()) parts.push_back(s.substr(start));
  return parts;
}

bool StartsWithDotSeparator(std::string_view s, size_t dots) {
  if (s.size() < dots + 1) return false;
  for (size_t k = 0; k < dots; ++k) {
    if (s[k] != '.') return false;
  }
  return IsPathSeparator(s[dots]);
}

}  // namespace

size_t PathRootLength(std::string_view p) {
  if (p.size() >= 2 && IsAsciiLetter(p[0]) && p[1] == ':') {
    return (p.size() >= 3 && IsPathSeparator(p[2])) ? 3 : 2;
  }
  if (p.size() >= 2 && IsPathSeparator(p[0]) && IsPathSeparator(p[1])) {
    size_t i = 2;
    int separators = 0;
    while (i < p.size()) {
      if (IsPathSeparator(p[i])) {
        if (++separators == 2) return i + 1;
        ++i;
        continue;
      }
      i += CharLen(p, i);
    }
    return p.size();
  }
  return 0;
}

bool IsMarkedAbsolute(std::string_view path) {
  if (path.find(':') != std::string_view::npos) return true;
  // Two backslashes in a row at character starts: a 0x5C trail byte followed
  // by a backslash does not count.
  size_t i = 0;
  while (i < path.size()) {
    if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '\\') return true;
    i += CharLen(path, i);
  }
  return false;
}

bool PathEqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  size_t i = 0;
  while (i < a.size()) {
    int len = CharLen(a, i);
    if (len == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
    i += len;
  }
  return true;
}

std::string PathFoldCase(std::string_view s) {
  std::string out(s);
  size_t i = 0;
  while (i < out.size()) {
    int len = CharLen(s, i);
    if (len == 1) out[i] = FoldAscii(out[i]);
    i += len;
  }
  return out;
}

std::string_view TruncateSjis(std::string_view s, size_t maxBytes) {
  if (s.size() <= maxBytes) return s;
  size_t i = 0;
  while (i < s.size()) {
    size_t len = CharLen(s, i);
    if (i + len > maxBytes) break;
    i += len;
  }
  return s.substr(0, i);
}

size_t PathNameOffset(std::string_view path) {
  size_t offset = 0;
  size_t i = 0;
  while (i < path.size()) {
    if (IsPathSeparator(path[i]) || path[i] == ':') offset = i + 1;
    i += CharLen(path, i);
  }
  return offset;
}

bool EndsWithSeparator(std::string_view path) {
  return !path.empty() && IsPathSeparator(path.back()) && PathNameOffset(path) == path.size();
}

std::string PathFileName(std::string_view path) { return std::string(path.substr(PathNameOffset(path))); }

std::string PathDirectory(std::string_view path) { return std::string(path.substr(0, PathNameOffset(path))); }

std::string PathExtension(std::string_view path) {
  std::string_view name = path.substr(PathNameOffset(path));
  size_t dot = name.rfind('.');  // '.' is never a trail byte
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string RelativePath(std::string_view path, std::string_view base) {
  size_t pathRoot = PathRootLength(path);
  size_t baseRoot = PathRootLength(base);
  if (pathRoot == 0 || baseRoot == 0) return std::string(path);
  if (!PathEqualsNoCase(path.substr(0, 2), base.substr(0, 2))) return std::string(path);
  // UNC paths: the server and share must match as well.
  if (pathRoot > 3 || baseRoot > 3) {
    auto pathShare = SplitComponents(path.substr(0, pathRoot));
    auto baseShare = SplitComponents(base.substr(0, baseRoot));
    if (pathShare.size() != baseShare.size()) return std::string(path);
    for (size_t k = 0; k < pathShare.size(); ++k) {
      if (!PathEqualsNoCase(pathShare[k], baseShare[k])) return std::string(path);
    }
  }

  std::string_view pathDirView = path.substr(0, PathNameOffset(path));
  std::string_view baseDirView = base.substr(0, PathNameOffset(base));
  auto pathDirs = SplitComponents(pathDirView.substr(std::min(pathRoot, pathDirView.size())));
  auto baseDirs = SplitComponents(baseDirView.substr(std::min(baseRoot, baseDirView.size())));

  size_t common = 0;
  while (common < pathDirs.size() && common < baseDirs.size() &&
         PathEqualsNoCase(pathDirs[common], baseDirs[common])) {
    ++common;
  }
  std::string out;
  for (size_t k = common; k < baseDirs.size(); ++k) out += "..\\";
  for (size_t k = common; k < pathDirs.size(); ++k) {
    out.append(pathDirs[k]);
    out += '\\';
  }
  out.append(path.substr(PathNameOffset(path)));
  return out;
}

std::string ResolveRelativePath(std::string_view path, std::string_view baseDir) {
  if (IsMarkedAbsolute(path)) return std::string(path);

  std::string base(baseDir);
  if (!base.empty() && !EndsWithSeparator(base)) base += '\\';
  size_t root = PathRootLength(base);

  if (!path.empty() && IsPathSeparator(path[0])) return base.substr(0, root) + std::string(path.substr(1));

  if (StartsWithDotSeparator(path, 1)) path.remove_prefix(2);
  int up = 0;
  while (StartsWithDotSeparator(path, 2) || path == "..") {
    path.remove_prefix(path.size() >= 3 ? 3 : 2);
    ++up;
  }
  if (up == 0) return base + std::string(path);
  // Remove `up` trailing components of the base, stopping at its root.
  std::string_view rest = std::string_view(base).substr(root);
  auto comps = SplitComponents(rest);
  size_t keep = comps.size() > static_cast<size_t>(up) ? comps.size() - up : 0;
  std::string out = base.substr(0, root);
  for (size_t k = 0; k < keep; ++k) {
    out.append(comps[k]);
    out += '\\';
  }
  out.append(path);
  return out;
}
