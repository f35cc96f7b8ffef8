// The rebar: document list box, main toolbar, platform selector and web-search box.
#include "shell/rebar_win.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "files/paths.h"
#include "resources/ids.h"
#include "shell/app_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/status_text.h"

namespace {

FrameWindow& F() { return Frame(); }

RebarParts& Parts() { return Frame().rebarParts; }

struct Tooltip {
  UINT command;
  const char* text;
};
const Tooltip kTooltips[] = {
    {ID_FILE_NEW, "新規作成 (Ctrl+N)"},     {ID_FILE_OPEN, "開く (Ctrl+O)"},          {ID_FILE_SAVE, "保存 (Ctrl+S)"},
    {ID_FILE_SAVEALL, "すべて保存"},          {ID_EDIT_CUT, "切り取り (Ctrl+X)"},       {ID_EDIT_COPY, "コピー (Ctrl+C)"},
    {ID_EDIT_PASTE, "貼り付け (Ctrl+V)"},     {ID_EDIT_UNDO, "元に戻す (Ctrl+Z)"},      {ID_EDIT_REDO, "やり直し (Ctrl+Y)"},
    {ID_SEARCH_FIND, "検索 (Ctrl+F)"},        {ID_BUILD_DEBUGRUN, "デバッグ実行 (F2)"}, {ID_BUILD_RELEASE, "リリース コンパイル (F7)"},
    {ID_BUILD_DEBUG, "デバッグ コンパイル (F4)"},
};

// Image index -> command; 0 is a separator.
const int kButtons[][2] = {{0, ID_FILE_NEW},  {-1, 0},         {1, ID_FILE_OPEN},  {2, ID_FILE_SAVE},
                           {3, ID_FILE_SAVEALL}, {-1, 0},      {4, ID_EDIT_CUT},   {5, ID_EDIT_COPY},
                           {6, ID_EDIT_PASTE}, {-1, 0},        {7, ID_EDIT_UNDO},  {8, ID_EDIT_REDO},
                           {-1, 0},          {9, ID_SEARCH_FIND}};

HIMAGELIST LoadStrip(int id) {
  if (!g_app.resLib) return nullptr;
  return ImageList_LoadImageA(g_app.resLib.get(), MAKEINTRESOURCEA(id), 16, 0, RGB(0xC0, 0xC0, 0xC0), IMAGE_BITMAP,
                              LR_CREATEDIBSECTION);
}

HWND MakeToolbar(HWND parent) {
  HWND tb = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                            WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                                CCS_NOPARENTALIGN,
                            0, 0, 0, 0, parent, nullptr, g_app.instance, nullptr);
  SendMessageA(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  Parts().images.reset(LoadStrip(IDB_TOOLBAR));
  Parts().hotImages.reset(LoadStrip(IDB_TOOLBAR_HOT));
  SendMessageA(tb, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Parts().images.get()));
  SendMessageA(tb, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(Parts().hotImages.get()));
  SendMessageA(tb, TB_SETBUTTONWIDTH, 0, MAKELPARAM(20, 20));
  for (const auto& b : kButtons) {
    TBBUTTON button{};
    button.iBitmap = b[0] < 0 ? 6 : b[0];
    button.idCommand = b[1];
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = b[0] < 0 ? BTNS_SEP : BTNS_BUTTON;
    SendMessageA(tb, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
  return tb;
}

HWND MakeCombo(DWORD style, int listHeight) {
  HWND combo = CreateWindowExA(0, WC_COMBOBOXA, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, 0, 0, 100, listHeight,
                               F().rebar, nullptr, g_app.instance, nullptr);
  SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.UiFont.get()), FALSE);
  return combo;
}

bool RunningUnderWow64() {
  BOOL wow = FALSE;
  using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto fn = reinterpret_cast<IsWow64ProcessFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  return fn && fn(GetCurrentProcess(), &wow) && wow;
}

