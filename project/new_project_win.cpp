// Creating a project: its folder, main source and project files.
#include "project/new_project_win.h"

#include "files/file_io_win.h"
#include "project/project_dialogs_win.h"
#include "project/project_file.h"
#include "project/project_session_win.h"
#include "shell/app_win.h"
#include "shell/message_box_win.h"
#include "shell/rebar_win.h"

namespace {

void Warn(const std::string& text, const char* caption) {
  QuilletMessageBox(g_app.frame, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

bool Write(const std::string& path, const std::string& bytes) {
  return WriteWholeFileWithMessage(path, bytes, g_app.frame);
}

}  // namespace

bool FolderHoldsProject(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((FolderWithSeparator(folder) + "*.pj").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

bool CreateNewProject(const NewProjectInput& input) {
  if (Refusal r = ValidateNewProject(input)) {
    Warn(r.message, r.caption);
    return false;
  }
  if (FolderHoldsProject(input.folder)) {
    Warn(ProjectFolderTakenMessage(input.folder), "Quillet");
    return false;
  }
  if (ProjectIsOpen() && !CloseProject()) return false;
  const ProjectState state = NewProjectState(input);
  if (!EnsureDirectoryExists(state.projectDir)) {
    Warn("\"" + input.folder + "\" フォルダを作成できませんでした。", "エラー");
    return false;
  }
  const std::string mainPath = state.projectDir + MainSourceName(input.name);
  if (FileExists(mainPath) && QuilletMessageBox(g_app.frame, ReplaceFileQuestion(mainPath).c_str(), "Quillet",
                                                MB_YESNO | MB_ICONWARNING) != IDYES)
    return false;
  // The main source opens with the project, as a remembered document would.
  WorkState work = InitialViewState();
  WorkDoc main;
  main.name = state.sourceFiles[0].path;
  work.documents.push_back(main);
  const ProjectPlatform platform = PlatformToSave(PlatformBoxIndex(), ProjectPlatform::k32);
  if (!Write(mainPath, MainSourceText(input.kind, input.name)) ||
      !Write(ProjectOwnFile(state, ".pj"), BuildProjectFile(state, platform)) ||
      !Write(ProjectOwnFile(state, ".idx"), BuildIndexProgram(state)) ||
      !Write(ProjectOwnFile(state, ".wrk"), BuildWorkStateFile(work)))
    return false;
  return OpenProjectByPath(ProjectOwnFile(state, ".pj"));
}

void NewProjectCommand() {
  NewProjectInput input;
  if (RunNewProjectDialog(g_app.frame, input)) CreateNewProject(input);
}
