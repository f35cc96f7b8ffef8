// The shell's own commands: exit, view, tabs, help; the frame's command routing.
#include "shell/frame_commands_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "editor/text_document_window_win.h"
#include "files/open_save_win.h"
#include "files/paths.h"
#include "prefs/extension_list.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/menu_object_win.h"
#include "shell/clipboard_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/message_box_win.h"
#include "shell/rebar_win.h"
#include "shell/tab_bar_win.h"

namespace {

constexpr const char* kHomePage = "https://quillet.jp/";


void SetTabColour(COLORREF colour) {
  const int slot = ActiveSlot();
  if (slot < 0) return;
  TabSetColour(g_app.docs.slots[slot].title, colour);
}

void ChooseCustomTabColour() {
  static const COLORREF kCustom[16] = {0xFFFFFF, 0x000000, 0x808080, 0xC0C0C0, 0x000080, 0x0000FF, 0x008080, 0x00FFFF,
                                       0x008000, 0x00FF00, 0x808000, 0xFFFF00, 0x800000, 0xFF0000, 0x800080, 0xFF00FF};
  COLORREF custom[16];
  std::copy(kCustom, kCustom + 16, custom);
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = g_app.frame;
  cc.rgbResult = Frame().customTabColour;
  cc.lpCustColors = custom;
  cc.Flags = CC_FULLOPEN | CC_RGBINIT;
  if (!ChooseColorA(&cc)) return;
  Frame().customTabColour = cc.rgbResult;
  SetTabColour(cc.rgbResult);
}

void MoveToRecycleBin() {
  const int slot = ActiveSlot();
  if (slot < 0) return;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (s.path.empty()) return;
  std::string question = PathFileName(s.path) + " をごみ箱に移動して閉じます。よろしいですか？";
  if (QuilletMessageBox(g_app.frame, question.c_str(), "Quillet", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  std::string from = s.path;
  from.push_back('\0');  // double-NUL terminated list
  SHFILEOPSTRUCTA op{};
  op.hwnd = g_app.frame;
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  // Where there is no recycle bin the shell asks before deleting for good.
  op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_NOERRORUI;
  const int result = SHFileOperationA(&op);
  if (op.fAnyOperationsAborted) return;  // the user kept the file
  if (result != 0 || GetFileAttributesA(s.path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    // A locked or read-only file stays, and so does the document with its edits.
    const std::string failed = "\"" + PathFileName(s.path) + "\" をごみ箱に移動できませんでした。";
    QuilletMessageBox(g_app.frame, failed.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
    return;
  }
  if (s.document) s.document->ClearModified();
  SendMessageA(s.window, WM_CLOSE, 0, 0);
}

void CloseOthers() {
  const HWND current = ActiveDocumentWindow();
  for (DocumentSlot& s : g_app.docs.slots)
    if (s.InUse() && s.window != current) SendMessageA(s.window, WM_CLOSE, 0, 0);
}

void OpenFolder() {
  const int slot = ActiveSlot();
  if (slot < 0 || g_app.docs.slots[slot].path.empty()) return;
  std::string dir = PathDirectory(g_app.docs.slots[slot].path);
  ShellExecuteA(g_app.frame, "explore", dir.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ToggleProjectView() {
  FrameWindow& f = Frame();
  f.projectViewVisible = !f.projectViewVisible;
  HWND shown = g_app.settings.IsClipProjectView ? f.projectView : f.projectTool;
  if (shown) ShowWindow(shown, f.projectViewVisible ? SW_SHOW : SW_HIDE);
  if (!g_app.settings.IsClipProjectView && f.projectViewVisible && f.projectView) ShowWindow(f.projectView, SW_SHOW);
  if (g_app.mainMenu)
    CheckMenuItem(g_app.mainMenu->handle(), ID_VIEW_PROJECTVIEW,
                  MF_BYCOMMAND | (f.projectViewVisible ? MF_CHECKED : MF_UNCHECKED));
  FrameRelayout();
  ShowWindow(f.mdiClient, SW_SHOW);
}

void ToggleTopmost() {
  HMENU menu = g_app.mainMenu ? g_app.mainMenu->handle() : nullptr;
  const bool wasChecked = menu && (GetMenuState(menu, ID_VIEW_TOPMOST, MF_BYCOMMAND) & MF_CHECKED);
  SetWindowPos(g_app.frame, wasChecked ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  if (menu) CheckMenuItem(menu, ID_VIEW_TOPMOST, MF_BYCOMMAND | (wasChecked ? MF_UNCHECKED : MF_CHECKED));
}

void ToggleRightTurn() {
  g_app.settings.IsRightTurn = !g_app.settings.IsRightTurn;
  if (g_app.mainMenu)
    CheckMenuItem(g_app.mainMenu->handle(), ID_VIEW_RIGHTTURN,
                  MF_BYCOMMAND | (g_app.settings.IsRightTurn ? MF_CHECKED : MF_UNCHECKED));
  RelayoutAllTextDocuments();
}

void ShowAboutPlaceholder() {
  QuilletMessageBox(g_app.frame, "Quillet\nOrvenic ソースエディタ バージョン 1.0", "Quillet", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void CommandNotAvailable(UINT) {
  QuilletMessageBox(g_app.frame, "この機能は、このバージョンではまだ使用できません。", "Quillet",
                    MB_OK | MB_ICONINFORMATION);
}

void OnFrameCommand(UINT id, UINT code, HWND control) {
  if (control && RebarCommand(id, code, control)) return;
  DispatchCommand(id);
}

bool HandleShellCommand(UINT id) {
  switch (id) {
    case ID_CLOSE_WEBPANE:
      Frame().webPaneShown = false;
      FrameRelayout();
      return true;
    case ID_FILE_EXIT: SendMessageA(g_app.frame, WM_CLOSE, 0, 0); return true;
    case ID_HELP_ABOUT: ShowAboutPlaceholder(); return true;
    case ID_HELP_TOPICS: {
      std::string page = g_app.ProgramDir + "Topics\\index.html";
      ShellExecuteA(g_app.frame, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
      return true;
    }
    case ID_HELP_HOMEPAGE: ShellExecuteA(g_app.frame, "open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL); return true;
    case ID_VIEW_PROJECTVIEW: ToggleProjectView(); return true;
    case ID_VIEW_TOPMOST: ToggleTopmost(); return true;
    case ID_VIEW_RIGHTTURN: ToggleRightTurn(); return true;
    case ID_TAB_RECYCLE: MoveToRecycleBin(); return true;
    case ID_TAB_COPYPATH: {
      const int slot = ActiveSlot();
      if (slot >= 0 && !g_app.docs.slots[slot].path.empty()) PutTextOnClipboard(g_app.docs.slots[slot].path);
      return true;
    }
    case ID_TAB_CLOSEOTHERS: CloseOthers(); return true;
    case ID_TAB_OPENFOLDER: OpenFolder(); return true;
    case ID_TABCOLOR_RED: SetTabColour(kTabColourRed); return true;
    case ID_TABCOLOR_GREEN: SetTabColour(kTabColourGreen); return true;
    case ID_TABCOLOR_BLUE: SetTabColour(kTabColourBlue); return true;
    case ID_TABCOLOR_YELLOW: SetTabColour(kTabColourYellow); return true;
    case ID_TABCOLOR_GREY: SetTabColour(kTabColourGrey); return true;
    case ID_TABCOLOR_WHITE: SetTabColour(kTabColourWhite); return true;
    case ID_TABCOLOR_CUSTOM: ChooseCustomTabColour(); return true;
  }
  return false;
}

bool HandleUnbuiltCommand(UINT id) {
  switch (id) {
    // Compile commands have states and help texts but no action in the frame.
    case ID_BUILD_DEBUGRUN: case ID_BUILD_RELEASE: case ID_BUILD_DEBUG:
      return true;
  }
  CommandNotAvailable(id);
  return true;
}

void ShowTabContextMenu() {
  HWND tabs = TabBarWindow();
  POINT screen;
  GetCursorPos(&screen);
  POINT p = screen;
  ScreenToClient(tabs, &p);
  TCHITTESTINFO hit{};
  hit.pt = p;
  const int index = TabCtrl_HitTest(tabs, &hit);
  if (index >= 0) {
    TabCtrl_SetCurSel(tabs, index);
    ActivateSelectedTab();
  }
  HMENU menu = g_app.menus.tab.sub;
  const int slot = ActiveSlot();
  if (!menu || slot < 0) return;
  const DocumentSlot& s = g_app.docs.slots[slot];
  std::string saveText = s.path.empty() ? "保存(&S)" : PathFileName(s.path) + " を保存(&S)";
  ModifyMenuA(menu, ID_FILE_SAVE, MF_BYCOMMAND | MF_STRING, ID_FILE_SAVE, saveText.c_str());
  const UINT state = MF_BYCOMMAND | (s.path.empty() ? MF_GRAYED : MF_ENABLED);
  EnableMenuItem(menu, ID_TAB_COPYPATH, state);
  EnableMenuItem(menu, ID_TAB_OPENFOLDER, state);
  EnableMenuItem(menu, ID_TAB_RECYCLE, state);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, g_app.frame, nullptr);
}