// The child window of a band ID, created on first use.
HWND BandChild(int id) {
  switch (id) {
    case 1:
      if (!F().docList) F().docList = MakeCombo(CBS_DROPDOWNLIST, 120);
      return F().docList;
    case 2:
      if (!Parts().pager) {
        Parts().pager = CreateWindowExA(0, WC_PAGESCROLLERA, nullptr, WS_CHILD | WS_VISIBLE | PGS_HORZ, 0, 0, 0, 0,
                                        F().rebar, nullptr, g_app.instance, nullptr);
        Parts().toolbar = MakeToolbar(Parts().pager);
        SendMessageA(Parts().pager, PGM_SETCHILD, 0, reinterpret_cast<LPARAM>(Parts().toolbar));
      }
      return Parts().pager;
    case 3:
      if (!Parts().empty)
        Parts().empty = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, F().rebar, nullptr,
                                        g_app.instance, nullptr);
      return Parts().empty;
    case 4:
      if (!Parts().platform) {
        Parts().platform = MakeCombo(CBS_DROPDOWNLIST, 120);
        SendMessageA(Parts().platform, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Win32"));
        if (RunningUnderWow64()) SendMessageA(Parts().platform, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Win64"));
        SendMessageA(Parts().platform, CB_SETCURSEL,
                     g_app.project.IsOpen() ? BoxIndexOfPlatform(g_app.project.platform) : 0, 0);
      }
      return Parts().platform;
    case 5:
      if (!Parts().webBox) {
        Parts().webBox = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL, 120);
        SendMessageA(Parts().webBox, CB_LIMITTEXT, 8192, 0);
        for (const std::string& entry : g_app.settings.webHistory)
          if (!entry.empty()) SendMessageA(Parts().webBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
      }
      return Parts().webBox;
  }
  return nullptr;
}

const char* BandLabel(int id) {
  if (id == 1) return "File:";
  if (id == 5) return "WebSearch(F5):";
  return "";
}

void InsertBand(const RebarBand& band) {
  HWND child = BandChild(band.id);
  if (!child) return;
  REBARBANDINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_STYLE | RBBIM_TEXT | RBBIM_ID;
  info.fStyle = RBBS_CHILDEDGE | (g_app.settings.IsNoGripper ? RBBS_NOGRIPPER : 0) | (band.flags ? RBBS_BREAK : 0);
  info.lpText = const_cast<char*>(BandLabel(band.id));
  info.hwndChild = child;
  info.cxMinChild = 20;
  info.cyMinChild = 21;
  info.cx = band.width;
  info.wID = band.id;
  SendMessageA(F().rebar, RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
}

int FindTitle(const std::string& title) {
  if (!F().docList) return -1;
  const int n = static_cast<int>(SendMessageA(F().docList, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    char text[MAX_PATH + 8] = {};
    if (SendMessageA(F().docList, CB_GETLBTEXTLEN, i, 0) >= static_cast<LRESULT>(sizeof text)) continue;
    SendMessageA(F().docList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    if (PathEqualsNoCase(text, title)) return i;
  }
  return -1;
}

}  // namespace

void CreateRebar(HWND frame) {
  F().rebar = CreateWindowExA(WS_EX_TOOLWINDOW, REBARCLASSNAMEA, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | RBS_VARHEIGHT |
                                  RBS_BANDBORDERS | RBS_AUTOSIZE | CCS_NODIVIDER,
                              0, 0, 0, 0, frame, nullptr, g_app.instance, nullptr);
  if (!F().rebar) return;
  SendMessageA(F().rebar, WM_SETFONT, reinterpret_cast<WPARAM>(g_app.fonts.UiFont.get()), FALSE);
  for (const RebarBand& band : g_app.settings.RebarBands) {
    if (band.id == 0) break;
    InsertBand(band);
  }
}

void DestroyRebar() {
  if (!F().rebar) return;
  // The layout the user arranged is kept in the settings.
  const int count = static_cast<int>(SendMessageA(F().rebar, RB_GETBANDCOUNT, 0, 0));
  std::array<RebarBand, 5> layout{};
  for (int i = 0; i < count && i < 5; ++i) {
    REBARBANDINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_ID | RBBIM_SIZE | RBBIM_STYLE;
    SendMessageA(F().rebar, RB_GETBANDINFOA, i, reinterpret_cast<LPARAM>(&info));
    layout[i] = RebarBand{static_cast<int>(info.wID), static_cast<int>(info.cx), (info.fStyle & RBBS_BREAK) ? 1 : 0};
  }
  g_app.settings.RebarBands = layout;
  DestroyWindow(F().rebar);
  F().rebar = nullptr;
  F().docList = nullptr;
  Parts() = RebarParts();  // frees the image lists
  ForgetAppliedCommandStates();
}

const char* ToolbarTooltip(UINT command) {
  for (const Tooltip& t : kTooltips)
    if (t.command == command) return t.text;
  return nullptr;
}

LRESULT RebarNotify(NMHDR* nm) {
  switch (nm->code) {
    case TTN_NEEDTEXTA: {
      auto* tt = reinterpret_cast<NMTTDISPINFOA*>(nm);
      const UINT command = static_cast<UINT>(nm->idFrom);
      if (const char* text = ToolbarTooltip(command)) tt->lpszText = const_cast<char*>(text);
      const char* help = CommandHelpText(command);
      RefreshStatusBar(help ? help : "");
      return 0;
    }
    case PGN_CALCSIZE: {
      auto* calc = reinterpret_cast<NMPGCALCSIZE*>(nm);
      if (calc->dwFlag == PGF_CALCWIDTH) calc->iWidth = 262;
      return 0;
    }
    case PGN_SCROLL: reinterpret_cast<NMPGSCROLL*>(nm)->iScroll = 20; return 0;
  }
  return 0;
}

bool RebarCommand(UINT, UINT code, HWND control) {
  if (control && control == F().docList) {
    if (code == CBN_SELCHANGE) {
      const int i = static_cast<int>(SendMessageA(F().docList, CB_GETCURSEL, 0, 0));
      char text[MAX_PATH + 8] = {};
      if (i >= 0 && SendMessageA(F().docList, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text)) {
        SendMessageA(F().docList, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        ActivateDocumentByTitle(text);
      }
    }
    return true;
  }
  if (control && (control == Parts().platform)) {
    if (code == CBN_SELCHANGE) {
      const int i = static_cast<int>(SendMessageA(Parts().platform, CB_GETCURSEL, 0, 0));
      g_app.compilerName = i == 1 ? "Tarnwick64.exe" : "Tarnwick.exe";
    }
    return true;
  }
  return control && control == Parts().webBox;
}

int PlatformBoxIndex() {
  return Parts().platform ? static_cast<int>(SendMessageA(Parts().platform, CB_GETCURSEL, 0, 0)) : -1;
}

void SelectPlatformBox(int index) {
  if (!Parts().platform) return;
  SendMessageA(Parts().platform, CB_SETCURSEL, index, 0);
  g_app.compilerName = PlatformBoxIndex() == 1 ? "Tarnwick64.exe" : "Tarnwick.exe";
}

void ToolbarEnable(UINT command, bool enabled) {
  if (Parts().toolbar) SendMessageA(Parts().toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

void DocListAdd(const std::string& title) {
  if (F().docList) SendMessageA(F().docList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

void DocListRemove(const std::string& title) {
  const int i = FindTitle(title);
  if (i < 0) return;
  const bool selected = SendMessageA(F().docList, CB_GETCURSEL, 0, 0) == i;
  SendMessageA(F().docList, CB_DELETESTRING, i, 0);
  // The box must not go on showing a document that is gone.
  if (selected) SendMessageA(F().docList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void DocListRename(const std::string& oldTitle, const std::string& newTitle) {
  const int i = FindTitle(oldTitle);
  if (i < 0) return;
  const bool selected = SendMessageA(F().docList, CB_GETCURSEL, 0, 0) == i;
  SendMessageA(F().docList, CB_DELETESTRING, i, 0);
  SendMessageA(F().docList, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(newTitle.c_str()));
  if (selected) SendMessageA(F().docList, CB_SETCURSEL, i, 0);
}

void DocListSelect(const std::string& title) {
  const int i = FindTitle(title);
  if (i >= 0) SendMessageA(F().docList, CB_SETCURSEL, i, 0);
}

void SetWebSearchBoxText(const std::string& text) {
  if (Parts().webBox) SetWindowTextA(Parts().webBox, text.c_str());
}

void SendWebSearchEnter() {
  if (!Parts().webBox) return;
  // The edit field inside the drop-down combo box receives the Enter.
  HWND edit = FindWindowExA(Parts().webBox, nullptr, "Edit", nullptr);
  SendMessageA(edit ? edit : Parts().webBox, WM_CHAR, '\r', 0);
}
