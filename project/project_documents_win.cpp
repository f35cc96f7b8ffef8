// The project's open documents: which they are, saving and closing them.
#include "project/project_documents_win.h"

#include "editor/editor_view_win.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"

namespace {

bool IsProjectDocument(int slot) {
  WorkDoc doc;
  return ProjectDocumentOf(slot, doc);
}

// Frees the slot and destroys its window: no question, no save.
void CloseSlot(int slot) {
  HWND window = g_app.docs.slots[slot].window;
  FreeSlot(slot);
  SendMessageA(FrameMdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace

bool ProjectDocumentOf(int slot, WorkDoc& doc) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return false;
  const DocumentSlot& s = g_app.docs.slots[slot];
  const ProjectState& p = g_app.project;
  if (!s.InUse() || !p.IsOpen()) return false;
  if (IsTextKind(s.kind)) {
    const int file = FindProjectFile(p, s.path);
    if (file < 0) return false;
    doc = WorkDoc();
    doc.kind = WorkDocKind::kText;
    doc.name = p.sourceFiles[static_cast<size_t>(file)].path;
    if (EditorView* view = EditorOf(slot)) {
      doc.hScroll = view->ScrollPos(SB_HORZ);
      doc.vScroll = view->ScrollPos(SB_VERT);
      int start = 0, end = 0;
      view->Doc().SelectionBytes(start, end);
      doc.selStart = start;
      doc.selEnd = end;
    }
    return true;
  }
  if (s.kind == DocumentKind::kIcon) {
    const int icon = FindProjectIcon(p, s.path);
    if (icon < 0) return false;
    doc = WorkDoc();
    doc.kind = WorkDocKind::kIcon;
    doc.name = p.icons[static_cast<size_t>(icon)].path;
    return true;
  }
  if (s.kind != DocumentKind::kWindowDesign && s.kind != DocumentKind::kMenuDesign) return false;
  const std::string name = s.document ? s.document->DefinitionName() : std::string();
  const bool window = s.kind == DocumentKind::kWindowDesign;
  const int index = window ? FindWindowDef(p, name) : FindMenuDef(p, name);
  if (name.empty() || index < 0) return false;
  doc = WorkDoc();
  doc.kind = window ? WorkDocKind::kWindowDesign : WorkDocKind::kMenuDesign;
  doc.name = window ? p.windows[static_cast<size_t>(index)].name
                    : p.menus[static_cast<size_t>(index)].idName.value_or(std::string());
  return true;
}

std::vector<int> DocumentSlotsBottomFirst() {
  std::vector<int> slots;
  HWND client = FrameMdiClient();
  if (!client) return slots;
  for (HWND w = GetWindow(client, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    const int slot = g_app.docs.SlotOfWindow(w);
    if (slot >= 0) slots.insert(slots.begin(), slot);
  }
  return slots;
}

bool AnyProjectDocumentModified() {
  for (int i = 0; i < DocumentTable::kSlots; ++i)
    if (DocumentModified(i) && IsProjectDocument(i)) return true;
  return false;
}

bool SaveModifiedProjectDocuments() {
  bool all = true;
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    const DocumentSlot& s = g_app.docs.slots[i];
    if (!(IsTextKind(s.kind) || s.kind == DocumentKind::kIcon) || !DocumentModified(i)) continue;
    if (IsProjectDocument(i) && !SaveDocument(i, nullptr)) all = false;
  }
  return all;
}

void CloseProjectDocuments() {
  for (int i = 0; i < DocumentTable::kSlots; ++i)
    if (IsProjectDocument(i)) CloseSlot(i);
}

void CloseDefinitionDocument(WorkDocKind kind, const std::string& name) {
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    WorkDoc doc;
    if (ProjectDocumentOf(i, doc) && doc.kind == kind && PathEqualsNoCase(doc.name, name)) CloseSlot(i);
  }
}
