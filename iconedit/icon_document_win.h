#pragma once
// An icon document's MDI child (class MDIClientWindow_IconEdit) as an object:
// it owns the document's model, the zoomed view, the side panel with the image
// list and the tool palette, and the colour bar, and is the Icon kind's
// document for the shell.
#include <memory>
#include <string>

#include "iconedit/icon_doc_state.h"
#include "platform/handles_win.h"
#include "platform/window_object_win.h"
#include "shell/document.h"

class IconEditView;
class IconSidePanel;
class IconColourBar;

class IconDocumentWindow : public WindowObject<IconDocumentWindow, DefaultProc::kMdiChild>, public Document {
 public:
  IconDocumentWindow(int slot, IconDocState state, HICON icon);
  ~IconDocumentWindow() override;

  // Creates the MDI child with its view, side panel and colour bar; false
  // when the child itself could not be made.
  bool Create(HWND mdiClient, const std::string& title, bool maximise);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  IconDocState& State() { return state_; }
  const IconDocState& State() const { return state_; }
  IconEditView* View() { return view_.get(); }
  HWND SidePanelWindow() const;
  HWND ToolPaletteWindow() const;
  HWND ColourBarWindow() const;

  // The one step after every change of the model: the view is redrawn, the
  // colour bar, image list, tool palette and command states follow.
  void AfterChange();
  void ChooseTool(IconTool tool);
  void ChooseImage(int index);
  // Asks for a format the icon does not have yet and appends an image of it.
  void AddImage();
  void DeleteImage();
  void ChooseColour(bool primary, COLORREF colour);

  // ---- Document
  bool Modified() const override { return state_.modified; }
  void ClearModified() override { state_.modified = false; }
  bool Undo() override;
  bool Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  // Not offered for icons (the command is greyed).
  void DeleteSelection() override {}
  void SelectAll() override;
  bool SaveTo(const std::string& path) override;
  void FillCommandContext(CommandContext& ctx) const override;

 private:
  void OnCreate();
  void OnSize(int width, int height);
  void OnSetFocus();
  void OnMdiActivate(HWND activated);
  LRESULT OnClose();
  struct DocumentSlot* OwnSlot();

  int slot_;
  IconDocState state_;
  IconHandle icon_;
  std::unique_ptr<IconEditView> view_;
  std::unique_ptr<IconSidePanel> sidePanel_;
  std::unique_ptr<IconColourBar> colourBar_;
};

// The icon document window of a slot, or null when the slot holds none.
IconDocumentWindow* IconWindowOf(int slot);
// Opens an .ico file in the icon editor, or brings the icon document with that
// path (compared without regard to case) to the top; with an empty path a new
// icon "Icon[%d]". Failures are reported; null then.
HWND OpenIconDocument(const std::string& path);
