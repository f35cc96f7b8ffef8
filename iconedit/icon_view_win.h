#pragma once
// The zoomed drawing view of an icon document (class IconEditWindowProc): the
// actual-size preview at the top left, the zoomed cells from x = 100, and the
// mouse driving the tools. The pixels come from the model alone; the view
// bitmap is only what gets copied to the screen.
#include <memory>

#include "iconedit/icon_tools.h"
#include "platform/handles_win.h"
#include "platform/window_object_win.h"

class IconDocumentWindow;

class IconEditView : public WindowObject<IconEditView, DefaultProc::kWindow> {
 public:
  explicit IconEditView(IconDocumentWindow& owner);
  ~IconEditView();

  bool Create(HWND documentWindow);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // Clears the view bitmap and draws every pixel of the current image into
  // it, then repaints the window.
  void Redraw();
  const IconDrag& Drag() const { return drag_; }

 private:
  void OnPaint();
  void OnButtonDown(IconButton button, int x, int y);
  void OnMouseMove(int x, int y);
  void OnButtonUp(IconButton button, int x, int y);
  void OnCaptureChanged();
  bool OnSetCursor(LPARAM lp);
  void OnKeyDown(WPARAM key);
  void ShowCursorAt(int x, int y);

  IconDocumentWindow& owner_;
  IconDrag drag_;
  std::unique_ptr<MemoryDC> bitmap_;  // the view bitmap, 600 x 400
};
