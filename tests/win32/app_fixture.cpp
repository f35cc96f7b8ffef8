#include "app_fixture.h"

#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"
#include "shell/frame_win.h"
#include "shell/message_box_win.h"
#include "test_support.h"

namespace {
MessageBoxRecorder* g_recorder = nullptr;

int RecordingBox(HWND, const char* text, const char* caption, unsigned type) {
  MessageBoxRecorder* r = g_recorder;
  r->texts.push_back(text ? text : "");
  r->captions.push_back(caption ? caption : "");
  r->types.push_back(type);
  const size_t i = r->texts.size() - 1;
  return i < r->answers.size() ? r->answers[i] : r->answer;
}
}  // namespace

MessageBoxRecorder::MessageBoxRecorder(int a) : answer(a) {
  g_recorder = this;
  SetQuilletMessageBoxHook(RecordingBox);
}

MessageBoxRecorder::~MessageBoxRecorder() {
  SetQuilletMessageBoxHook(nullptr);
  g_recorder = nullptr;
}

void AppFixture::SetUp() {
  ASSERT_TRUE(StartUp(GetModuleHandleA(nullptr)));
  // Start-up has read everything it needs from the program directory; what the
  // test writes there (settings at shutdown, pgm.tmp) goes to a private folder
  // so that tests running side by side never share files.
  privateDir_ = MakeTempFolder("appdir");
  g_app.ProgramDir = privateDir_;
  ASSERT_TRUE(RegisterWindowClasses());
  ASSERT_TRUE(CreateFrameWindow());
  ShowWindow(g_app.frame, SW_SHOWNORMAL);
  UpdateWindow(g_app.frame);
  PumpMessages(20);
}

void AppFixture::TearDown() {
  if (!g_app.frame || !IsWindow(g_app.frame)) {
    RemoveTree(privateDir_);
    return;
  }
  // Nothing is saved at the end of a test.
  for (DocumentSlot& s : g_app.docs.slots)
    if (s.document) s.document->ClearModified();
  MessageBoxRecorder noQuestions(IDNO);
  SendMessageA(g_app.frame, WM_CLOSE, 0, 0);
  PumpMessages(20);
  RemoveTree(privateDir_);
}

int AppFixture::NewDocument(const std::string& text, DocumentKind kind) {
  FileContent content;
  content.text = text;
  HWND w = CreateTextDocumentWindow(std::string(), kind, 0xE6E6E6, &content);
  if (!w) return -1;
  PumpMessages(10);
  return g_app.docs.SlotOfWindow(w);
}

void ActivateAndDispatch(int slot, UINT id) {
  HWND window = g_app.docs.slots[slot].window;
  if (window && ActiveDocumentWindow() != window)
    SendMessageA(FrameMdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
  DispatchCommand(id);
}
