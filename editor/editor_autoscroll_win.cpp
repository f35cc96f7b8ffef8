// The drag auto-scroll worker: while a mouse selection is dragged outside the
// text area it asks the window every 70 ms to follow the pointer. The worker
// only reads the `autoScroll` flag and posts; the caret, the scroll bars and
// the text are touched on the GUI thread alone.
#include "editor/editor_view_win.h"

namespace {

constexpr DWORD kStepMs = 70;

struct WorkerArgs {
  HWND editor;
  std::atomic<int>* flag;
};

DWORD WINAPI AutoScrollWorker(void* p) {
  WorkerArgs args = *static_cast<WorkerArgs*>(p);
  delete static_cast<WorkerArgs*>(p);
  while (args.flag->load() == 1) {
    PostMessageA(args.editor, WM_USER + 80, kAutoScrollStep, 0);
    Sleep(kStepMs);
  }
  return 0;
}

void WaitForWorker(EditorView& view) {
  if (!view.autoScrollThread) return;
  // The worker never waits for this thread, so it ends within one step.
  WaitForSingleObject(view.autoScrollThread, INFINITE);
  CloseHandle(view.autoScrollThread);
  view.autoScrollThread = nullptr;
}

}  // namespace

void StartAutoScroll(TextDocument& doc) {
  EditorView* view = ViewOf(doc);
  if (!view || doc.autoScroll.load() == 1) return;
  WaitForWorker(*view);  // a worker told to stop may still be sleeping
  doc.autoScroll = 1;
  auto* args = new WorkerArgs{view->hwnd, &doc.autoScroll};
  view->autoScrollThread = CreateThread(nullptr, 0, AutoScrollWorker, args, 0, nullptr);
  if (!view->autoScrollThread) {
    delete args;
    doc.autoScroll = 0;
  }
}

void StopAutoScroll(TextDocument& doc) { doc.autoScroll = 0; }

void JoinAutoScroll(TextDocument& doc) {
  doc.autoScroll = 0;
  if (EditorView* view = ViewOf(doc)) WaitForWorker(*view);
}

void AutoScrollStep(HWND editor) {
  DocumentSlot* slot = SlotOfEditor(editor);
  if (!slot) return;
  TextDocument& doc = *slot->text;
  if (doc.autoScroll.load() != 1 || GetCapture() != editor) return;
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(editor, &p);
  const ViewPos pos = PositionAt(editor, doc, p.x, p.y);
  doc.caretCol = pos.col;
  doc.caretRow = pos.row;
  EditorView& view = *ViewOf(doc);
  if (!view.EnsureCaretVisible(true, false)) view.Repaint();
  view.UpdateCaret(false);
}
