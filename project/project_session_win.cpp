// Opening and closing the project, its work state and the frame's title.
#include "project/project_session_win.h"

#include <climits>

#include "editor/editor_view_win.h"
#include "files/file_io_win.h"
#include "files/file_types.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "prefs/extension_list.h"
#include "project/new_project.h"
#include "project/project_documents_win.h"
#include "project/project_open.h"
#include "resources/ids.h"
#include "shell/app_seams_win.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/menu_object_win.h"
#include "shell/message_box_win.h"
#include "shell/rebar_win.h"
#include "shell/settings_history.h"

namespace {

void ShowReadError(const ReadResult& r) {
  QuilletMessageBox(g_app.frame, r.message.c_str(), "エラー", MB_OK | MB_ICONWARNING);
}

// Reopens the text documents the work state lists, bottom of the Z order
// first, with their selection and scroll positions. Files gone from the disk
// are left out. Window, menu and icon documents are reopened by the parts
// that show them.
void RestoreDocuments(const WorkState& work) {
  const ProjectState& p = g_app.project;
  for (const RestoreItem& item : PlanWorkStateRestore(work, p)) {
    if (item.kind != WorkDocKind::kText) continue;
    const std::string path = ProjectAbsolutePath(p, p.sourceFiles[item.index].path);
    if (!FileExists(path)) continue;
    HWND window = ReadTextFileIntoDocument(path, DocumentKindOfPath(path),
                                           TabColourOfPath(g_app.settings.extensions, path));
    EditorView* view = EditorOf(g_app.docs.SlotOfWindow(window));
    if (!view) continue;
    TextDocument& doc = view->Doc();
    const TextRestore r =
        ClampTextRestore(*item.doc, std::string_view(doc.CStr(), static_cast<size_t>(doc.Length())), INT_MAX, INT_MAX);
    view->SetSelection(r.selEnd, r.selStart, false);
    view->RestoreScroll(r.hScroll, r.vScroll);
  }
}

// The project view's state and the documents of Name.wrk; a missing file
// means the first opening, a malformed one is reported and left aside.
void RestoreWorkState() {
  g_app.projectView = InitialViewState();
  const std::string path = ProjectOwnFile(g_app.project, ".wrk");
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return;
  WorkState work;
  const ReadResult r = ReadWorkState(bytes, path, work);
  if (!r) {
    ShowReadError(r);
    return;
  }
  RestoreDocuments(work);
  work.documents.clear();
  g_app.projectView = std::move(work);
}

}  // namespace

bool ProjectIsOpen() { return g_app.project.IsOpen(); }

// The project view is not built yet; it refreshes its trees from here.
void ProjectChanged() {}

void RefreshFrameTitle() {
  if (g_app.frame) SetWindowTextA(g_app.frame, FrameTitle(g_app.project).c_str());
}

bool OpenProjectByPath(const std::string& pjPath) {
  ProjectState& p = g_app.project;
  if (p.IsOpen() && PathEqualsNoCase(ProjectOwnFile(p, ".pj"), pjPath)) return true;
  // Read first: a file that cannot be opened leaves the open project alone.
  ProjectState fresh;
  const ReadResult r = OpenProject(pjPath, [](const std::string& path, std::string& bytes) {
    return ReadWholeFile(path, bytes);
  }, fresh);
  if (!r) {
    ShowReadError(r);
    return false;
  }
  if (p.IsOpen() && !CloseProject()) return false;
  p = std::move(fresh);
  SelectPlatformBox(BoxIndexOfPlatform(p.platform));
  HistoryAdd(g_app.settings.projectHistory, pjPath);
  RestoreWorkState();
  // The title last: it names the project once everything of it is open.
  RefreshFrameTitle();
  ProjectChanged();
  RefreshCommandStates();
  if (g_app.mainMenu) DrawMenuBar(g_app.frame);
  return true;
}

void OpenPathFromShell(const std::string& path) {
  if (FileTypeOfPath(path) == FileType::kProject) OpenProjectByPath(path);
  else OpenFileByPath(path);
}

bool WriteWorkState() {
  const ProjectState& p = g_app.project;
  if (!p.IsOpen()) return false;
  WorkState work = g_app.projectView;
  work.documents.clear();
  for (int slot : DocumentSlotsBottomFirst()) {
    WorkDoc doc;
    if (ProjectDocumentOf(slot, doc)) work.documents.push_back(std::move(doc));
  }
  return WriteWholeFileWithMessage(ProjectOwnFile(p, ".wrk"), BuildWorkStateFile(work), g_app.frame);
}

bool CloseProject() {
  if (!ProjectIsOpen()) return true;
  // The scan reads the project's lists; the frame closes once it has ended.
  if (ClassViewScanRunning()) return false;
  const QuerySaveResult answer = QuerySaveProject();
  if (answer == QuerySaveResult::kCancel) return false;
  if (answer == QuerySaveResult::kNothingModified) WriteWorkState();
  CloseProjectDocuments();
  g_app.project.Clear();
  g_app.projectView = WorkState();
  if (g_app.frameWindow && Frame().projectViewVisible) DispatchCommand(ID_VIEW_PROJECTVIEW);
  RefreshFrameTitle();
  ProjectChanged();
  RefreshStatusBar();
  RefreshCommandStates();
  if (g_app.mainMenu) DrawMenuBar(g_app.frame);
  return true;
}
