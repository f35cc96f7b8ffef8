// File commands of the frame: new, open, close, save, save as, save all, encoding, recent files.
#include <cstring>

#include "files/encoding_dialog_win.h"
#include "files/file_dialog_win.h"
#include "files/file_filters.h"
#include "files/file_io_win.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "editor/editor_view_win.h"
#include "prefs/extension_list.h"
#include "shell/command_table_win.h"
#include "project/project_session_win.h"

namespace {

void OpenWithDialog() {
  std::vector<std::string> paths;
  if (RunOpenFilesDialog(g_app.frame, OpenFileFilter(), "ファイルを指定してください", paths))
    for (const std::string& path : paths) OpenFileByPath(path);
}

// The Open command's filters, starting on the document's own; the name is
// filled in, so typing over it keeps the folder.
void SaveAs() {
  const int slot = ActiveSlot();
  if (slot < 0) return;
  const DocumentSlot& s = g_app.docs.slots[slot];
  std::string path = s.path;
  const int start = StartingFilter(OpenFilters(), s.kind, s.path);
  if (RunFileDialog(g_app.frame, path, OpenFileFilter(), "保存先のファイルを指定してください", false, start))
    SaveDocument(slot, path.c_str());
}

// An untitled document that was never changed holds nothing to save and is not asked about.
bool NothingToSave(const DocumentSlot& s) { return s.path.empty() && s.document && !s.document->Modified(); }

void SaveAll() {
  for (int i = 0; i < DocumentTable::kSlots; ++i)
    if (g_app.docs.slots[i].InUse() && !NothingToSave(g_app.docs.slots[i])) SaveDocument(i, nullptr);
  if (ProjectIsOpen()) SaveProject();
}

void OpenHistoryEntry(const History& history, int index) {
  if (index < 0 || index >= static_cast<int>(history.paths.size())) return;
  std::string path = history.paths[static_cast<size_t>(index)];  // the open may reorder the history
  OpenFileByPath(path);
}

}  // namespace

bool HandleFileCommand(UINT id) {
  if (id >= ID_RECENT_FILE_FIRST && id <= ID_RECENT_FILE_LAST) {
    OpenHistoryEntry(g_app.settings.fileHistory, static_cast<int>(id - ID_RECENT_FILE_FIRST));
    return true;
  }
  switch (id) {
    case ID_FILE_NEW: CreateTextDocumentWindow(std::string(), DocumentKind::kText, kTabColourGrey, nullptr); return true;
    case ID_FILE_CLOSE:
      if (HWND active = ActiveDocumentWindow()) SendMessageA(active, WM_CLOSE, 0, 0);
      return true;
    case ID_FILE_OPEN: OpenWithDialog(); return true;
    case ID_FILE_SAVE:
      if (ActiveSlot() >= 0) SaveDocument(ActiveSlot(), nullptr);
      return true;
    case ID_FILE_SAVEAS: SaveAs(); return true;
    case ID_FILE_SAVEALL: SaveAll(); return true;
    case ID_FILE_ENCODING: ShowEncodingDialog(); return true;
  }
  return false;
}

// Message 1094: the compiler names a file in pgm.tmp and a zero-based line.
void OnCompilerSourcePosition(int line) {
  std::string name;
  if (!ReadWholeFile(g_app.ProgramDir + "pgm.tmp", name)) return;
  if (name.size() > 260) name.resize(260);
  name.resize(strnlen(name.c_str(), name.size()));
  while (!name.empty() && (name.back() == '\r' || name.back() == '\n')) name.pop_back();
  if (name.empty()) return;
  int slot = g_app.docs.FindTextByPath(name);
  HWND window = slot >= 0 ? g_app.docs.slots[slot].window : OpenFileByPath(name);
  slot = g_app.docs.SlotOfWindow(window);
  EditorView* view = EditorOf(slot);
  if (!view) return;
  SendMessageA(GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  TextDocument& doc = view->Doc();
  if (line < 0) line = 0;
  const int start = line < doc.LineCount() ? doc.LineStart(line) : doc.Length();
  const int end = line < doc.LineCount() ? doc.LineEnd(line) : doc.Length();
  view->SetSelection(start, end, true);
}
