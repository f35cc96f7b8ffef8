#pragma once
// The main frame window (class Wrenfold): its object holds the frame's
// children and their state; one instance, in g_app.frameWindow.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/handles_win.h"
#include "platform/window_object_win.h"
#include "shell/command_states.h"
#include "shell/frame_layout.h"

class TabBar;
class MatchListDialog;

// The frame's timer that starts a backup every 10 seconds.
constexpr UINT_PTR kBackupTimer = 10;
constexpr UINT kBackupPeriod = 10000;

// The rebar's band children besides the document list box (rebar_win.cpp).
struct RebarParts {
  HWND toolbar = nullptr;
  HWND pager = nullptr;
  HWND platform = nullptr;
  HWND webBox = nullptr;
  HWND empty = nullptr;
  ImageListHandle images;
  ImageListHandle hotImages;
};

class FrameWindow : public WindowObject<FrameWindow, DefaultProc::kFrame> {
 public:
  FrameWindow();
  ~FrameWindow();
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Lays the children out again (tab bar height, panes, rebar changes).
  void Relayout();

  HWND mdiClient = nullptr;
  HWND statusBar = nullptr;
  HWND rebar = nullptr;
  HWND docList = nullptr;  // document list box in the rebar
  RebarParts rebarParts;
  std::unique_ptr<TabBar> tabs;
  HWND projectView = nullptr;
  HWND projectTool = nullptr;
  HWND webPane = nullptr;
  bool webPaneShown = false;
  bool projectViewVisible = false;
  HWND compileView = nullptr;
  HWND debuggerView = nullptr;
  HWND nextClipboardViewer = nullptr;
  SplitterKind splitterDrag = SplitterKind::kNone;
  int dragStartX = 0, dragStartY = 0, dragStartSize = 0;
  COLORREF customTabColour = 0xFFFFFF;
  // The modeless match list of the last "list all", or null.
  std::unique_ptr<MatchListDialog> matchList;
  // What the menus and toolbar were last given, so that a refresh touches
  // only the commands whose state changed.
  CommandStates appliedStates;
  CommandStates computedStates;  // storage of the next refresh
  // While a menu is open: the status text it covers (a parameter hint, a
  // count), shown for items without help and again when the menu closes.
  int caretPaneWidth = 100;  // measured in the status bar's font
  bool menuHelpShown = false;
  std::string textUnderMenu;
  // Files another instance handed over, opened once no dialog of ours is up.
  std::vector<std::string> handedOver;
  // Work that waits while a modal dialog or message box disables the frame.
  bool diskCheckWaiting = false;
  bool openWaiting = false;

 private:
  void OnCreate();
  void CreateChildren();
  FrameLayout CurrentLayout() const;
  bool ProjectViewDocked() const;
  SplitterKind SplitterAt(int x, int y) const;
  int* SplitterSetting(SplitterKind kind);
  void OnLButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnLButtonUp();
  LRESULT OnNotify(NMHDR* nm);
  void OnMenuSelect(UINT id, UINT flags);
  void OnClipboardChange(UINT msg, WPARAM wp, LPARAM lp);
  void OnDropFiles(HDROP drop);
  void OnDockedViewsGone();
  void OnTimer(WPARAM id);
  void OnActivate(WPARAM state);
  void OnEnable(bool enabled);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnCheckDiskFiles();
  void OnOpenHandedOver();
};

// The frame's object (there is always one once the frame exists).
FrameWindow& Frame();

bool CreateFrameWindow();
HWND FrameMdiClient();
HWND FrameStatusBar();
// Lays the children out again (tab bar height, panes, rebar changes).
void FrameRelayout();
void JoinClipboardChain();
// Image lists made by the toolbar and the project view; destroyed at shutdown.
void DestroyFrameImageLists();
// While a project is open every window-designer document offers the message to
// its property dialog; true when one took it.
bool DesignerPropertyDialogsTakeMessage(MSG* msg);
