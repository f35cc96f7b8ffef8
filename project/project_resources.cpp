#include "project/project_resources.h"

#include <algorithm>
#include <unordered_set>

#include "project/line_text.h"

namespace {

constexpr int32_t kFirstResourceNumber = 101;

void AppendRcPath(std::string& out, std::string_view path) {
  for (char c : path) {
    if (c == '\r' || c == '\n') {
      out += ' ';
      continue;
    }
    out += c;
    if (c == '\\') out += '\\';
  }
}

// A doubled 0x5C is one; a single one (scripts written before paths were
// doubled) is kept as it is.
std::string UnescapeRcPath(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') ++i;
  }
  return out;
}

const ResourceKind kAllKinds[] = {ResourceKind::kCursor, ResourceKind::kBitmap, ResourceKind::kIcon};

}  // namespace

std::string NextResourceId(const ResourceList& list, std::string_view prefix) {
  std::unordered_set<std::string> taken;
  for (const auto& e : list) taken.insert(e.idName);
  for (int64_t n = 1;; ++n) {
    std::string id(prefix);
    AppendDecimal(id, n);
    if (!taken.count(id)) return id;
  }
}

size_t AddResource(ProjectState& state, ResourceKind kind, std::string_view absolutePath) {
  if (state.resourceScript.empty()) state.resourceScript = state.projectName + ".rc";
  ResourceList& list = ResourcesOf(state, kind);
  ResourceEntry e;
  e.idName = NextResourceId(list, ResourceKindOf(kind).idPrefix);
  e.path = ProjectStoredPath(state, absolutePath);
  list.push_back(std::move(e));
  state.resourcesModified = true;
  return list.size() - 1;
}

Refusal ChangeResourceId(ProjectState& state, ResourceKind kind, size_t index, std::string_view id) {
  ResourceList& list = ResourcesOf(state, kind);
  if (index >= list.size()) return Refusal();
  Refusal r = ValidateResourceId(state, kind, static_cast<int>(index), id);
  if (r) return r;
  if (list[index].idName != id) {
    list[index].idName = std::string(id);
    state.resourcesModified = true;
  }
  return r;
}

void SetMainIcon(ProjectState& state, size_t index) {
  if (index == 0 || index >= state.icons.size()) return;
  std::rotate(state.icons.begin(), state.icons.begin() + static_cast<std::ptrdiff_t>(index),
              state.icons.begin() + static_cast<std::ptrdiff_t>(index) + 1);
  state.resourcesModified = true;
}

std::vector<size_t> RemoveResource(ProjectState& state, ResourceKind kind, size_t index) {
  std::vector<size_t> changed;
  ResourceList& list = ResourcesOf(state, kind);
  if (index >= list.size()) return changed;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  state.resourcesModified = true;
  if (kind != ResourceKind::kBitmap) return changed;
  const int64_t removed = kBgColorFirstBitmap + static_cast<int64_t>(index);
  for (size_t w = 0; w < state.windows.size(); ++w) {
    int32_t& bg = state.windows[w].bgColor;
    if (bg == removed) {
      bg = kBgColor3DFace;
    } else if (bg > removed) {
      --bg;
    } else {
      continue;
    }
    changed.push_back(w);
  }
  if (!changed.empty()) state.windowsModified = true;
  return changed;
}

std::string ResourceTreeText(const ProjectState& state, ResourceKind kind, size_t index) {
  const ResourceList& list = ResourcesOf(state, kind);
  if (index >= list.size()) return std::string();
  std::string text = list[index].idName;
  if (kind == ResourceKind::kIcon && index == 0) text += " (Main)";
  return text;
}

std::string BuildResourceConstants(const ProjectState& state) {
  std::string out;
  int64_t number = kFirstResourceNumber;
  for (ResourceKind kind : kAllKinds) {
    for (const auto& e : ResourcesOf(state, kind)) {
      out += "Const ";
      AppendLineSafe(out, e.idName);
      out += '=';
      AppendDecimal(out, number++);
      AppendCrLf(out);
    }
  }
  return out;
}

std::string BuildResourceScript(const ProjectState& state) {
  std::string out;
  for (ResourceKind kind : kAllKinds) {
    const char* keyword = ResourceKindOf(kind).rcKeyword;
    for (const auto& e : ResourcesOf(state, kind)) {
      AppendLineSafe(out, e.idName);
      out += ' ';
      out += keyword;
      out += " \"";
      AppendRcPath(out, e.path);
      out += '"';
      AppendCrLf(out);
    }
  }
  return out;
}

ReadResult ReadResourceScript(std::string_view bytes, std::string_view fileName, ProjectState& state) {
  if (HoldsNul(bytes)) return FormatError(fileName, 0, "NUL 文字が含まれています");
  ResourceList lists[3];
  LineCursor lines(bytes);
  std::string_view line;
  while (lines.Next(line)) {
    if (line.empty()) continue;
    std::string_view rest = line, id, keyword;
    if (!SplitAt(rest, ' ', id) || id.empty() || !SplitAt(rest, ' ', keyword)) {
      return FormatError(fileName, lines.LineNumber(), "リソースの行ではありません");
    }
    if (!IsIdentifier(id)) return FormatError(fileName, lines.LineNumber(), "ID名が正しくありません");
    int kind = -1;
    for (ResourceKind k : kAllKinds) {
      if (keyword == ResourceKindOf(k).rcKeyword) kind = static_cast<int>(k);
    }
    if (kind < 0) return FormatError(fileName, lines.LineNumber(), "リソースの種類が正しくありません");
    if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"') {
      return FormatError(fileName, lines.LineNumber(), "ファイル名が引用符で囲まれていません");
    }
    std::string path = UnescapeRcPath(rest.substr(1, rest.size() - 2));
    if (path.size() > kMaxPathBytes) return FormatError(fileName, lines.LineNumber(), "パスが長すぎます");
    lists[kind].push_back(ResourceEntry{std::string(id), std::move(path), nullptr});
  }
  state.cursors = std::move(lists[0]);
  state.bitmaps = std::move(lists[1]);
  state.icons = std::move(lists[2]);
  return ReadResult();
}
