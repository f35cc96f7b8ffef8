// Registration of every window class, in the order the program relies on.
#include "assist/completion_list_win.h"
#include "assist/hint_window_win.h"
#include "editor/editor_view_win.h"
#include "editor/text_document_window_win.h"
#include "iconedit/icon_document_win.h"
#include "iconedit/icon_view_win.h"
#include "shell/app_win.h"
#include "shell/frame_win.h"
#include "shell/window_procs_win.h"

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
    case kToolBrush: return g_app.toolBrush.get();
    case kBlack: return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    case kGray: return static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    default: return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  }
}

const ClassEntry kClasses[] = {
    {ObjectWindowProc<FrameWindow>, "Wrenfold", kBtnFace, kDoubleClicks},
    {ObjectWindowProc<TextDocumentWindow>, "MDIClientWindow_TextEdit", kWhite, kDoubleClicks},
    {ObjectWindowProc<HintWindow>, "MethodCheckWindow", kWhite, kDoubleClicks},
    {RadDocWindowProc, "MDIClientWindow_Rad", kWhite, kDoubleClicks},
    {RadToolsWndProc, "RadToolsWindow", kToolBrush, kDoubleClicks},
    {RadPropertyWndProc, "RadPropertyWindow", kToolBrush, kDoubleClicks},
    {RadWndProc, "RadWindow", kNullBrush, kDoubleClicks},
    {TestWndProc, "TestWindow", kToolBrush, kDoubleClicks},
    {MenuDocWindowProc, "MDIClientWindow_Menu", kWhite, kDoubleClicks},
    {RadPropertyWndProc, "MenuEditWindow", kToolBrush, kDoubleClicks},
    {ObjectWindowProc<IconDocumentWindow>, "MDIClientWindow_IconEdit", kToolBrush, kDoubleClicks},
    {ObjectWindowProc<IconEditView>, "IconEditWindowProc", kWhite, 0},
    {ProjectViewWndProc, "ProjectView", kToolBrush, kDoubleClicks},
    {ProjectToolWndProc, "ProjectView_ToolWindow", kToolBrush, kDoubleClicks},
    {ObjectWindowProc<EditorView>, "TextEditor", kNullBrush, kDoubleClicks | kIBeam},
    {ObjectWindowProc<CompletionList>, "ComplementWindow", kBlack, kDoubleClicks},
    {PreviewWndProc, "PreviewWindow", kGray, kDoubleClicks},
    {WebResultWndProc, "WebResult", kBtnFace, kDoubleClicks},
    {OneTabWndProc, "OneTab", kBtnFace, kDoubleClicks},
    {ResultListWndProc, "ResultList", kBtnFace, kDoubleClicks},
    {ObjectWindowProc<Ruler>, "Ruler", kBtnFace, kDoubleClicks},
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
