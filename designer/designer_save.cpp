#include "designer/designer_save.h"

#include "project/project_save.h"

DocumentSavePlan PlanDocumentSave(const ProjectState& state) {
  DocumentSavePlan plan;
  if (!state.IsOpen() || !state.windowsModified) return plan;
  plan.writeWindowFile = ShouldWriteWindowFile(state);
  plan.generateWindowCode = !state.windows.empty();
  return plan;
}

bool FinishDocumentSave(ProjectState& state, const DocumentSavePlan& plan, bool windowFileWritten,
                        bool windowCodeWritten) {
  if (plan.writeWindowFile && windowFileWritten) MarkWindowFileWritten(state);
  // Nothing to write (the last window and menu gone before any `.wnd`
  // existed) is done with as well; a failed write keeps the flag.
  if (!plan.writeWindowFile) state.windowsModified = false;
  return (!plan.writeWindowFile || windowFileWritten) && (!plan.generateWindowCode || windowCodeWritten);
}
