#pragma once
// The open project: its files, window and menu definitions and resources.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/resource_entry.h"
#include "project/tree_item.h"
#include "project/window_def.h"

struct ProjectFile {
  std::string path;  // relative to projectDir (absolute when on another drive)
  HTREEITEM treeItem = nullptr;
};

// `options` bits.
namespace ProjectOption {
constexpr uint32_t kMultimedia = 0x1;      // #include <api_mmsys.sbp>
constexpr uint32_t kCommonControls = 0x2;  // #include <api_commctrl.sbp>, InitCommonControlsEx
constexpr uint32_t kRichEdit = 0x4;        // #include <api_richedit.sbp>
constexpr uint32_t kWinsock = 0x8;         // #include <api_winsock2.sbp>
constexpr uint32_t kStrict = 0x10000;      // #strict
}  // namespace ProjectOption

enum class ProjectPlatform { k32, k64 };
// The compile-platform box's selection: 0 is 32-bit, 1 and up 64-bit. No
// selection (-1) is 32-bit too: a box that failed to fill must not turn a
// project into a 64-bit one.
ProjectPlatform PlatformFromBoxIndex(int index);
// The box index that shows a platform.
int BoxIndexOfPlatform(ProjectPlatform platform);
// The platform a save writes: the box's choice, or, while the box offers none
// (hidden, or no entry for the project's platform), the one the project had.
ProjectPlatform PlatformToSave(int boxIndex, ProjectPlatform projectPlatform);

constexpr size_t kMaxPathBytes = 259;

struct ProjectState {
  std::string projectName;  // empty = no project open
  std::string projectDir;   // ends with a backslash
  int32_t moduleType = 0;
  uint32_t options = 0;
  std::string outputRelease, outputDebug, debugCmdLine, debugExePath;
  std::string resourceScript;  // "%s.rc" once the first resource was added
  std::vector<ProjectFile> sourceFiles;  // entry 0 is the main file
  std::vector<WindowDef> windows;
  std::vector<MenuDef> menus;
  ResourceList cursors, bitmaps, icons;
  bool windowsModified = false;
  bool resourcesModified = false;
  bool projectModified = false;
  // The platform the `.pj` was read with, for the opener to select in the box.
  ProjectPlatform platform = ProjectPlatform::k32;
  // The `.wnd` file exists (it was read or written): it must be rewritten
  // even when the last window and menu are gone.
  bool windowFileOnDisk = false;

  bool IsOpen() const { return !projectName.empty(); }
  // Back to "no project", every field.
  void Clear() { *this = ProjectState(); }
  bool AnyModified() const { return windowsModified || resourcesModified || projectModified; }
  bool HasResources() const { return !cursors.empty() || !bitmaps.empty() || !icons.empty(); }
};

ResourceList& ResourcesOf(ProjectState& state, ResourceKind kind);
const ResourceList& ResourcesOf(const ProjectState& state, ResourceKind kind);

// Absolute path of a stored path.
std::string ProjectAbsolutePath(const ProjectState& state, std::string_view storedPath);
// Stored form of an absolute path.
std::string ProjectStoredPath(const ProjectState& state, std::string_view absolutePath);

// Index of the source file whose absolute path equals path (case-insensitive), or -1.
int FindProjectFile(const ProjectState& state, std::string_view absolutePath);
// Index of the icon whose absolute path equals path (case-insensitive), or -1.
int FindProjectIcon(const ProjectState& state, std::string_view absolutePath);
// Index of the window definition of that name (case-insensitive), or -1.
int FindWindowDef(const ProjectState& state, std::string_view name);
// Index of the menu of that name (case-insensitive), or -1.
int FindMenuDef(const ProjectState& state, std::string_view name);

// Appends a source file given by its absolute path; false (nothing changed)
// when the project already holds it. Sets projectModified.
bool AddProjectFileEntry(ProjectState& state, std::string_view absolutePath);
// Removes source file `index`; the main file (0) and indexes out of range are
// refused. Sets projectModified.
bool RemoveProjectFileEntry(ProjectState& state, size_t index);

// One of the project's own files: projectDir + projectName + extension (".pj",
// ".wnd", ".idx", ".wrk", ".rc").
std::string ProjectOwnFile(const ProjectState& state, std::string_view extension);
