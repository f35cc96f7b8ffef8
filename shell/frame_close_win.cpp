// The frame's close sequence and the store of its placement.
#include <vector>

#include "editor/editor_fonts_win.h"
#include "editor/text_document_window_win.h"
#include "search/match_list_dialog_win.h"
#include "search/search_dialogs_win.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_commands_win.h"
#include "shell/frame_win.h"
#include "project/project_session_win.h"
#include "shell/rebar_win.h"
#include "shell/tab_bar_win.h"

namespace {
FrameWindow& F() { return Frame(); }

// Document windows from the top of the MDI order.
std::vector<HWND> DocumentWindowsTopFirst() {
  std::vector<HWND> result;
  for (HWND w = GetWindow(F().mdiClient, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (g_app.docs.SlotOfWindow(w) >= 0) result.push_back(w);
  return result;
}
}  // namespace

void StoreWindowPlacement() {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(g_app.frame, &wp);
  if (wp.showCmd == SW_SHOWMAXIMIZED || IsZoomed(g_app.frame)) {
    g_app.settings.IsWindowMax = 1;
  } else if (!IsIconic(g_app.frame)) {
    g_app.settings.IsWindowMax = 0;
    GetWindowRect(g_app.frame, &g_app.settings.WindowRect);
  }
}

bool AskBeforeClosing() {
  if (F().compileView) SendMessageA(F().compileView, WM_COMMAND, 2, 0);
  if (HWND active = ActiveDocumentWindow()) g_app.settings.IsMDIZoomed = IsZoomed(active) ? 1 : 0;
  if (ProjectIsOpen() && !CloseProject()) return false;
  for (HWND w : DocumentWindowsTopFirst()) {
    int slot = g_app.docs.SlotOfWindow(w);
    if (slot >= 0 && !ConfirmSaveBeforeClose(slot)) return false;
  }
  return true;
}

void RunCloseSequence() {
  if (ClassViewScanRunning()) {
    RequestCloseAfterClassViewScan();
    return;
  }
  if (AskBeforeClosing()) FinishClosing();
}

void FinishClosing() {
  KillTimer(g_app.frame, kBackupTimer);
  if (F().projectTool) GetWindowRect(F().projectTool, &g_app.settings.ProjectViewRect);
  DestroyProjectViewWindows();
  DestroyRebar();
  DestroyTabBar();
  DestroyWebPane();
  F().matchList.reset();
  StoreWindowPlacement();
  for (int i = 0; i < DocumentTable::kSlots; ++i) {
    HWND w = g_app.docs.slots[i].window;
    if (!w) continue;
    FreeSlot(i);
    SendMessageA(F().mdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(w), 0);
  }
  if (F().nextClipboardViewer || GetClipboardViewer() == g_app.frame)
    ChangeClipboardChain(g_app.frame, F().nextClipboardViewer);
  ShutDown();
  DeleteEditorFonts();
  DestroyWindow(g_app.frame);
}
