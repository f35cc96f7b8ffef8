#pragma once
// Shared set-up of the assistance tests: a document typed into through its
// editor window with the completion list switched on.
#include <windows.h>

#include <string>

#include "app_fixture.h"
#include "assist/assist_test_access_win.h"
#include "shell/doc_windows_win.h"
#include "test_support.h"

class AssistFixture : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    g_app.settings.IsShowComplementWnd = 1;
    g_app.settings.BackNum_PairStatementComplement = 100;
  }
  // A new document holding `text`, the caret at its end and the focus in its editor.
  int Open(const std::string& text, DocumentKind kind = DocumentKind::kSource) {
    const int slot = NewDocument(text, kind);
    View(slot).SetSelection(Doc(slot).Length(), Doc(slot).Length(), false);
    SetFocus(Editor(slot));
    return slot;
  }
  void Type(int slot, const std::string& text) {
    for (char c : text) SendMessageA(Editor(slot), WM_CHAR, static_cast<unsigned char>(c), 0);
    PumpMessages(5);
  }
  void Key(int slot, UINT vk) {
    SendMessageA(Editor(slot), WM_KEYDOWN, vk, 0);
    PumpMessages(5);
  }
};

inline bool CompletionListOpen() { return CompletionListWindowForTest() != nullptr; }
inline void CloseCompletionList() {
  if (EditorView* view = EditorOf(ActiveSlot())) view->CloseAssistPopups();
}

// Keyboard focus never goes to the assistance popups. (Which window has
// it otherwise depends on other test programs sharing the display.)
inline void ExpectFocusOutsidePopups() {
  HWND focus = GetFocus();
  HWND list = CompletionListWindowForTest(), hint = HintWindowForTest();
  EXPECT_TRUE(focus == nullptr || (focus != list && focus != hint && !(list && IsChild(list, focus)))) << focus;
}
