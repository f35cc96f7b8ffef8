// Source files, window definitions and resources of the open project.
#include "project/project_materials_win.h"

#include "files/file_dialog_win.h"
#include "files/file_io_win.h"
#include "project/project_documents_win.h"
#include "project/project_dialogs_win.h"
#include "project/project_resources.h"
#include "project/project_session_win.h"
#include "project/window_definitions.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/message_box_win.h"

namespace {

ProjectState& Project() { return g_app.project; }

void Warn(const std::string& text, const char* caption) {
  QuilletMessageBox(g_app.frame, text.c_str(), caption, MB_OK | MB_ICONWARNING);
}

void Changed() {
  ProjectChanged();
  RefreshCommandStates();
}

std::string DialogFilter(const char* description, const char* pattern) {
  std::string filter = description;
  filter += '\0';
  filter += pattern;
  filter += '\0';
  filter += '\0';
  return filter;
}

}  // namespace

bool AddProjectFile(const std::string& absolutePath) {
  ProjectState& p = Project();
  if (!p.IsOpen()) return false;
  if (!AddProjectFileEntry(p, absolutePath)) {
    Warn("\"" + ProjectStoredPath(p, absolutePath) + "\" ファイルは既にプロジェクト内に存在します。", "Quillet");
    return false;
  }
  Changed();
  return true;
}

void AddProjectFileWithDialog() {
  std::string path;
  static const char kFilter[] =
      "プログラム ファイル(*.sbp;*.bas;*.ovp;*.wbp)\0*.sbp;*.bas;*.ovp;*.wbp\0すべてのファイル(*.*)\0*\0";
  if (RunFileDialog(g_app.frame, path, std::string(kFilter, sizeof kFilter),
                    "プロジェクトへ挿入するファイルを指定してください", true))
    AddProjectFile(path);
}

bool RemoveProjectFile(size_t index) {
  ProjectState& p = Project();
  if (index == 0) {
    Warn("このファイルはプロジェクトのメイン ファイルです。プロジェクト内から削除することはできません。", "エラー");
    return false;
  }
  if (!RemoveProjectFileEntry(p, index)) return false;
  Changed();
  return true;
}

bool CreateWindowDefinitionFrom(const NewWindowInput& input) {
  ProjectState& p = Project();
  if (!p.IsOpen()) return false;
  if (Refusal r = ValidateNewWindow(p, input)) {
    Warn(r.message, r.caption);
    return false;
  }
  const std::string path = NewWindowSourcePath(p, input.name);
  if (FileExists(path) &&
      QuilletMessageBox(g_app.frame, ReplaceFileQuestion(path).c_str(), "Quillet", MB_YESNO | MB_ICONWARNING) != IDYES)
    return false;
  std::string templateText;
  if (!ReadWholeFileWithMessage(g_app.ProgramDir + "Ancillar\\new_window_template.sbp", templateText, g_app.frame))
    return false;
  const std::string source =
      ExpandWindowTemplate(templateText, p.projectName, input.name, input.handleName, input.procedureName);
  if (!WriteWholeFileWithMessage(path, source, g_app.frame)) return false;
  AppendWindowDefinition(p, input);
  Changed();
  return true;
}

void CreateWindowDefinition() {
  NewWindowInput input;
  if (Project().IsOpen() && RunNewWindowDialog(g_app.frame, input)) CreateWindowDefinitionFrom(input);
}

void DeleteWindowDefinitionAt(size_t index) {
  ProjectState& p = Project();
  if (index >= p.windows.size()) return;
  CloseDefinitionDocument(WorkDocKind::kWindowDesign, p.windows[index].name);
  DeleteWindowDefinition(p, index);
  Changed();
}

void AddResourceFile(ResourceKind kind, const std::string& absolutePath) {
  if (!Project().IsOpen()) return;
  AddResource(Project(), kind, absolutePath);
  Changed();
}

void AddResourceWithDialog(ResourceKind kind) {
  if (!Project().IsOpen()) return;
  const ResourceKindInfo& info = ResourceKindOf(kind);
  std::string path;
  if (RunFileDialog(g_app.frame, path, DialogFilter(info.filter, info.pattern), info.dialogTitle, true))
    AddResourceFile(kind, path);
}

bool ChangeResourceIdTo(ResourceKind kind, size_t index, const std::string& id) {
  if (Refusal r = ChangeResourceId(Project(), kind, index, id)) {
    Warn(r.message, r.caption);
    return false;
  }
  Changed();
  return true;
}

void ChangeResourceIdWithDialog(ResourceKind kind, size_t index) {
  const ResourceList& list = ResourcesOf(Project(), kind);
  if (index >= list.size()) return;
  std::string id = list[index].idName;
  if (RunIdNameDialog(g_app.frame, "IDの変更", id)) ChangeResourceIdTo(kind, index, id);
}

void MakeMainIcon(size_t index) {
  if (index == 0 || index >= Project().icons.size()) return;
  SetMainIcon(Project(), index);
  Changed();
}

void RemoveResourceAt(ResourceKind kind, size_t index) {
  if (index >= ResourcesOf(Project(), kind).size()) return;
  RemoveResource(Project(), kind, index);
  Changed();
}

bool DeleteMaterialAfterQuestion(const MaterialRef& ref) {
  const ProjectState& p = Project();
  ResourceKind resource = ResourceKind::kIcon;
  const bool isResource = ResourceOfMaterial(ref.kind, resource);
  if (!(isResource || ref.kind == MaterialKind::kWindow) || !MaterialExists(p, ref)) return false;
  const std::string question = DeleteMaterialQuestion(p, ref);
  if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_OKCANCEL | MB_ICONWARNING) != IDOK) return false;
  if (isResource) RemoveResourceAt(resource, ref.index);
  else DeleteWindowDefinitionAt(ref.index);
  return true;
}
