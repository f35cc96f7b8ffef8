#include "project/project_state.h"

#include "files/paths.h"

ProjectPlatform PlatformFromBoxIndex(int index) { return index > 0 ? ProjectPlatform::k64 : ProjectPlatform::k32; }

int BoxIndexOfPlatform(ProjectPlatform platform) { return platform == ProjectPlatform::k64 ? 1 : 0; }

ProjectPlatform PlatformToSave(int boxIndex, ProjectPlatform projectPlatform) {
  return boxIndex < 0 ? projectPlatform : PlatformFromBoxIndex(boxIndex);
}

ResourceList& ResourcesOf(ProjectState& state, ResourceKind kind) {
  switch (kind) {
    case ResourceKind::kCursor: return state.cursors;
    case ResourceKind::kBitmap: return state.bitmaps;
    default: return state.icons;
  }
}

const ResourceList& ResourcesOf(const ProjectState& state, ResourceKind kind) {
  return ResourcesOf(const_cast<ProjectState&>(state), kind);
}

std::string ProjectAbsolutePath(const ProjectState& state, std::string_view storedPath) {
  return ResolveRelativePath(storedPath, state.projectDir);
}

std::string ProjectStoredPath(const ProjectState& state, std::string_view absolutePath) {
  return RelativePath(absolutePath, state.projectDir);
}

int FindProjectFile(const ProjectState& state, std::string_view absolutePath) {
  for (size_t i = 0; i < state.sourceFiles.size(); ++i) {
    if (PathEqualsNoCase(ProjectAbsolutePath(state, state.sourceFiles[i].path), absolutePath)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindProjectIcon(const ProjectState& state, std::string_view absolutePath) {
  for (size_t i = 0; i < state.icons.size(); ++i) {
    if (PathEqualsNoCase(ProjectAbsolutePath(state, state.icons[i].path), absolutePath)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindWindowDef(const ProjectState& state, std::string_view name) {
  for (size_t i = 0; i < state.windows.size(); ++i) {
    if (PathEqualsNoCase(state.windows[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

int FindMenuDef(const ProjectState& state, std::string_view name) {
  for (size_t i = 0; i < state.menus.size(); ++i) {
    if (PathEqualsNoCase(state.menus[i].idName.value_or(std::string()), name)) return static_cast<int>(i);
  }
  return -1;
}

bool AddProjectFileEntry(ProjectState& state, std::string_view absolutePath) {
  if (FindProjectFile(state, absolutePath) >= 0) return false;
  state.sourceFiles.push_back(ProjectFile{ProjectStoredPath(state, absolutePath), nullptr});
  state.projectModified = true;
  return true;
}

bool RemoveProjectFileEntry(ProjectState& state, size_t index) {
  if (index == 0 || index >= state.sourceFiles.size()) return false;
  state.sourceFiles.erase(state.sourceFiles.begin() + static_cast<std::ptrdiff_t>(index));
  state.projectModified = true;
  return true;
}

std::string ProjectOwnFile(const ProjectState& state, std::string_view extension) {
  return state.projectDir + state.projectName + std::string(extension);
}
