// The text document's MDI child: its children, its messages and what the
// shell asks of a text document.
#include "editor/text_document_window_win.h"

#include "editor/editing.h"
#include "editor/editor_view_win.h"
#include "files/open_save_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/clipboard_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/menu_object_win.h"
#include "shell/message_box_win.h"
#include "shell/messages_win.h"
#include "shell/rebar_win.h"
#include "shell/tab_bar_win.h"

namespace {

constexpr int kRulerHeight = 10;

}  // namespace

TextDocumentWindow::TextDocumentWindow(int slot, DocumentKind kind, FileContent content, HICON icon)
    : slot_(slot), text_(std::move(content.text), kind, CurrentTextLayout()), icon_(icon) {
  text_.doc.charset = content.charset;
  text_.doc.newline = content.newline;
  text_.doc.utf8Bom = content.utf8Bom;
  text_.doc.nulBytesOnOpen = content.nulBytes;
  text_.doc.lostCharsOnOpen = content.lostChars;
}

TextDocumentWindow::~TextDocumentWindow() {
  // The views go before the text they observe; the MDI child itself may
  // still get messages while it is destroyed: they go to the default procedure.
  editor_.reset();
  ruler_.reset();
  DetachWindow(hwnd);
}

bool TextDocumentWindow::Create(HWND mdiClient, const std::string& title, bool maximise) {
  MDICREATESTRUCTA mcs{};
  mcs.szClass = "MDIClientWindow_TextEdit";
  mcs.szTitle = title.c_str();
  mcs.hOwner = g_app.instance;
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = WS_CLIPCHILDREN | (maximise ? WS_MAXIMIZE : 0);
  mcs.lParam = reinterpret_cast<LPARAM>(this);
  if (!SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)) || !hwnd) return false;
  ruler_ = std::make_unique<Ruler>();
  ruler_->Create(hwnd);
  editor_ = std::make_unique<EditorView>(slot_, text_, ruler_.get());
  if (!editor_->Create(hwnd)) return false;
  ruler_->SetView(editor_.get());
  LayoutChildren();
  return true;
}

LRESULT TextDocumentWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return Default(msg, wp, lp);
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return Default(msg, wp, lp);
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_MDIACTIVATE: OnMdiActivate(reinterpret_cast<HWND>(lp)); return Default(msg, wp, lp);
    case WM_CLOSE: return OnClose();
  }
  return Default(msg, wp, lp);
}

void TextDocumentWindow::OnCreate() {
  if (icon_) SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
}

void TextDocumentWindow::OnSize(int width, int height) { Layout(width, height); }

void TextDocumentWindow::LayoutChildren() {
  RECT rc;
  GetClientRect(hwnd, &rc);
  Layout(rc.right, rc.bottom);
}

void TextDocumentWindow::Layout(int w, int h) {
  if (!editor_) return;
  HWND ruler = ruler_ ? ruler_->hwnd : nullptr;
  if (g_app.settings.IsShowRuler) {
    if (ruler) {
      MoveWindow(ruler, 0, 0, w, kRulerHeight, TRUE);
      ShowWindow(ruler, SW_SHOW);
    }
    MoveWindow(editor_->hwnd, 0, kRulerHeight, w, h - kRulerHeight, TRUE);
  } else {
    if (ruler) ShowWindow(ruler, SW_HIDE);
    MoveWindow(editor_->hwnd, 0, 0, w, h, TRUE);
  }
}

void TextDocumentWindow::OnSetFocus() {
  if (editor_) SetFocus(editor_->hwnd);
  RefreshStatusBar();
  RefreshCommandStates();
  if (g_app.mainMenu)
    CheckMenuItem(g_app.mainMenu->handle(), ID_VIEW_RIGHTTURN,
                  MF_BYCOMMAND | (g_app.settings.IsRightTurn ? MF_CHECKED : MF_UNCHECKED));
}

void TextDocumentWindow::OnMdiActivate(HWND activated) {
  if (editor_) {
    editor_->CloseAssistPopups();
    if (activated != hwnd) editor_->ReleaseAssistance();
  }
  if (activated != hwnd) return;
  const DocumentSlot* s = OwnSlot();
  if (!s) return;
  RefreshCommandStates();
  DocListSelect(s->title);
  TabSelect(s->title);
  // Asked from the frame's queue, never inside the activation itself.
  if (g_app.frame) PostMessageA(g_app.frame, kMsgCheckDiskFiles, 0, 0);
}

// Cancel or a failed save keeps the window. Otherwise the slot is freed,
// which destroys this object: nothing of it is touched after that.
LRESULT TextDocumentWindow::OnClose() {
  const int slot = OwnSlot() ? slot_ : -1;
  if (slot >= 0 && !ConfirmSaveBeforeClose(slot)) return 0;
  HWND window = hwnd;
  if (slot >= 0) FreeSlot(slot);
  g_app.settings.IsMDIZoomed = IsZoomed(window) ? 1 : 0;
  DefMDIChildProcA(window, WM_CLOSE, 0, 0);
  RefreshCommandStates();
  return 0;
}

