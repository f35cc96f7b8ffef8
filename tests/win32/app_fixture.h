#pragma once
// The program's state started in the test process: start-up, window classes
// and the frame (shown), ready for documents; torn down through the frame's
// own close sequence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_view_win.h"
#include "editor/text_document_window_win.h"
#include "shell/app_win.h"

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new text document holding `text` (Shift-JIS, CR LF); returns its slot.
  int NewDocument(const std::string& text = std::string(), DocumentKind kind = DocumentKind::kText);
  DocumentSlot& Slot(int slot) { return g_app.docs.slots[slot]; }
  EditableText& Editable(int slot) { return *g_app.docs.slots[slot].Text(); }
  TextDocument& Doc(int slot) { return Editable(slot).doc; }
  EditorView& View(int slot) { return *EditorOf(slot); }
  HWND Editor(int slot) { return EditorOf(slot)->hwnd; }

 private:
  std::string privateDir_;
};

// Answers every message box with `answer` and records its texts (null: answer IDOK).
struct MessageBoxRecorder {
  explicit MessageBoxRecorder(int answer);
  ~MessageBoxRecorder();
  std::vector<std::string> texts;
  std::vector<std::string> captions;
  std::vector<unsigned> types;  // buttons and icon (MB_...)
  std::vector<int> answers;  // answers given in order; when it runs out, `answer` is used
  int answer;
};

// Brings the document of a slot to the top and runs a command of the
// frame's table, as the menu would.
void ActivateAndDispatch(int slot, UINT id);

// Runs f with the thread's key state saying Shift is down.
template <typename F>
void WithShiftDown(F f) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE before = keys[VK_SHIFT];
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  f();
  keys[VK_SHIFT] = before;
  SetKeyboardState(keys);
}
