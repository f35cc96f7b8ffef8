#pragma once
// Windows and dialogs as objects. The object pointer goes in through the
// creation parameter (lpCreateParams; for MDI children the MDICREATESTRUCT's
// lParam; for dialogs the init parameter), is stored with the window at
// WM_NCCREATE / WM_INITDIALOG and found again for every later message, which
// goes to the object's HandleMessage: one flat switch of one-line forwards.
// Nothing escapes a window procedure: an exception becomes the out-of-memory
// (or failure) message and the message gets its default handling.
#include <windows.h>
#include <commctrl.h>

#include <new>

// Reports an exception that reached a window procedure (defined by the shell).
void ReportEscapedException(HWND window, bool outOfMemory) noexcept;

// Runs f into result; false, with the exception reported, when it threw.
template <typename R, typename F>
bool Guarded(HWND window, F&& f, R& result) noexcept {
  try {
    result = f();
    return true;
  } catch (const std::bad_alloc&) {
    ReportEscapedException(window, true);
  } catch (...) {
    ReportEscapedException(window, false);
  }
  return false;
}

// How a window gets default handling.
enum class DefaultProc { kWindow, kMdiChild, kFrame };

// Base of window objects. T provides LRESULT HandleMessage(UINT, WPARAM, LPARAM),
// which calls Default for what it leaves to the system; a frame (kFrame) also
// provides HWND mdiClient. The window's procedure is ObjectWindowProc<T>.
template <typename T, DefaultProc D>
class WindowObject {
 public:
  static constexpr DefaultProc kDefault = D;
  HWND hwnd = nullptr;

  static LRESULT DefaultFor(T* self, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if constexpr (D == DefaultProc::kMdiChild) return DefMDIChildProcA(w, msg, wp, lp);
    else if constexpr (D == DefaultProc::kFrame) return DefFrameProcA(w, self ? self->mdiClient : nullptr, msg, wp, lp);
    else return DefWindowProcA(w, msg, wp, lp);
  }

 protected:
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefaultFor(static_cast<T*>(this), hwnd, msg, wp, lp); }
};

// The window procedure of objects of type T. The object outlives its window,
// or calls DetachWindow before it goes; later messages get default handling.
template <typename T>
LRESULT CALLBACK ObjectWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  T* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    if constexpr (T::kDefault == DefaultProc::kMdiChild) {
      auto* mdi = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
      self = mdi ? reinterpret_cast<T*>(mdi->lParam) : nullptr;
    } else {
      self = static_cast<T*>(cs->lpCreateParams);
    }
    SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd = w;
  } else {
    self = reinterpret_cast<T*>(GetWindowLongPtrA(w, GWLP_USERDATA));
  }
  if (!self) return T::DefaultFor(nullptr, w, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(w, GWLP_USERDATA, 0);
    self->hwnd = nullptr;
    return T::DefaultFor(self, w, msg, wp, lp);
  }
  LRESULT result = 0;
  if (Guarded(w, [&] { return self->HandleMessage(msg, wp, lp); }, result)) return result;
  return T::DefaultFor(self, w, msg, wp, lp);
}

// Forgets the window's object: later messages get default handling. For an
// object that goes before its window.
inline void DetachWindow(HWND w) {
  if (w && IsWindow(w)) SetWindowLongPtrA(w, GWLP_USERDATA, 0);
}
inline void DetachDialog(HWND w) {
  if (w && IsWindow(w)) SetWindowLongPtrA(w, DWLP_USER, 0);
}

// Destroys an object's window (or dialog) from the object's destructor: the
// window lets go of the object first, so its last messages get default
// handling.
inline void DestroyObjectWindow(HWND& w, bool dialog = false) {
  if (!w) return;
  HWND h = w;
  w = nullptr;
  if (dialog)
    DetachDialog(h);
  else
    DetachWindow(h);
  DestroyWindow(h);
}

// The dialog procedure of objects of type T, which provides HWND hwnd (set
// here) and INT_PTR HandleMessage(UINT, WPARAM, LPARAM) returning what a dialog
// procedure returns. The dialog is made with DialogBoxParam or
// CreateDialogParam and the object's address as parameter.
template <typename T>
INT_PTR CALLBACK ObjectDialogProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  T* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<T*>(lp);
    SetWindowLongPtrA(w, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    if (self) self->hwnd = w;
  } else {
    self = reinterpret_cast<T*>(GetWindowLongPtrA(w, DWLP_USER));
  }
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(w, DWLP_USER, 0);
    self->hwnd = nullptr;
    return FALSE;
  }
  INT_PTR result = FALSE;
  if (Guarded(w, [&] { return self->HandleMessage(msg, wp, lp); }, result)) return result;
  return FALSE;
}

// A subclassed control's procedure that forwards to an object: T provides
// LRESULT HandleSubclassed(HWND, UINT, WPARAM, LPARAM) and calls
// DefSubclassProc for the rest. Install with SetWindowSubclass(control,
// ObjectSubclassProc<T>, id, reinterpret_cast<DWORD_PTR>(object)).
template <typename T>
LRESULT CALLBACK ObjectSubclassProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  T* self = reinterpret_cast<T*>(data);
  if (!self) return DefSubclassProc(w, msg, wp, lp);
  LRESULT result = 0;
  if (Guarded(w, [&] { return self->HandleSubclassed(w, msg, wp, lp); }, result)) return result;
  return DefSubclassProc(w, msg, wp, lp);
}
