// Creating and closing document windows, the active document, titles and the
// close question.
#include "shell/doc_windows_win.h"

#include <shellapi.h>

#include <cstdio>

#include "editor/editor_view_win.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/frame_win.h"
#include "shell/message_box_win.h"
#include "shell/tab_bar_win.h"

HICON DocumentSmallIcon(const std::string& path) {
  if (path.empty()) {
    return g_app.resLib ? static_cast<HICON>(LoadImageA(g_app.resLib.get(), MAKEINTRESOURCEA(IDI_UNTITLED),
                                                        IMAGE_ICON, 16, 16, 0))
                        : nullptr;
  }
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) return info.hIcon;
  return nullptr;
}

int TakeFreeSlot() {
  const int slot = g_app.docs.FirstFree();
  if (slot < 0) {
    QuilletMessageBox(g_app.frame,
                      "開いているドキュメントが多すぎるため、これ以上開けません。\n"
                      "不要なドキュメントを閉じてからやり直してください。",
                      "Quillet", MB_OK | MB_ICONWARNING);
  }
  return slot;
}

bool NewDocumentMaximised() {
  BOOL activeMaximised = FALSE;
  HWND active = reinterpret_cast<HWND>(
      SendMessageA(FrameMdiClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&activeMaximised)));
  return active ? activeMaximised != FALSE : g_app.settings.IsMDIZoomed != 0;
}

void AdoptDocumentWindow(int slot, HWND window, DocumentKind kind, const std::string& title, const std::string& path,
                         std::unique_ptr<Document> document, COLORREF tabColour) {
  DocumentSlot& s = g_app.docs.slots[slot];
  s.window = window;
  s.kind = kind;
  s.title = title;
  s.path = path;
  s.document = std::move(document);
  DocListAdd(title);
  DocListSelect(title);
  TabInsertFront(title, tabColour);
  // A maximised child created on top of another does not always retitle the frame.
  SetWindowTextA(window, title.c_str());
}

HWND CreateTextDocumentWindow(const std::string& path, DocumentKind kind, COLORREF tabColour, FileContent* content) {
  HWND client = FrameMdiClient();
  if (!client) return nullptr;
  const int slot = TakeFreeSlot();
  if (slot < 0) return nullptr;
  std::string title = path.empty() ? g_app.docs.NextUntitledTitle() : PathFileName(path);
  title = g_app.docs.UniqueTitle(title);

  auto window = std::make_unique<TextDocumentWindow>(slot, kind, content ? std::move(*content) : FileContent(),
                                                     DocumentSmallIcon(path));
  TextDocumentWindow& w = *window;
  if (!w.Create(client, title, NewDocumentMaximised())) {
    HWND child = w.hwnd;
    window.reset();
    if (child) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    return nullptr;
  }
  AdoptDocumentWindow(slot, w.hwnd, kind, title, path, std::move(window), tabColour);
  SetFocus(w.Editor().hwnd);
  RefreshStatusBar();
  RefreshCommandStates();
  return w.hwnd;
}

void FreeSlot(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse()) return;
  s.window = nullptr;
  DocListRemove(s.title);
  TabRemove(s.title);
  // The kind's record goes with its views and popups.
  s.document.reset();
  s.title.clear();
  s.markedModified = false;
  s.path.clear();
  s.disk = DiskWatch();
  s.kind = DocumentKind::kNone;
  if (ActiveSlot() < 0) RefreshStatusBar();  // the last document went
}

HWND ActiveDocumentWindow() {
  HWND client = FrameMdiClient();
  if (!client) return nullptr;
  HWND top = GetWindow(client, GW_CHILD);
  // Icon titles of minimised children are not documents.
  while (top && g_app.docs.SlotOfWindow(top) < 0) top = GetWindow(top, GW_HWNDNEXT);
  return top;
}

int ActiveSlot() { return g_app.docs.SlotOfWindow(ActiveDocumentWindow()); }

void ActivateDocumentByTitle(const std::string& title) {
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    const DocumentSlot& s = g_app.docs.slots[i];
    if (s.InUse() && PathEqualsNoCase(s.title, title)) {
      SendMessageA(FrameMdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(s.window), 0);
      return;
    }
  }
}

bool DocumentModified(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return false;
  const DocumentSlot& s = g_app.docs.slots[slot];
  return s.InUse() && s.document && s.document->Modified();
}

bool ConfirmSaveBeforeClose(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!DocumentModified(slot)) return true;
  char text[MAX_PATH + 128];
  std::snprintf(text, sizeof text, "\"%s\" ファイルは変更されています。保存しますか？", s.title.c_str());
  const int answer = QuilletMessageBox(g_app.frame, text, "Quillet", MB_YESNOCANCEL | MB_ICONINFORMATION);
  if (answer == IDCANCEL) return false;
  if (answer == IDYES) return SaveDocument(slot, nullptr);
  return true;
}

void RetitleDocument(int slot, const std::string& newTitle) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse() || s.title == newTitle) return;
  std::string old = s.title;
  s.title = newTitle;
  TabRename(old, newTitle);
  DocListRename(old, newTitle);
  SetWindowTextA(s.window, newTitle.c_str());
  s.markedModified = false;
  ShowModifiedMark(slot);
}

void ShowModifiedMark(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return;
  DocumentSlot& s = g_app.docs.slots[slot];
  const bool modified = DocumentModified(slot);
  if (!s.InUse() || s.markedModified == modified) return;
  s.markedModified = modified;
  TabSetMarked(s.title, modified);
  // The window text only: prompts and lists use the title itself.
  SetWindowTextA(s.window, (modified ? s.title + " *" : s.title).c_str());
}
