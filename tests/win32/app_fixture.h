#pragma once
// The program's state started in the test process: start-up, window classes
// and the frame (shown), ready for documents; torn down through the frame's
// own close sequence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/app.h"

class AppFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new text document holding `text` (Shift-JIS, CR LF); returns its slot.
  int NewDocument(const std::string& text = std::string(), int kind = kDocText);
  DocumentSlot& Slot(int slot) { return g_app.docs.slots[slot]; }
  TextDocument& Doc(int slot) { return *g_app.docs.slots[slot].text; }
  HWND Editor(int slot) { return g_app.docs.slots[slot].text->editor; }

 private:
  std::string privateDir_;
};

// Answers every message box with `answer` and records its texts (null: answer IDOK).
struct MessageBoxRecorder {
  explicit MessageBoxRecorder(int answer);
  ~MessageBoxRecorder();
  std::vector<std::string> texts;
  std::vector<std::string> captions;
  std::vector<int> answers;  // answers given in order; when it runs out, `answer` is used
  int answer;
};
