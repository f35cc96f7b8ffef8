#pragma once
// The parameter hint of one editor: the popup MethodCheckWindow below the
// caret, or the status bar's first pane, by the ParameterHint setting.
#include <string>

#include "assist/parameter_hint.h"
#include "assist/popup_geometry.h"
#include "platform/window_object_win.h"

class EditorView;

class HintWindow : public WindowObject<HintWindow, DefaultProc::kWindow> {
 public:
  explicit HintWindow(EditorView& view);
  ~HintWindow();
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  // Runs the hint update for the caret (after a typed character or a caret
  // move) and shows, moves, redraws or closes the hint.
  void Update();
  // Closes the hint (window or status text) and forgets it.
  void Close();
  // True while a hint (window or status text) is shown.
  bool Shown() const { return state_.shown; }
  // Looks the hint's first word up in the help file.
  void Help();

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // ---- what tests read
  std::string Text() const { return state_.shown ? state_.text : std::string(); }
  // The bold piece of the shown hint, "" when no argument is bold.
  std::string BoldArgument() const;

 private:
  void Show();
  void ShowInWindow();
  HintLayout Layout(int maxRight) const;
  bool InHelpCorner(POINT client) const;
  void Paint(HDC dc);
  void OnHoverTimer();
  void OnLButtonDown(LPARAM lp);
  void OnDestroyed();

  EditorView& view_;
  HintState state_;
  HintLayout layout_;
  int maxRight_ = 0;  // wrapping limit, fixed when the window is created
  bool hot_ = false;  // the pointer is over the help corner
  bool inStatusBar_ = false;
};
