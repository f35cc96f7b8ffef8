// Creating and closing text-document windows, and the MDI child's procedure.
#include "shell/doc_windows_win.h"

#include <shellapi.h>

#include <cstdio>

#include "assist/assist_hooks.h"
#include "editor/editor_hooks.h"
#include "files/open_save.h"
#include "resources/ids.h"
#include "files/paths.h"
#include "shell/app.h"
#include "shell/menu_object_win.h"
#include "shell/doc_kinds.h"
#include "shell/frame_win.h"
#include "shell/message_box.h"
#include "shell/tab_bar_win.h"
#include "shell/window_procs.h"

namespace {

constexpr int kRulerHeight = 10;

HICON SmallIconFor(const std::string& path) {
  if (path.empty()) {
    return g_app.resLib ? static_cast<HICON>(LoadImageA(g_app.resLib, MAKEINTRESOURCEA(IDI_UNTITLED),
                                                        IMAGE_ICON, 16, 16, 0))
                        : nullptr;
  }
  SHFILEINFOA info{};
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) return info.hIcon;
  return nullptr;
}

void LayoutTextChild(HWND child, int w, int h) {
  int slot = g_app.docs.SlotOfWindow(child);
  if (slot < 0) return;
  TextDocument* doc = g_app.docs.slots[slot].text.get();
  if (!doc) return;
  HWND ruler = EditorRulerWindow(*doc);
  if (g_app.settings.IsShowRuler) {
    if (ruler) {
      MoveWindow(ruler, 0, 0, w, kRulerHeight, TRUE);
      ShowWindow(ruler, SW_SHOW);
    }
    MoveWindow(doc->editor, 0, kRulerHeight, w, h - kRulerHeight, TRUE);
  } else {
    if (ruler) ShowWindow(ruler, SW_HIDE);
    MoveWindow(doc->editor, 0, 0, w, h, TRUE);
  }
  if (HWND strip = EditorResultStripWindow(*doc)) MoveWindow(strip, 0, h, w, 0, TRUE);
}

void OnSetFocus(HWND child) {
  int slot = g_app.docs.SlotOfWindow(child);
  if (slot >= 0 && g_app.docs.slots[slot].text) SetFocus(g_app.docs.slots[slot].text->editor);
  RefreshStatusBar();
  RefreshCommandStates();
  if (g_app.mainMenu)
    CheckMenuItem(g_app.mainMenu->handle(), ID_VIEW_RIGHTTURN,
                  MF_BYCOMMAND | (g_app.settings.IsRightTurn ? MF_CHECKED : MF_UNCHECKED));
}

void OnMdiActivate(HWND child, LPARAM activated) {
  CloseAssistPopups();
  if (reinterpret_cast<HWND>(activated) != child) return;
  int slot = g_app.docs.SlotOfWindow(child);
  if (slot < 0) return;
  RefreshCompileCommandStates();
  DocListSelect(g_app.docs.slots[slot].title);
  TabSelect(g_app.docs.slots[slot].title);
}

// WM_CLOSE: ask when modified; Cancel or a failed save keeps the window.
bool OnClose(HWND child) {
  int slot = g_app.docs.SlotOfWindow(child);
  if (slot >= 0) {
    if (!ConfirmSaveBeforeClose(slot)) return false;
    FreeSlot(slot);
  }
  g_app.settings.IsMDIZoomed = IsZoomed(child) ? 1 : 0;
  return true;
}

}  // namespace

LRESULT CALLBACK TextDocWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
      auto* mdi = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
      if (mdi && mdi->lParam) SendMessageA(w, WM_SETICON, ICON_SMALL, mdi->lParam);
      break;
    }
    case WM_SIZE: LayoutTextChild(w, LOWORD(lp), HIWORD(lp)); break;
    case WM_SETFOCUS: OnSetFocus(w); return 0;
    case WM_MDIACTIVATE: OnMdiActivate(w, lp); break;
    case WM_CLOSE:
      if (!OnClose(w)) return 0;
      DefMDIChildProcA(w, msg, wp, lp);
      RefreshCommandStates();
      return 0;
  }
  return DefMDIChildProcA(w, msg, wp, lp);
}

