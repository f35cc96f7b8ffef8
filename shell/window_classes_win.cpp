// Registration of every window class, in the order the program relies on.
#include "shell/app.h"
#include "shell/window_procs.h"

namespace {

enum : int { kDoubleClicks = 1, kIBeam = 2 };

struct ClassEntry {
  WNDPROC proc;
  const char* name;
  int brush;  // see BrushFor
  int flags;
};

enum : int { kBtnFace, kWhite, kToolBrush, kNullBrush, kBlack, kGray };

HBRUSH BrushFor(int which) {
  switch (which) {
    case kBtnFace: return reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    case kWhite: return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    case kToolBrush: return g_app.toolBrush;
    case kBlack: return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    case kGray: return static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    default: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
}

const ClassEntry kClasses[] = {
    {FrameWndProc, "Wrenfold", kBtnFace, kDoubleClicks},
    {TextDocWindowProc, "MDIClientWindow_TextEdit", kWhite, kDoubleClicks},
    {MethodCheckWndProc, "MethodCheckWindow", kWhite, kDoubleClicks},
    {RadDocWindowProc, "MDIClientWindow_Rad", kWhite, kDoubleClicks},
    {RadToolsWndProc, "RadToolsWindow", kToolBrush, kDoubleClicks},
    {RadPropertyWndProc, "RadPropertyWindow", kToolBrush, kDoubleClicks},
    {RadWndProc, "RadWindow", kNullBrush, kDoubleClicks},
    {TestWndProc, "TestWindow", kToolBrush, kDoubleClicks},
    {MenuDocWindowProc, "MDIClientWindow_Menu", kWhite, kDoubleClicks},
    {RadPropertyWndProc, "MenuEditWindow", kToolBrush, kDoubleClicks},
    {IconDocWindowProc, "MDIClientWindow_IconEdit", kToolBrush, kDoubleClicks},
    {IconEditWndProc, "IconEditWindowProc", kWhite, 0},
    {ProjectViewWndProc, "ProjectView", kToolBrush, kDoubleClicks},
    {ProjectToolWndProc, "ProjectView_ToolWindow", kToolBrush, kDoubleClicks},
    {TextEditorWndProc, "TextEditor", kNullBrush, kDoubleClicks | kIBeam},
    {ComplementWndProc, "ComplementWindow", kBlack, kDoubleClicks},
    {PreviewWndProc, "PreviewWindow", kGray, kDoubleClicks},
    {WebResultWndProc, "WebResult", kBtnFace, kDoubleClicks},
    {OneTabWndProc, "OneTab", kBtnFace, kDoubleClicks},
    {ResultListWndProc, "ResultList", kBtnFace, kDoubleClicks},
    {RulerWndProc, "Ruler", kBtnFace, kDoubleClicks},
    {SideWebWndProc, "SideWeb", kBtnFace, kDoubleClicks},
};

bool RegisterOne(WNDPROC proc, const char* name, HBRUSH brush, int flags) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = (flags & kDoubleClicks) ? CS_DBLCLKS : 0;
  wc.lpfnWndProc = proc;
  wc.hInstance = g_app.instance;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.hIconSm = LoadIcon(nullptr, IDI_WINLOGO);
  wc.hCursor = LoadCursor(nullptr, (flags & kIBeam) ? IDC_IBEAM : IDC_ARROW);
  wc.hbrBackground = brush;
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

}  // namespace

bool RegisterWindowClasses() {
  for (const ClassEntry& c : kClasses)
    if (!RegisterOne(c.proc, c.name, BrushFor(c.brush), c.flags)) return false;
  return true;
}
