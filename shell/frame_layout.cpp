#include "shell/frame_layout.h"

#include <algorithm>

FrameLayout ComputeFrameLayout(const FrameLayoutInput& in) {
  FrameLayout out;
  const int W = in.width, H = in.height;
  out.rebar = {0, 0, W, in.rebarHeight};
  const int T = in.rebarHeight;
  const int caret = std::max(in.caretPaneWidth, 100);
  const int ends[5] = {W - 240 - caret, W - 120 - caret, W - 120, W - 50, W};
  std::copy(ends, ends + 5, out.statusParts);
  const int S = in.statusHeight;
  const int D = in.debuggerDocked ? in.debuggerHeight + 5 : 0;
  const int C = in.compileDocked ? in.compileHeight + 5 : 0;
  const int L = in.projectViewDocked ? in.projectViewWidth + 5 : 0;
  const int R = in.webPaneShown ? in.webPaneWidth + 5 : 0;
  const int A = H - C - D - T - S;
  out.available = A;
  out.tabBar = {L, T, W - R - L, in.tabHeight};
  out.mdiClient = {L, T + in.tabHeight, W - R - L, A - in.tabHeight};
  out.webPane = in.webPaneShown ? LayoutRect{W - in.webPaneWidth, T, in.webPaneWidth, A} : LayoutRect{};
  out.projectView = in.projectViewDocked ? LayoutRect{0, T, in.projectViewWidth, A} : LayoutRect{};
  out.debuggerView = in.debuggerDocked ? LayoutRect{0, T + A + 5, W, in.debuggerHeight} : LayoutRect{};
  out.compileView = in.compileDocked ? LayoutRect{0, T + A + D + 5, W, in.compileHeight} : LayoutRect{};
  return out;
}

int ClampSplitterSize(SplitterKind kind, int startSize, int travel, int clientWidth, int clientHeight,
                      int compileHeight) {
  int size = startSize + travel;
  int lo = 0, hi = 0;
  switch (kind) {
    case SplitterKind::kProject:
    case SplitterKind::kWeb:
      lo = 100;
      hi = clientWidth - 100;
      break;
    case SplitterKind::kDebugger:
      lo = 60;
      hi = clientHeight - compileHeight - 100;
      break;
    case SplitterKind::kCompile:
      lo = 60;
      hi = clientHeight - 100;
      break;
    default:
      return startSize;
  }
  // The upper clamp is applied last so that a tiny window never yields a size above it.
  size = std::max(size, lo);
  size = std::min(size, hi);
  return size;
}

ScreenArea KeepOnScreen(const ScreenArea& window, const ScreenArea& work) {
  // The part of the caption the pointer must be able to reach.
  constexpr int kGrabWidth = 100, kGrabHeight = 30;
  const int visibleLeft = std::max(window.left, work.left), visibleRight = std::min(window.right, work.right);
  const bool captionVisible = visibleRight - visibleLeft >= std::min(kGrabWidth, window.Width()) &&
                              window.top >= work.top && window.top + kGrabHeight <= work.bottom;
  if (captionVisible || work.Width() <= 0 || work.Height() <= 0) return window;
  const int width = std::min(window.Width(), work.Width());
  const int height = std::min(window.Height(), work.Height());
  const int left = std::clamp(window.left, work.left, work.right - width);
  const int top = std::clamp(window.top, work.top, work.bottom - height);
  return ScreenArea{left, top, left + width, top + height};
}
