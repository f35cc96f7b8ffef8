#pragma once
// What a project save writes and which modified flags it may clear
// afterwards. The Win32 layer asks for the plan, writes the files, reports
// which writes succeeded and lets FinishProjectSave clear the flags: a flag is
// cleared only when the files it stands for were written.
#include <string>

#include "project/project_state.h"

struct ProjectSavePlan {
  bool writeResourceFiles = false;  // resource.sbp and the resource script
  bool writeWindowFile = false;     // Name.wnd
  bool generateWindowCode = false;  // Callback.wbp and MakeWindow.wbp
  // Name.pj, Name.idx and Name.wrk are written by every save.
};

// The `.wnd` is written when windows or menus changed and there is something
// to keep: a window, a menu, or a `.wnd` on disk that would otherwise keep
// definitions that are gone.
bool ShouldWriteWindowFile(const ProjectState& state);
ProjectSavePlan PlanProjectSave(const ProjectState& state);

struct ProjectSaveOutcome {
  bool documentsSaved = false;        // every modified open project document
  bool projectFileWritten = false;    // Name.pj
  bool resourceFilesWritten = false;  // both resource files (when planned)
  bool indexWritten = false;          // Name.idx
  bool windowFileWritten = false;     // Name.wnd (when planned)
  bool windowCodeWritten = false;     // both generated files (when planned)
};

// Clears the flags whose files were written (windowsModified with the `.wnd`,
// resourcesModified with the resource files, projectModified with the `.pj`,
// the `.idx` and the generated code) and returns whether the whole save
// succeeded. A failed work-state file is reported but fails nothing.
bool FinishProjectSave(ProjectState& state, const ProjectSavePlan& plan, const ProjectSaveOutcome& outcome);

// After the `.wnd` was written outside a project save (a designer document
// saved on its own): the window definitions are saved.
void MarkWindowFileWritten(ProjectState& state);

// The question of QuerySaveProject: "\"%s\" プロジェクトは変更されています。保存しますか？".
std::string SaveProjectQuestion(const ProjectState& state);
// Whether to ask it: a flag is set or an open project document is modified.
bool ProjectNeedsSaveQuestion(const ProjectState& state, bool openProjectDocumentModified);

enum class SaveAnswer { kYes, kNo, kCancel };
enum class QuerySaveResult { kCancel = 0, kSavedOrDeclined = 1, kNothingModified = 2 };
// QuerySaveProject's result after the question: a save that failed counts as
// cancel, so that closing stops and the project stays modified.
QuerySaveResult QuerySaveOutcome(SaveAnswer answer, bool saveSucceeded);