DocumentSlot* TextDocumentWindow::OwnSlot() {
  DocumentSlot& s = g_app.docs.slots[slot_];
  return s.InUse() && s.document.get() == this ? &s : nullptr;
}

// ---- the text kinds as documents

bool TextDocumentWindow::Undo() {
  if (!::Undo(text_)) return false;
  editor_->AfterCommand();
  return true;
}

bool TextDocumentWindow::Redo() {
  if (!::Redo(text_)) return false;
  editor_->AfterCommand();
  return true;
}

void TextDocumentWindow::Copy() {
  int s, e;
  text_.doc.SelectionBytes(s, e);
  PutTextOnClipboard(text_.doc.CopySelectionText(s, e));
  RefreshCommandStates();
}

void TextDocumentWindow::Cut() {
  int s, e;
  text_.doc.SelectionBytes(s, e);
  Copy();
  // With nothing selected the Delete key would take the next character.
  if (s < e) DeleteSelection();
}

void TextDocumentWindow::Paste() {
  std::string pasted, lossNotice;
  if (!GetClipboardTextForPaste(pasted, lossNotice)) return;
  EditSelection(text_, pasted, EditOrigin::kPasted);
  editor_->AfterCommand();
  if (!lossNotice.empty()) QuilletMessageBox(g_app.frame, lossNotice.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
}

void TextDocumentWindow::DeleteSelection() {
  EditSelection(text_, std::string_view());
  editor_->AfterCommand();
}

// The view stays where it is: only the caret and the status follow.
void TextDocumentWindow::SelectAll() {
  text_.doc.PlaceSelection(0, text_.doc.Length());
  editor_->AfterCommand(AfterEdit{ScrollToCaret::kNone, false});
}

bool TextDocumentWindow::SaveTo(const std::string& path) {
  return WriteTextDocument(path, text_.doc, false) == WriteResult::kWritten;
}

void TextDocumentWindow::FillCommandContext(CommandContext& ctx) const {
  const TextDocument& doc = text_.doc;
  ctx.selection = doc.caretCol != doc.anchorCol || doc.caretRow != doc.anchorRow;
  ctx.canUndo = CanUndo(text_.undo);
  ctx.canRedo = CanRedo(text_.undo);
}

void TextDocumentWindow::TakeReloadedContent(FileContent content) {
  TextDocument& doc = text_.doc;
  const int line = doc.LineOfByte(doc.CaretByte());
  if (std::string_view(doc.CStr(), static_cast<size_t>(doc.Length())) != content.text) {
    PendingIndentCancel(text_);
    doc.PlaceSelection(doc.Length(), 0);
    EditSelection(text_, content.text, EditOrigin::kPasted);
  }
  doc.charset = content.charset;
  doc.newline = content.newline;
  doc.utf8Bom = content.utf8Bom;
  doc.nulBytesOnOpen = content.nulBytes;
  doc.lostCharsOnOpen = content.lostChars;
  doc.modified = false;
  const int start = doc.LineStart(line < doc.LineCount() ? line : doc.LineCount() - 1);
  editor_->SetSelection(start, start, false);
}

// ---- lookups and settings

TextDocumentWindow* TextWindowOf(int slot) {
  if (slot < 0 || slot >= DocumentTable::kSlots) return nullptr;
  DocumentSlot& s = g_app.docs.slots[slot];
  // Text kinds hold nothing but a TextDocumentWindow.
  return s.InUse() && IsTextKind(s.kind) && s.document ? static_cast<TextDocumentWindow*>(s.document.get())
                                                       : nullptr;
}

EditorView* EditorOf(int slot) {
  TextDocumentWindow* w = TextWindowOf(slot);
  return w ? &w->Editor() : nullptr;
}

TextLayout CurrentTextLayout() {
  TextLayout layout;
  const EditorSettings& s = g_app.settings;
  layout.tabSize = s.TabSize > 0 ? s.TabSize : 4;
  layout.rightTurn = s.IsRightTurn != 0;
  layout.maxOneLineTextLength = s.MaxOneLineTextLength;
  layout.showLineNumber = s.IsShowLineNumber != 0;
  layout.codeBoldCharWidth = g_app.editorFonts.codeBoldCharWidth;
  return layout;
}

void RelayoutAllTextDocuments() {
  const TextLayout layout = CurrentTextLayout();
  for (int i = 0; i < DocumentTable::kSlots; ++i)
    if (EditorView* view = EditorOf(i)) view->Relayout(layout);
}
