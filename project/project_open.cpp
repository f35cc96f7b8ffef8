#include "project/project_open.h"

#include "files/paths.h"
#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/window_file.h"

ReadResult OpenProject(std::string_view pjPath, const ProjectFileSource& read, ProjectState& state) {
  const std::string path(pjPath);
  std::string bytes;
  if (!read(path, bytes)) {
    ReadResult r;
    r.ok = false;
    r.message = "\"" + path + "\" ファイルの読み込みに失敗しました。";
    return r;
  }
  ProjectState fresh;
  ReadResult r = ReadProjectFile(bytes, path, fresh);
  if (!r) return r;
  fresh.projectDir = PathDirectory(path);

  const std::string wndPath = ProjectOwnFile(fresh, ".wnd");
  if (read(wndPath, bytes)) {
    r = ReadWindowFile(bytes, wndPath, fresh.windows, fresh.menus);
    if (!r) return r;
    fresh.windowFileOnDisk = true;
  }
  if (!fresh.resourceScript.empty()) {
    const std::string rcPath = ProjectOwnFile(fresh, ".rc");
    if (read(rcPath, bytes)) {
      r = ReadResourceScript(bytes, rcPath, fresh);
      if (!r) return r;
    }
  }
  state = std::move(fresh);
  return ReadResult();
}
