// The colour bar of an icon document (dialog 247): sixteen swatches and the
// transparent one, the primary colour over the secondary one, and clicks that
// choose them. Colours are read from the image's palette, never from the screen.
#include <windows.h>
#include <windowsx.h>

#include "iconedit/icon_document_win.h"
#include "iconedit/icon_panels_win.h"
#include "iconedit/icon_view_geometry.h"
#include "platform/window_object_win.h"
#include "resources/ids.h"
#include "shell/app_win.h"

namespace {

constexpr int kSwatchesWidth = 149, kSwatchesHeight = 28;  // two rows of eight and the transparent swatch
constexpr int kColoursSide = 26;
constexpr int kLeft = 8, kTop = 10, kGap = 16;

// A framed square of a colour; the transparent marker gets its diagonal.
void Swatch(HDC dc, const RECT& r, COLORREF colour) {
  SelectGuard pen(dc, GetStockObject(BLACK_PEN));
  SelectGuard brush(dc, GetStockObject(DC_BRUSH));
  SetDCBrushColor(dc, colour);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  if (colour == TransparentMarker) {
    MoveToEx(dc, r.left, r.top, nullptr);
    LineTo(dc, r.right, r.bottom);
  }
}

}  // namespace

IconColourBar::~IconColourBar() { DestroyObjectWindow(hwnd, true); }

bool IconColourBar::Create(HWND documentWindow) {
  if (!g_app.resLib) return false;
  CreateDialogParamA(g_app.resLib.get(), MAKEINTRESOURCEA(IDD_ICON_COLOURBAR), documentWindow,
                     ObjectDialogProc<IconColourBar>, reinterpret_cast<LPARAM>(this));
  if (!hwnd) return false;
  ShowWindow(hwnd, SW_SHOWNA);
  return true;
}

INT_PTR IconColourBar::HandleMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: return OnInit();
    case WM_DRAWITEM: OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case WM_LBUTTONDOWN: OnClick(true, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return TRUE;
    case WM_RBUTTONDOWN: OnClick(false, GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return TRUE;
  }
  return FALSE;
}

// The two painted controls get exactly the size of what is drawn in them,
// whatever the dialog font makes of the template's units.
BOOL IconColourBar::OnInit() {
  SetWindowPos(GetDlgItem(hwnd, IDC_ICON_COLOURS), nullptr, kLeft, kTop - 2, kColoursSide, kColoursSide,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(GetDlgItem(hwnd, IDC_ICON_SWATCHES), nullptr, kLeft + kColoursSide + kGap, kTop, kSwatchesWidth,
               kSwatchesHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

void IconColourBar::Show() {
  if (!hwnd) return;
  InvalidateRect(GetDlgItem(hwnd, IDC_ICON_SWATCHES), nullptr, TRUE);
  InvalidateRect(GetDlgItem(hwnd, IDC_ICON_COLOURS), nullptr, TRUE);
}

void IconColourBar::OnDrawItem(const DRAWITEMSTRUCT& item) {
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (item.CtlID == IDC_ICON_SWATCHES) DrawSwatches(item.hDC);
  if (item.CtlID == IDC_ICON_COLOURS) DrawColours(item.hDC);
}

void IconColourBar::DrawSwatches(HDC dc) {
  const std::array<COLORREF, 16> colours = IconSwatchColours(CurrentIconImage(owner_.State()));
  for (int i = 0; i < 16; ++i) Swatch(dc, ColourBarSwatchRect(i), colours[static_cast<size_t>(i)]);
  Swatch(dc, ColourBarSwatchRect(kColourBarTransparent), TransparentMarker);
}

void IconColourBar::DrawColours(HDC dc) {
  const IconDocState& doc = owner_.State();
  Swatch(dc, RECT{10, 10, 23, 23}, doc.secondaryColour);
  Swatch(dc, RECT{3, 3, 16, 16}, doc.primaryColour);
}

void IconColourBar::OnClick(bool primary, int x, int y) {
  RECT swatches;
  GetWindowRect(GetDlgItem(hwnd, IDC_ICON_SWATCHES), &swatches);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&swatches), 2);
  COLORREF colour = 0;
  if (ColourBarPick(owner_.State(), x - swatches.left, y - swatches.top, colour)) owner_.ChooseColour(primary, colour);
}
