#include "assist/assist_test_access_win.h"

#include "assist/completion_list_win.h"
#include "assist/hint_window_win.h"
#include "editor/editor_view_win.h"
#include "editor/text_document_window_win.h"
#include "shell/doc_windows_win.h"

namespace {

// The popups of the active document's editor, when it has one.
EditorView* ActiveView() { return EditorOf(ActiveSlot()); }

}  // namespace

std::vector<std::string> CompletionListItemsForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().ItemTexts() : std::vector<std::string>();
}
int CompletionListSelectionForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().Selection() : -1;
}
int CompletionListImageForTest(int item) {
  EditorView* v = ActiveView();
  return v ? v->List().ImageOf(item) : -1;
}
HWND CompletionListWindowForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().hwnd : nullptr;
}
HWND CompletionListViewForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().ListView() : nullptr;
}
int CompletionListStartForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().StartByte() : 0;
}
int CompletionListTypedForTest() {
  EditorView* v = ActiveView();
  return v ? v->List().TypedLength() : 0;
}
std::string HintTextForTest() {
  EditorView* v = ActiveView();
  return v ? v->Hint().Text() : std::string();
}
std::string HintBoldArgumentForTest() {
  EditorView* v = ActiveView();
  return v ? v->Hint().BoldArgument() : std::string();
}
HWND HintWindowForTest() {
  EditorView* v = ActiveView();
  return v ? v->Hint().hwnd : nullptr;
}
