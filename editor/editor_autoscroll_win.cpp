// The drag auto-scroll worker: while a mouse selection is dragged outside the
// text area it asks the window every 70 ms to follow the pointer. The worker
// only reads the flag and posts; the caret, the scroll bars and the text are
// touched on the GUI thread alone.
#include <memory>

#include "editor/editor_view_win.h"
#include "shell/messages_win.h"

namespace {

constexpr DWORD kStepMs = 70;

struct WorkerArgs {
  HWND editor;
  std::atomic<int>* flag;
};

DWORD WINAPI AutoScrollWorker(void* p) {
  const std::unique_ptr<WorkerArgs> args(static_cast<WorkerArgs*>(p));
  while (args->flag->load() == 1) {
    PostMessageA(args->editor, kMsgAutoScrollStep, 0, 0);
    Sleep(kStepMs);
  }
  return 0;
}

}  // namespace

void EditorView::WaitForAutoScroll() {
  if (!autoScrollThread_) return;
  // The worker never waits for this thread, so it ends within one step.
  WaitForSingleObject(autoScrollThread_.get(), INFINITE);
  autoScrollThread_.reset();
}

void EditorView::StartAutoScroll() {
  if (autoScroll_.load() == 1) return;
  WaitForAutoScroll();  // a worker told to stop may still be sleeping
  autoScroll_ = 1;
  auto args = std::make_unique<WorkerArgs>(WorkerArgs{hwnd, &autoScroll_});
  autoScrollThread_.reset(CreateThread(nullptr, 0, AutoScrollWorker, args.get(), 0, nullptr));
  if (autoScrollThread_)
    args.release();  // the worker owns them now
  else
    autoScroll_ = 0;
}

void EditorView::JoinAutoScroll() {
  autoScroll_ = 0;
  WaitForAutoScroll();
}

void EditorView::OnAutoScrollStep() {
  if (autoScroll_.load() != 1 || GetCapture() != hwnd) {
    UpdateCaret(false);  // what the message asks of a window that is not dragging
    return;
  }
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  const ViewPos pos = PositionAt(p.x, p.y);
  text_.doc.caretCol = pos.col;
  text_.doc.caretRow = pos.row;
  if (!EnsureCaretVisible(true, false)) Repaint();
  UpdateCaret(false);
}
