// File commands of the frame: open, save, save as, save all, encoding.
#include <cstring>

#include "files/encoding_dialog.h"
#include "files/file_dialog_win.h"
#include "files/file_io.h"
#include "files/open_save.h"
#include "resources/ids.h"
#include "shell/app.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"
#include "shell/project_seams.h"

namespace {

void OpenWithDialog() {
  std::string path;
  if (RunFileDialog(g_app.frame, path, OpenFileFilter(), "ファイルを指定してください", true))
    OpenFileByPath(path);
}

void SaveAs() {
  const int slot = ActiveSlot();
  if (slot < 0) return;
  std::string path;
  if (RunFileDialog(g_app.frame, path, SaveFileFilter(g_app.docs.slots[slot].kind),
                    "保存先のファイルを指定してください", false))
    SaveDocument(slot, path.c_str());
}

void SaveAll() {
  for (int i = 0; i < DocumentTable::kSlots; ++i)
    if (g_app.docs.slots[i].InUse()) SaveDocument(i, nullptr);
  if (ProjectIsOpen()) SaveProject();
}

}  // namespace

bool DispatchFileCommand(UINT id) {
  switch (id) {
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
  if (slot < 0 || !g_app.docs.slots[slot].text) return;
  SendMessageA(GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  TextDocument& doc = *g_app.docs.slots[slot].text;
  if (line < 0) line = 0;
  const int start = line < doc.LineCount() ? doc.LineStart(line) : doc.Length();
  const int end = line < doc.LineCount() ? doc.LineEnd(line) : doc.Length();
  doc.SetSelection(start, end, true);
}
