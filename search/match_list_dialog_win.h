#pragma once
// The match list (126) as an object: a modeless dialog owned by the frame
// with one entry per matching line of one document.
#include <string>
#include <vector>

#include "platform/window_object_win.h"
#include "search/find_core.h"

class Document;

class MatchListDialog {
 public:
  MatchListDialog(int slot, const Document* target) : slot_(slot), target_(target) {}
  ~MatchListDialog();
  MatchListDialog(const MatchListDialog&) = delete;
  MatchListDialog& operator=(const MatchListDialog&) = delete;

  HWND hwnd = nullptr;
  INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Fills the list with what a search found and titles the window.
  void Fill(const MatchList& found, const std::string& text);

 private:
  void OnInit();
  void Layout(int width, int height);
  void Jump();

  int slot_;
  const Document* target_;     // the searched document, to tell whether it is still open
  std::vector<int> lineStarts_;  // per entry, at the time of the listing
};
