// The icon document's MDI child: its children, its messages, what the shell
// asks of an icon document, and opening .ico files into it.
#include "iconedit/icon_document_win.h"

#include <cstdio>

#include "files/file_io_win.h"
#include "files/paths.h"
#include "iconedit/icon_clipboard_win.h"
#include "iconedit/icon_file.h"
#include "iconedit/icon_panels_win.h"
#include "iconedit/icon_selection.h"
#include "iconedit/icon_view_geometry.h"
#include "iconedit/icon_view_win.h"
#include "prefs/extension_list.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/message_box_win.h"
#include "shell/tab_bar_win.h"

IconDocumentWindow::IconDocumentWindow(int slot, IconDocState state, HICON icon)
    : slot_(slot), state_(std::move(state)), icon_(icon) {}

IconDocumentWindow::~IconDocumentWindow() {
  // The children refer to this object: they go first. The MDI child may still
  // get messages while it is destroyed; they go to the default procedure.
  view_.reset();
  colourBar_.reset();
  sidePanel_.reset();
  DetachWindow(hwnd);
}

bool IconDocumentWindow::Create(HWND mdiClient, const std::string& title, bool maximise) {
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "MDIClientWindow_IconEdit";
  mcs.szTitle = title.c_str();
  mcs.hOwner = g_app.instance;
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = WS_CLIPCHILDREN | (maximise ? WS_MAXIMIZE : 0);
  mcs.lParam = reinterpret_cast<LPARAM>(this);
  if (!SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)) || !hwnd) return false;
  view_ = std::make_unique<IconEditView>(*this);
  if (!view_->Create(hwnd)) return false;
  // Without the resource library the panels are missing; the view still works.
  sidePanel_ = std::make_unique<IconSidePanel>(*this);
  if (!sidePanel_->Create(hwnd)) sidePanel_.reset();
  colourBar_ = std::make_unique<IconColourBar>(*this);
  if (!colourBar_->Create(hwnd)) colourBar_.reset();
  RECT client;
  GetClientRect(hwnd, &client);
  OnSize(client.right, client.bottom);
  AfterChange();
  return true;
}

LRESULT IconDocumentWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return Default(msg, wp, lp);
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return Default(msg, wp, lp);
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_MDIACTIVATE: OnMdiActivate(reinterpret_cast<HWND>(lp)); return Default(msg, wp, lp);
    case WM_CLOSE: return OnClose();
  }
  return Default(msg, wp, lp);
}

HWND IconDocumentWindow::SidePanelWindow() const { return sidePanel_ ? sidePanel_->hwnd : nullptr; }
HWND IconDocumentWindow::ToolPaletteWindow() const { return sidePanel_ ? sidePanel_->Tools().hwnd : nullptr; }
HWND IconDocumentWindow::ColourBarWindow() const { return colourBar_ ? colourBar_->hwnd : nullptr; }

void IconDocumentWindow::OnCreate() {
  if (icon_) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
}

