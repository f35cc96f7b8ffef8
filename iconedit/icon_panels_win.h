#pragma once
// The dialogs around an icon document's view: the side panel (246) with the
// image list and the tool palette (248) inside it, and the colour bar (247).
// Each shows the document's state and hands the user's choices to it.
#include <windows.h>

#include "iconedit/icon_doc_state.h"
#include "platform/handles_win.h"

class IconDocumentWindow;

// The tool palette: a flat toolbar of check-group buttons with tooltips.
class IconToolPalette {
 public:
  explicit IconToolPalette(IconDocumentWindow& owner) : owner_(owner) {}
  ~IconToolPalette();
  HWND hwnd = nullptr;

  bool Create(HWND sidePanel);
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Checks the button of the tool.
  void Show(IconTool tool);
  HWND Toolbar() const { return toolbar_; }

 private:
  BOOL OnInit();
  INT_PTR OnNotify(NMHDR* header);

  IconDocumentWindow& owner_;
  HWND toolbar_ = nullptr;
  ImageListHandle images_;
};

class IconSidePanel {
 public:
  explicit IconSidePanel(IconDocumentWindow& owner) : owner_(owner), tools_(owner) {}
  ~IconSidePanel();
  HWND hwnd = nullptr;

  bool Create(HWND documentWindow);
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // The image list holds one line per image with the current one selected;
  // delete is offered with two images or more, add while a format is missing.
  void Show(const IconDocState& doc);
  IconToolPalette& Tools() { return tools_; }

 private:
  void OnCommand(int id, int code);

  IconDocumentWindow& owner_;
  IconToolPalette tools_;
};

class IconColourBar {
 public:
  explicit IconColourBar(IconDocumentWindow& owner) : owner_(owner) {}
  ~IconColourBar();
  HWND hwnd = nullptr;

  bool Create(HWND documentWindow);
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Repaints the swatches and the two colours.
  void Show();

 private:
  BOOL OnInit();
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnClick(bool primary, int x, int y);
  void DrawSwatches(HDC dc);
  void DrawColours(HDC dc);

  IconDocumentWindow& owner_;
};

// The add-image dialog (259): the formats offered, in order; the chosen one
// or -1 (Cancel, or OK without a choice).
int AskIconImageFormat(HWND owner, const std::vector<int>& formats);
