#pragma once
// Shared pieces of the icon editor's window tests: icon files written to a
// folder and opened as the user opens them, mouse messages posted to the view,
// the tool palette and the colour bar, and the model read back.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app_fixture.h"
#include "files/open_save_win.h"
#include "iconedit/icon_document_win.h"
#include "iconedit/icon_file.h"
#include "iconedit/icon_selection.h"
#include "iconedit/icon_view_geometry.h"
#include "iconedit/icon_view_win.h"
#include "resources/ids.h"
#include "test_support.h"
#include "tests/host/icon_test_support.h"

class IconWindow : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    dir_ = MakeTempFolder("icons");
  }
  void TearDown() override {
    AppFixture::TearDown();
    RemoveTree(dir_);
  }

  std::string WriteBytes(const std::string& name, const std::string& bytes) {
    const std::string path = dir_ + name;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return path;
  }
  // Opens a file of these images as File > Open does; the slot, or -1.
  int OpenIcon(const std::string& name, const std::vector<std::string>& blocks) {
    HWND w = OpenFileByPath(WriteBytes(name, icon_test::HandFile(blocks)));
    PumpMessages(10);
    return g_app.docs.SlotOfWindow(w);
  }
  // A transparent 16 x 16 16-colour image: its pictures are easy to write down.
  static std::string Clear16() {
    return icon_test::HandBlock(16, 4, icon_test::StandardPalette(), icon_test::Art(16, std::string(16, '.')));
  }

  IconDocumentWindow& Win(int slot) { return *IconWindowOf(slot); }
  IconDocState& State(int slot) { return Win(slot).State(); }
  HWND ViewOf(int slot) { return Win(slot).View()->hwnd; }
  icon_test::Art Picture(int slot) { return icon_test::ArtOf(CurrentIconImage(State(slot))); }
  std::string Row(int slot, int y) { return Picture(slot)[static_cast<size_t>(y)]; }

  // Mouse messages are sent, not queued: the queue also gets the moves of
  // the real pointer when another test's windows come and go under it.
  static void Post(HWND w, UINT msg, WPARAM keys, POINT p) { SendMessageA(w, msg, keys, MAKELPARAM(p.x, p.y)); }
  static POINT At(IconPoint cell) { return POINT{icon_test::CellX(cell.x), icon_test::CellY(cell.y)}; }
  // A press at the first point, moves through the others, release at the last.
  void Stroke(int slot, const std::vector<POINT>& points, bool right = false) {
    HWND view = ViewOf(slot);
    const UINT down = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, up = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    const WPARAM held = right ? MK_RBUTTON : MK_LBUTTON;
    Post(view, down, held, points.front());
    for (size_t i = 1; i < points.size(); ++i) Post(view, WM_MOUSEMOVE, held, points[i]);
    Post(view, up, 0, points.back());
  }
  void Cells(int slot, const std::vector<IconPoint>& cells, bool right = false) {
    std::vector<POINT> points;
    for (IconPoint c : cells) points.push_back(At(c));
    Stroke(slot, points, right);
  }
  // Clicks a button of the tool palette's toolbar.
  void ClickTool(int slot, IconTool tool) {
    HWND toolbar = GetDlgItem(Win(slot).ToolPaletteWindow(), 1);
    RECT r{};
    ASSERT_TRUE(SendMessageA(toolbar, TB_GETRECT, static_cast<WPARAM>(tool), reinterpret_cast<LPARAM>(&r)));
    const POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    Post(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, p);
    Post(toolbar, WM_LBUTTONUP, 0, p);
  }
  bool ToolChecked(int slot, IconTool tool) {
    HWND toolbar = GetDlgItem(Win(slot).ToolPaletteWindow(), 1);
    return SendMessageA(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(tool), 0) != 0;
  }
  // Clicks the colour bar at a point relative to its swatch control.
  void ClickColourBar(int slot, POINT inSwatches, bool right = false) {
    HWND bar = Win(slot).ColourBarWindow();
    RECT r;
    GetWindowRect(GetDlgItem(bar, IDC_ICON_SWATCHES), &r);
    MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&r), 2);
    const POINT p{r.left + inSwatches.x, r.top + inSwatches.y};
    Post(bar, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, p);
    Post(bar, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, p);
  }
  // The middle of swatch 0..15, or of the transparent one (16).
  static POINT Swatch(int swatch) {
    const RECT r = ColourBarSwatchRect(swatch);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  std::string ListLine(int slot, int index) {
    HWND list = GetDlgItem(Win(slot).SidePanelWindow(), IDC_ICON_IMAGES);
    char text[64] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  int ListCount(int slot) {
    return static_cast<int>(SendDlgItemMessageA(Win(slot).SidePanelWindow(), IDC_ICON_IMAGES, LB_GETCOUNT, 0, 0));
  }
  bool PanelButtonEnabled(int slot, int id) {
    return IsWindowEnabled(GetDlgItem(Win(slot).SidePanelWindow(), id)) != FALSE;
  }

  std::string dir_;
};