void IconDocumentWindow::OnSize(int width, int height) {
  const IconChildLayout layout = LayOutIconChild(width, height);
  auto place = [](HWND w, const RECT& r) {
    if (w) MoveWindow(w, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  };
  if (view_) place(view_->hwnd, layout.view);
  place(SidePanelWindow(), layout.sidePanel);
  place(ColourBarWindow(), layout.colourBar);
}

void IconDocumentWindow::OnSetFocus() {
  if (view_) SetFocus(view_->hwnd);
  RefreshStatusBar();
  RefreshCommandStates();
}

void IconDocumentWindow::OnMdiActivate(HWND activated) {
  if (activated != hwnd) return;
  const DocumentSlot* s = OwnSlot();
  if (!s) return;
  RefreshCommandStates();
  DocListSelect(s->title);
  TabSelect(s->title);
}

// Cancel or a failed save keeps the window. Otherwise the slot is freed,
// which destroys this object: nothing of it is touched after that.
LRESULT IconDocumentWindow::OnClose() {
  const int slot = OwnSlot() ? slot_ : -1;
  if (slot >= 0 && !ConfirmSaveBeforeClose(slot)) return 0;
  HWND window = hwnd;
  if (slot >= 0) FreeSlot(slot);
  g_app.settings.IsMDIZoomed = IsZoomed(window) ? 1 : 0;
  DefMDIChildProcA(window, WM_CLOSE, 0, 0);
  RefreshCommandStates();
  return 0;
}

DocumentSlot* IconDocumentWindow::OwnSlot() {
  DocumentSlot& s = g_app.docs.slots[slot_];
  return s.InUse() && s.document.get() == this ? &s : nullptr;
}

// ---- changes of the model

void IconDocumentWindow::AfterChange() {
  if (view_) view_->Redraw();
  if (colourBar_) colourBar_->Show();
  if (sidePanel_) sidePanel_->Show(state_);
  if (OwnSlot()) RefreshCommandStates();
}

void IconDocumentWindow::ChooseTool(IconTool tool) {
  SetIconTool(state_, tool);
  AfterChange();
}

void IconDocumentWindow::ChooseImage(int index) {
  SelectIconImage(state_, index);
  AfterChange();
}

void IconDocumentWindow::AddImage() {
  if (state_.images.size() >= kMaxIconImages) return;
  const int format = AskIconImageFormat(g_app.frame, MissingIconFormats(state_));
  if (format < 0) return;
  AddIconImage(state_, format, g_app.palette);
  AfterChange();
}

void IconDocumentWindow::DeleteImage() {
  if (!DeleteCurrentIconImage(state_)) return;
  AfterChange();
}

void IconDocumentWindow::ChooseColour(bool primary, COLORREF colour) {
  (primary ? state_.primaryColour : state_.secondaryColour) = colour;
  if (colourBar_) colourBar_->Show();
}

// ---- the icon as a document

bool IconDocumentWindow::Undo() {
  if (!UndoIconDoc(state_)) return false;
  AfterChange();
  return true;
}

bool IconDocumentWindow::Redo() {
  if (!RedoIconDoc(state_)) return false;
  AfterChange();
  return true;
}

// Reads the model: no undo step, not modified.
void IconDocumentWindow::Copy() {
  const FloatingPixels pixels = CopyIconSelection(state_);
  if (pixels.width > 0) PutIconPixelsOnClipboard(g_app.frame, pixels);
  RefreshCommandStates();
}

void IconDocumentWindow::Cut() {
  if (!IconHasSelection(state_)) return;
  PutIconPixelsOnClipboard(g_app.frame, CutIconSelection(state_));
  AfterChange();
}

void IconDocumentWindow::Paste() {
  FloatingPixels pixels;
  if (!GetIconPixelsFromClipboard(g_app.frame, pixels)) return;
  PasteIconPixels(state_, std::move(pixels));
  AfterChange();
}

void IconDocumentWindow::SelectAll() {
  DropIconSelection(state_);
  SetIconTool(state_, IconTool::kSelect);
  const IconImage& image = CurrentIconImage(state_);
  MarkIconSelection(state_, IconPoint{0, 0}, IconPoint{IconWidth(image) - 1, IconHeight(image) - 1});
  AfterChange();
}

// What is saved is what the view shows: floating pixels are dropped first.
bool IconDocumentWindow::SaveTo(const std::string& path) {
  if (state_.selectionState == IconSelectionState::kFloatingSelection) {
    DropIconSelection(state_);
    AfterChange();
  }
  if (!WriteWholeFile(path, BuildIconFile(state_))) {
    char text[MAX_PATH + 128];
    std::snprintf(text, sizeof text, "\"%s\" ファイルへの書き込みに失敗しました。", path.c_str());
    QuilletMessageBox(g_app.frame, text, "エラー", MB_OK | MB_ICONERROR);
    return false;
  }
  state_.modified = false;
  return true;
}

void IconDocumentWindow::FillCommandContext(CommandContext& ctx) const {
  ctx.selection = IconHasSelection(state_);
  ctx.canUndo = CanUndoIconDoc(state_);
  ctx.canRedo = CanRedoIconDoc(state_);
}

// ---- lookups and opening

IconDocumentWindow* IconWindowOf(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return nullptr;
  DocumentSlot& s = g_app.docs.slots[slot];
  // Icon slots hold nothing but an IconDocumentWindow.
  return s.InUse() && s.kind == DocumentKind::kIcon && s.document ? static_cast<IconDocumentWindow*>(s.document.get())
                                                                  : nullptr;
}

namespace {

int FindIconByPath(const std::string& path) {
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    const DocumentSlot& s = g_app.docs.slots[i];
    if (s.InUse() && s.kind == DocumentKind::kIcon && PathEqualsNoCase(s.path, path)) return i;
  }
  return -1;
}

void BringToTop(HWND window) {
  HWND client = GetParent(window);
  if (IsIconic(window)) SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window), 0);
  SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace

HWND OpenIconDocument(const std::string& path) {
  HWND client = FrameMdiClient();
  if (!client) return nullptr;
  IconDocState state;
  std::string title;
  if (path.empty()) {
    state = NewIconDocState();
    title = NewIconTitle(++g_app.docs.newIconCounter);
  } else {
    const int open = FindIconByPath(path);
    if (open >= 0) {
      BringToTop(g_app.docs.slots[open].window);
      return g_app.docs.slots[open].window;
    }
    std::string bytes;
    if (!ReadWholeFileWithMessage(path, bytes, g_app.frame)) return nullptr;
    const ReadResult read = ReadIconFile(bytes, path, state);
    if (!read) {
      QuilletMessageBox(g_app.frame, read.message.c_str(), "エラー", MB_OK | MB_ICONWARNING);
      return nullptr;
    }
    title = PathFileName(path);
  }
  const int slot = TakeFreeSlot();
  if (slot < 0) return nullptr;
  title = g_app.docs.UniqueTitle(title);
  auto window = std::make_unique<IconDocumentWindow>(slot, std::move(state), DocumentSmallIcon(path));
  IconDocumentWindow& w = *window;
  if (!w.Create(client, title, NewDocumentMaximised())) {
    HWND child = w.hwnd;
    window.reset();
    if (child) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    return nullptr;
  }
  const COLORREF colour = path.empty() ? kTabColourGrey : TabColourOfPath(g_app.settings.extensions, path);
  AdoptDocumentWindow(slot, w.hwnd, DocumentKind::kIcon, title, path, std::move(window), colour);
  if (w.View()) SetFocus(w.View()->hwnd);
  RefreshStatusBar();
  RefreshCommandStates();
  return w.hwnd;
}
