// Saving the project: the open project documents, then the project's files.
#include "designer/window_code.h"
#include "editor/text_document_window_win.h"
#include "files/file_io_win.h"
#include "files/paths.h"
#include "project/project_documents_win.h"
#include "project/project_file.h"
#include "project/project_resources.h"
#include "project/project_session_win.h"
#include "project/window_file.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box_win.h"
#include "shell/rebar_win.h"

namespace {

bool Write(const std::string& path, const std::string& bytes) {
  return WriteWholeFileWithMessage(path, bytes, g_app.frame);
}

// A window's own source: the open document's text, else the file.
bool WindowSource(const WindowDef& window, std::string& text) {
  const std::string path = ProjectAbsolutePath(g_app.project, window.filePath);
  const int slot = g_app.docs.FindTextByPath(path);
  if (EditableText* open = slot >= 0 ? g_app.docs.slots[slot].Text() : nullptr) {
    text.assign(open->doc.CStr(), static_cast<size_t>(open->doc.Length()));
    return true;
  }
  return ReadWholeFileWithMessage(path, text, g_app.frame);
}

}  // namespace

bool SaveProject() {
  ProjectState& p = g_app.project;
  if (!p.IsOpen()) return false;
  RefreshStatusBar("プロジェクトを保存中...");
  const ProjectSavePlan plan = PlanProjectSave(p);
  ProjectSaveOutcome done;
  done.documentsSaved = SaveModifiedProjectDocuments();

  p.platform = PlatformToSave(PlatformBoxIndex(), p.platform);
  done.projectFileWritten = Write(ProjectOwnFile(p, ".pj"), BuildProjectFile(p, p.platform));
  if (plan.writeResourceFiles) {
    const bool constants = Write(p.projectDir + "resource.sbp", BuildResourceConstants(p));
    const bool script = Write(ProjectOwnFile(p, ".rc"), BuildResourceScript(p));
    done.resourceFilesWritten = constants && script;
  }
  done.indexWritten = Write(ProjectOwnFile(p, ".idx"), BuildIndexProgram(p));
  if (plan.writeWindowFile) done.windowFileWritten = Write(ProjectOwnFile(p, ".wnd"), BuildWindowFile(p.windows, p.menus));
  if (plan.generateWindowCode) {
    const WindowCode code = GenerateWindowCode(p, WindowSource);
    const bool callback = Write(p.projectDir + kCallbackFileName, code.callback);
    const bool make = Write(p.projectDir + kMakeWindowFileName, code.makeWindow);
    done.windowCodeWritten = callback && make;
  }
  WriteWorkState();
  RefreshStatusBar("");
  const bool ok = FinishProjectSave(p, plan, done);
  ProjectChanged();
  return ok;
}

QuerySaveResult QuerySaveProject() {
  const ProjectState& p = g_app.project;
  if (!ProjectNeedsSaveQuestion(p, AnyProjectDocumentModified())) return QuerySaveResult::kNothingModified;
  const int button = QuilletMessageBox(g_app.frame, SaveProjectQuestion(p).c_str(), "Quillet",
                                       MB_YESNOCANCEL | MB_ICONEXCLAMATION);
  const SaveAnswer answer = button == IDYES ? SaveAnswer::kYes : button == IDNO ? SaveAnswer::kNo : SaveAnswer::kCancel;
  const bool saved = answer == SaveAnswer::kYes && SaveProject();
  return QuerySaveOutcome(answer, saved);
}
