// Window objects: the object is found through its window for every message,
// an exception never leaves a window procedure, and a window whose object has
// gone gets default handling.
#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

#include "app_fixture.h"
#include "platform/window_object_win.h"
#include "test_support.h"

namespace {

constexpr UINT kThrowOutOfMemory = WM_APP + 1;
constexpr UINT kThrowOther = WM_APP + 2;
constexpr UINT kAnswer = WM_APP + 3;

class Probe : public WindowObject<Probe, DefaultProc::kWindow> {
 public:
  int created = 0;
  int answered = 0;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE: ++created; return 0;
      case kThrowOutOfMemory: throw std::bad_alloc();
      case kThrowOther: throw std::runtime_error("x");
      case kAnswer: ++answered; return 42;
    }
    return Default(msg, wp, lp);
  }
};

class WindowObjects : public AppFixture {};

TEST_F(WindowObjects, MessagesReachTheObjectAndExceptionsBecomeTheMessage) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ObjectWindowProc<Probe>;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "QuilletProbe";
  RegisterClassExA(&wc);
  Probe probe;
  HWND w = CreateWindowExA(0, "QuilletProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, &probe);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(probe.hwnd, w);
  EXPECT_EQ(probe.created, 1);
  EXPECT_EQ(SendMessageA(w, kAnswer, 0, 0), 42);
  {
    MessageBoxRecorder boxes(IDOK);
    // The message gets its default result (0 for an unknown message).
    EXPECT_EQ(SendMessageA(w, kThrowOutOfMemory, 0, 0), 0);
    EXPECT_EQ(SendMessageA(w, kThrowOther, 0, 0), 0);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], "メモリが不足しているため、操作を完了できませんでした。");
    EXPECT_EQ(boxes.captions[0], "Quillet");
    EXPECT_EQ(boxes.texts[1], "内部エラーのため、操作を完了できませんでした。");
  }
  // Once the object has let go of its window, the window answers by default.
  DetachWindow(w);
  EXPECT_EQ(SendMessageA(w, kAnswer, 0, 0), 0);
  EXPECT_EQ(probe.answered, 1);
  DestroyWindow(w);
  UnregisterClassA("QuilletProbe", wc.hInstance);
}

}  // namespace