HWND CreateTextDocumentWindow(const std::string& path, int kind, COLORREF tabColour, const FileContent* content) {
  HWND client = FrameMdiClient();
  if (!client) return nullptr;
  if (g_app.docs.FirstFree() < 0) {
    QuilletMessageBox(g_app.frame,
                      "開いているドキュメントが多すぎるため、これ以上開けません。\n"
                      "不要なドキュメントを閉じてからやり直してください。",
                      "Quillet", MB_OK | MB_ICONWARNING);
    return nullptr;
  }
  std::string title = path.empty() ? g_app.docs.NextUntitledTitle() : PathFileName(path);
  title = g_app.docs.UniqueTitle(title);

  BOOL activeMaximised = FALSE;
  HWND active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&activeMaximised)));
  bool maximise = active ? activeMaximised != FALSE : g_app.settings.IsMDIZoomed != 0;

  HICON icon = SmallIconFor(path);
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "MDIClientWindow_TextEdit";
  mcs.szTitle = title.c_str();
  mcs.hOwner = g_app.instance;
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = WS_CLIPCHILDREN | (maximise ? WS_MAXIMIZE : 0);
  mcs.lParam = reinterpret_cast<LPARAM>(icon);
  HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (!child) {
    if (icon) DestroyIcon(icon);
    return nullptr;
  }
  HWND editor = CreateWindowExA(0, "TextEditor", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0,
                                child, nullptr, g_app.instance, nullptr);

  int slot = g_app.docs.FirstFree();
  DocumentSlot& s = g_app.docs.slots[slot];
  s.window = child;
  s.kind = kind;
  s.title = title;
  s.path = path;
  s.text = std::make_unique<TextDocument>(content ? content->text : std::string(), kind, CurrentTextLayout());
  TextDocument& doc = *s.text;
  doc.editor = editor;
  doc.icon = icon;
  if (content) {
    doc.charset = content->charset;
    doc.newline = content->newline;
    doc.utf8Bom = content->utf8Bom ? 1 : 0;
  }
  s.undo = std::make_unique<UndoRing>();
  AttachEditor(slot);  // ruler, result strip, colouring, gutter, view hooks

  RECT rc;
  GetClientRect(child, &rc);
  LayoutTextChild(child, rc.right, rc.bottom);
  DocListAdd(title);
  DocListSelect(title);
  TabInsertFront(title, tabColour);
  // A maximised child created on top of another does not always retitle the frame.
  SetWindowTextA(child, title.c_str());
  SetFocus(editor);
  RefreshStatusBar();
  RefreshCommandStates();
  return child;
}

void FreeSlot(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!s.InUse()) return;
  s.window = nullptr;
  DocListRemove(s.title);
  TabRemove(s.title);
  if (IsTextKind(s.kind)) {
    CloseHintFor(slot);
    if (s.text) {
      DetachEditor(slot);
      if (s.text->icon) DestroyIcon(s.text->icon);
    }
    s.text.reset();
    s.undo.reset();
    s.pendingIndent.reset();
    s.pendingIndentStart = -1;
    s.heldLeadByte = 0;
  } else {
    FreeOtherKindRecord(slot);
  }
  s.title.clear();
  s.path.clear();
  s.kind = kDocNone;
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

bool ConfirmSaveBeforeClose(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  if (!DocumentModified(slot)) return true;
  char text[MAX_PATH + 128];
  std::snprintf(text, sizeof text, "\"%s\" ファイルは変更されています。保存しますか？", s.title.c_str());
  int answer = QuilletMessageBox(g_app.frame, text, "Quillet", MB_YESNOCANCEL | MB_ICONINFORMATION);
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
}
