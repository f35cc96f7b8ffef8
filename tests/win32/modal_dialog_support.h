#pragma once
// Driving the program's own modal dialogs from a test: a thread timer runs
// the test's steps inside the dialog's message loop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

using DialogSteps = std::function<void(HWND)>;

// Runs `open` (which shows modal dialogs owned by the frame, one after the
// other) and, as each dialog comes up, the next of `steps` on it; a dialog
// the steps left open is cancelled. Returns the first dialog's window (null
// when none came up).
HWND RunModalDialogs(const std::function<void()>& open, std::vector<DialogSteps> steps);
inline HWND RunModalDialog(const std::function<void()>& open, DialogSteps steps) {
  return RunModalDialogs(open, {std::move(steps)});
}

// Sets a control's text as typing would (the control reports EN_CHANGE).
void SetItemText(HWND dialog, int id, const std::string& text);
std::string GetItemText(HWND dialog, int id);
// A button click as the user makes it (BN_CLICKED to the dialog).
void ClickItem(HWND dialog, int id);
