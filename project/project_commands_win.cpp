// The project's commands: new, open, close, save, recent projects, and the
// project view's actions on files, windows and resources.
#include "files/file_dialog_win.h"
#include "project/new_project_win.h"
#include "project/project_dialogs_win.h"
#include "project/project_materials_win.h"
#include "project/project_session_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/message_box_win.h"

namespace {

// The record a command acts on: the one the chooser offers. (The project
// view, once there is one, names its selected record instead.)
bool Choose(const std::vector<MaterialChoice>& choices, const char* title, const char* prompt, MaterialRef& ref) {
  if (choices.empty()) {
    QuilletMessageBox(g_app.frame, "対象となる項目がプロジェクトにありません。", "Quillet", MB_OK | MB_ICONINFORMATION);
    return false;
  }
  return RunPickMaterialDialog(g_app.frame, title, prompt, choices, ref);
}

void OpenProjectWithDialog() {
  static const char kFilter[] = "プロジェクト(*.pj)\0*.pj\0";
  std::string path;
  if (RunFileDialog(g_app.frame, path, std::string(kFilter, sizeof kFilter), "プロジェクト ファイルを指定してください",
                    true))
    OpenProjectByPath(path);
}

void OpenRecentProject(int index) {
  const std::vector<std::string>& paths = g_app.settings.projectHistory.paths;
  if (index < 0 || index >= static_cast<int>(paths.size())) return;
  const std::string path = paths[static_cast<size_t>(index)];  // opening reorders the history
  OpenProjectByPath(path);
}

void RemoveFileCommand() {
  MaterialRef ref;
  if (Choose(MaterialChoices(g_app.project, MaskOf(MaterialKind::kSourceFile)), "削除するファイルの選択",
             "プロジェクトから削除するファイル:", ref))
    RemoveProjectFile(ref.index);
}

void ChangeIdCommand() {
  MaterialRef ref;
  ResourceKind kind = ResourceKind::kIcon;
  if (Choose(MaterialChoices(g_app.project, kResourceMaterials), "リソースの選択", "IDを変更するリソース:", ref) &&
      ResourceOfMaterial(ref.kind, kind))
    ChangeResourceIdWithDialog(kind, ref.index);
}

void MainIconCommand() {
  MaterialRef ref;
  if (Choose(MainIconChoices(g_app.project), "メインアイコンの選択", "メインアイコンにするアイコン:", ref))
    MakeMainIcon(ref.index);
}

void DeleteMaterialCommand() {
  MaterialRef ref;
  if (Choose(MaterialChoices(g_app.project, kDeletableMaterials), "削除する項目の選択",
             "プロジェクトから削除する項目:", ref))
    DeleteMaterialAfterQuestion(ref);
}

}  // namespace

bool HandleProjectCommand(UINT id) {
  if (id >= ID_RECENT_PROJECT_FIRST && id <= ID_RECENT_PROJECT_LAST) {
    OpenRecentProject(static_cast<int>(id - ID_RECENT_PROJECT_FIRST));
    return true;
  }
  if (id == ID_PROJECT_NEW) {
    NewProjectCommand();
    return true;
  }
  if (id == ID_PROJECT_OPEN) {
    OpenProjectWithDialog();
    return true;
  }
  // The rest needs an open project (their states grey them without one).
  if (!ProjectIsOpen()) return true;
  switch (id) {
    case ID_PROJECT_CLOSE: CloseProject(); return true;
    case ID_PROJECT_SAVE: SaveProject(); return true;
    case ID_PV_ADDFILE: AddProjectFileWithDialog(); return true;
    case ID_PV_REMOVEFILE: RemoveFileCommand(); return true;
    case ID_PV_NEWWINDOW: CreateWindowDefinition(); return true;
    case ID_PV_ADDICON: AddResourceWithDialog(ResourceKind::kIcon); return true;
    case ID_PV_ADDBITMAP: AddResourceWithDialog(ResourceKind::kBitmap); return true;
    case ID_PV_ADDCURSOR: AddResourceWithDialog(ResourceKind::kCursor); return true;
    case ID_PV_CHANGEID: ChangeIdCommand(); return true;
    case ID_PV_MAINICON: MainIconCommand(); return true;
    case ID_PV_DELETEMATERIAL: DeleteMaterialCommand(); return true;
  }
  return false;
}
