#include "project/project_save.h"

bool ShouldWriteWindowFile(const ProjectState& state) {
  return state.windowsModified && (!state.windows.empty() || !state.menus.empty() || state.windowFileOnDisk);
}

ProjectSavePlan PlanProjectSave(const ProjectState& state) {
  ProjectSavePlan plan;
  plan.writeResourceFiles = state.resourcesModified && !state.resourceScript.empty();
  plan.writeWindowFile = ShouldWriteWindowFile(state);
  plan.generateWindowCode = !state.windows.empty();
  return plan;
}

bool FinishProjectSave(ProjectState& state, const ProjectSavePlan& plan, const ProjectSaveOutcome& outcome) {
  const bool resourcesOk = !plan.writeResourceFiles || outcome.resourceFilesWritten;
  const bool windowsOk = !plan.writeWindowFile || outcome.windowFileWritten;
  const bool codeOk = !plan.generateWindowCode || outcome.windowCodeWritten;
  // Changes with nothing to write (a window made and deleted again before any
  // `.wnd` existed, resources without a script) are done with as well.
  if (plan.writeWindowFile && outcome.windowFileWritten) MarkWindowFileWritten(state);
  if (windowsOk) state.windowsModified = false;
  if (resourcesOk) state.resourcesModified = false;
  const bool projectOk = outcome.projectFileWritten && outcome.indexWritten && codeOk;
  if (projectOk) state.projectModified = false;
  return outcome.documentsSaved && projectOk && resourcesOk && windowsOk;
}

void MarkWindowFileWritten(ProjectState& state) {
  state.windowsModified = false;
  state.windowFileOnDisk = true;
}

std::string SaveProjectQuestion(const ProjectState& state) {
  return "\"" + state.projectName + "\" プロジェクトは変更されています。保存しますか？";
}

bool ProjectNeedsSaveQuestion(const ProjectState& state, bool openProjectDocumentModified) {
  return state.AnyModified() || openProjectDocumentModified;
}

QuerySaveResult QuerySaveOutcome(SaveAnswer answer, bool saveSucceeded) {
  switch (answer) {
    case SaveAnswer::kCancel: return QuerySaveResult::kCancel;
    case SaveAnswer::kNo: return QuerySaveResult::kSavedOrDeclined;
    default: return saveSucceeded ? QuerySaveResult::kSavedOrDeclined : QuerySaveResult::kCancel;
  }
}
