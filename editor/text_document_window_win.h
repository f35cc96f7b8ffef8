#pragma once
// A text document's MDI child (class MDIClientWindow_TextEdit) as an object:
// it owns the document's text, its editor and ruler windows and its icon, and
// is the text kinds' document for the shell.
#include <memory>
#include <string>

#include "editor/editable_text.h"
#include "platform/handles_win.h"
#include "platform/text_codes.h"
#include "platform/window_object_win.h"
#include "shell/document.h"

class EditorView;
class Ruler;

// What reading a file gives a new document.
struct FileContent {
  std::string text;  // Shift-JIS, CR LF, no NUL
  Charset charset = Charset::kShiftJis;
  Newline newline = Newline::kCrLf;
  bool utf8Bom = false;  // the file began with a UTF-8 byte order mark
  size_t nulBytes = 0;   // NUL bytes the text shows as blanks
  size_t lostChars = 0;  // characters the text shows as the geta mark
};

class TextDocumentWindow : public WindowObject<TextDocumentWindow, DefaultProc::kMdiChild>, public Document {
 public:
  TextDocumentWindow(int slot, DocumentKind kind, FileContent content, HICON icon);
  ~TextDocumentWindow() override;

  // Creates the MDI child with its ruler and editor; false when a window
  // could not be made.
  bool Create(HWND mdiClient, const std::string& title, bool maximise);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  EditorView& Editor() { return *editor_; }
  // Lays the ruler and the editor out (also when IsShowRuler changed).
  void LayoutChildren();

  // ---- Document
  EditableText* Text() override { return &text_; }
  bool Modified() const override { return text_.doc.modified; }
  void ClearModified() override { text_.doc.modified = false; }
  bool Undo() override;
  bool Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void DeleteSelection() override;
  void SelectAll() override;
  bool SaveTo(const std::string& path) override;
  void FillCommandContext(CommandContext& ctx) const override;

  // The file read again: the whole text replaced as one undo step, the caret
  // kept on its line, the codes taken from the file; not modified after.
  void TakeReloadedContent(FileContent content);

 private:
  void OnCreate();
  void OnSize(int width, int height);
  void OnSetFocus();
  void OnMdiActivate(HWND activated);
  LRESULT OnClose();
  void Layout(int width, int height);
  // The slot holding this document, or null while it is being made.
  struct DocumentSlot* OwnSlot();

  int slot_;
  EditableText text_;
  IconHandle icon_;
  std::unique_ptr<Ruler> ruler_;
  std::unique_ptr<EditorView> editor_;
};

// The text document window of a slot, or null when the slot holds none.
TextDocumentWindow* TextWindowOf(int slot);
// Its editor, or null.
EditorView* EditorOf(int slot);
// Display-shaping settings of the moment (TabSize, IsRightTurn, ...).
TextLayout CurrentTextLayout();
// After a change of the shaping settings or fonts: re-wrap and repaint every text document.
void RelayoutAllTextDocuments();
