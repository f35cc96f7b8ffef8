// The icon view's window: painting from the view bitmap with the selection
// and drag previews over it, and the mouse and keys handed to the tools.
#include "iconedit/icon_view_win.h"

#include <windowsx.h>

#include "iconedit/icon_document_win.h"
#include "iconedit/icon_selection.h"
#include "iconedit/icon_view_geometry.h"
#include "iconedit/icon_view_paint_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"

namespace {

constexpr int kViewBitmapWidth = 600;
constexpr int kViewBitmapHeight = 400;

HCURSOR LibraryCursor(int id) {
  HCURSOR cursor = g_app.resLib ? LoadCursorA(g_app.resLib.get(), MAKEINTRESOURCEA(id)) : nullptr;
  return cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
}

HCURSOR CursorOf(IconCursor cursor) {
  switch (cursor) {
    case IconCursor::kCross: return LoadCursor(nullptr, IDC_CROSS);
    case IconCursor::kSizeAll: return LoadCursor(nullptr, IDC_SIZEALL);
    case IconCursor::kPen: return LibraryCursor(IDC_ICON_PEN);
    case IconCursor::kFill: return LibraryCursor(IDC_ICON_FILL);
    default: return LoadCursor(nullptr, IDC_ARROW);
  }
}

}  // namespace

IconEditView::IconEditView(IconDocumentWindow& owner) : owner_(owner) {}

IconEditView::~IconEditView() { DestroyObjectWindow(hwnd); }

bool IconEditView::Create(HWND documentWindow) {
  WindowDC screen(nullptr);
  bitmap_ = std::make_unique<MemoryDC>(screen.get(), kViewBitmapWidth, kViewBitmapHeight);
  CreateWindowExA(WS_EX_CLIENTEDGE, "IconEditWindowProc", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, documentWindow,
                  nullptr, g_app.instance, this);
  if (!hwnd) return false;
  Redraw();
  return true;
}

LRESULT IconEditView::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(IconButton::kLeft, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_RBUTTONDOWN: OnButtonDown(IconButton::kRight, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONUP: OnButtonUp(IconButton::kLeft, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_RBUTTONUP: OnButtonUp(IconButton::kRight, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(lp)) return TRUE;
      break;
    case WM_KEYDOWN: OnKeyDown(wp); return 0;
  }
  return Default(msg, wp, lp);
}

void IconEditView::Redraw() {
  if (bitmap_ && *bitmap_) {
    HDC dc = bitmap_->get();
    RECT all{0, 0, kViewBitmapWidth, kViewBitmapHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconImage(dc, CurrentIconImage(owner_.State()));
  }
  if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

void IconEditView::OnPaint() {
  PaintDC paint(hwnd);
  RECT client;
  GetClientRect(hwnd, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  // Composed off the screen so that a drag does not flicker.
  MemoryDC back(paint.get(), client.right, client.bottom);
  if (!back) return;
  HDC dc = back.get();
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const IconDocState& doc = owner_.State();
  const RECT area = IconViewPaintArea(IconWidth(CurrentIconImage(doc)));
  if (bitmap_ && *bitmap_) BitBlt(dc, 0, 0, area.right, area.bottom, bitmap_->get(), 0, 0, SRCCOPY);
  if (doc.selectionState == IconSelectionState::kFloatingSelection) DrawFloatingPixels(dc, doc);
  const bool buttonDown = drag_.button != IconButton::kNone;
  if (doc.selectionState == IconSelectionState::kMarked ||
      (doc.selectionState == IconSelectionState::kFloatingSelection && !buttonDown))
    DrawSelectionFrame(dc, doc.selection);
  if (buttonDown) {
    const IconDragPreview preview = PreviewOfIconDrag(doc, drag_);
    DrawDragPreview(dc, preview);
    if (preview.band) DrawSelectionBand(dc, preview.bandRect);
  }
  BitBlt(paint.get(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

void IconEditView::OnButtonDown(IconButton button, int x, int y) {
  if (!IconButtonDown(owner_.State(), drag_, button, x, y)) return;
  SetFocus(hwnd);
  SetCapture(hwnd);
  ShowCursorAt(x, y);
  owner_.AfterChange();
}

void IconEditView::OnMouseMove(int x, int y) {
  if (drag_.button == IconButton::kNone) return;
  const IconPoint before = drag_.last;
  IconPointerMove(owner_.State(), drag_, x, y);
  if (drag_.last == before) return;
  if (owner_.State().tool == IconTool::kPen) {
    Redraw();
  } else {
    InvalidateRect(hwnd, nullptr, FALSE);
  }
}

void IconEditView::OnButtonUp(IconButton button, int x, int y) {
  if (drag_.button == IconButton::kNone || button != drag_.button) return;
  IconButtonUp(owner_.State(), drag_, button, x, y);
  if (GetCapture() == hwnd) ReleaseCapture();
  owner_.AfterChange();
}

// The capture taken away in the middle of a drag (another window, a message
// box): the drag ends without writing its shape.
void IconEditView::OnCaptureChanged() {
  if (drag_.button == IconButton::kNone) return;
  drag_ = IconDrag{};
  owner_.AfterChange();
}

bool IconEditView::OnSetCursor(LPARAM lp) {
  if (LOWORD(lp) != HTCLIENT) return false;
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  ShowCursorAt(p.x, p.y);
  return true;
}

void IconEditView::ShowCursorAt(int x, int y) { SetCursor(CursorOf(IconCursorAt(owner_.State(), drag_, x, y))); }

void IconEditView::OnKeyDown(WPARAM key) {
  if (key != VK_ESCAPE || owner_.State().selectionState != IconSelectionState::kFloatingSelection) return;
  DiscardFloatingSelection(owner_.State());
  owner_.AfterChange();
}
