#pragma once
// The owner-painted tab bar above the MDI client: one tab per document,
// labelled with its title and coloured by its item data. The tab control is
// subclassed by its object, owned by the frame.
#include <string>

#include "platform/handles_win.h"
#include "platform/window_object_win.h"

class TabBar {
 public:
  TabBar() = default;
  ~TabBar();
  TabBar(const TabBar&) = delete;
  TabBar& operator=(const TabBar&) = delete;

  LRESULT HandleSubclassed(HWND w, UINT msg, WPARAM wp, LPARAM lp);

  HWND window = nullptr;
  GdiObject<HFONT> boldFont;
  int dragIndex = -1;  // tab being dragged, -1 when none

 private:
  void Paint(HWND w);
  void DragOver(POINT p);
  LRESULT OnLButtonDown(HWND w, UINT msg, WPARAM wp, LPARAM lp);
};

HWND CreateTabBar(HWND frame);
void DestroyTabBar();
HWND TabBarWindow();
// Height of the first tab's rectangle, 0 when there is no tab.
int TabBarHeight();

// colour -1 means kTabColourGrey.
void TabInsertFront(const std::string& title, COLORREF colour);
void TabRemove(const std::string& title);
void TabRename(const std::string& oldTitle, const std::string& newTitle);
// Shows or removes the modified mark after a tab's title.
void TabSetMarked(const std::string& title, bool marked);
COLORREF TabColour(const std::string& title);
void TabSetColour(const std::string& title, COLORREF colour);
void TabSelect(const std::string& title);
// Index of a title (case-insensitive), or -1.
int TabIndex(const std::string& title);
std::string TabTitleAt(int index);
int TabCount();
// Brings the document of the selected tab to the top.
void ActivateSelectedTab();
