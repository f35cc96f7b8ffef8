#pragma once
// Saving a window-designer or menu document on its own: the `.wnd` file is
// written first when windows or menus changed, then the window code. The
// windows-modified flag is cleared only when the `.wnd` file was written.
#include "project/project_state.h"

struct DocumentSavePlan {
  bool writeWindowFile = false;     // Name.wnd
  bool generateWindowCode = false;  // Callback.wbp and MakeWindow.wbp
};

DocumentSavePlan PlanDocumentSave(const ProjectState& state);

// After the writes: clears windowsModified when the planned `.wnd` was
// written; returns whether everything planned was written.
bool FinishDocumentSave(ProjectState& state, const DocumentSavePlan& plan, bool windowFileWritten,
                        bool windowCodeWritten);
