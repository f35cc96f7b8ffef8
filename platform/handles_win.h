#pragma once
// Owners of Win32 handles: each frees its handle once, when it goes out of
// scope or is reset, and can be moved but not copied.
#include <windows.h>
#include <commctrl.h>

#include <utility>

// A handle type H freed by Free::operator(); Invalid is its "none" value.
template <typename H, typename Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(H h) : h_(h) {}
  OwnedHandle(OwnedHandle&& o) noexcept : h_(o.release()) {}
  OwnedHandle& operator=(OwnedHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { reset(); }

  H get() const { return h_; }
  explicit operator bool() const { return h_ != H(); }
  H release() { return std::exchange(h_, H()); }
  void reset(H h = H()) {
    if (h_ != H() && h_ != h) Free()(h_);
    h_ = h;
  }

 private:
  H h_ = H();
};

struct GdiFree {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct IconFree {
  void operator()(HICON h) const { DestroyIcon(h); }
};
struct MenuFree {
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct ModuleFree {
  void operator()(HMODULE h) const { FreeLibrary(h); }
};
struct KernelFree {
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct GlobalFreeFn {
  void operator()(HGLOBAL h) const { GlobalFree(h); }
};
struct DcDelete {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct HeapDestroyFn {
  void operator()(HANDLE h) const { HeapDestroy(h); }
};
struct ImageListFree {
  void operator()(HIMAGELIST h) const { ImageList_Destroy(h); }
};

template <typename T>
using GdiObject = OwnedHandle<T, GdiFree>;  // HFONT, HBRUSH, HPEN, HBITMAP, HRGN
using IconHandle = OwnedHandle<HICON, IconFree>;
using MenuHandle = OwnedHandle<HMENU, MenuFree>;
using ModuleHandle = OwnedHandle<HMODULE, ModuleFree>;
using GlobalMemory = OwnedHandle<HGLOBAL, GlobalFreeFn>;
using HeapHandle = OwnedHandle<HANDLE, HeapDestroyFn>;
using ImageListHandle = OwnedHandle<HIMAGELIST, ImageListFree>;

// A kernel handle: files give INVALID_HANDLE_VALUE on failure, threads and
// events null; both count as none.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  KernelHandle(KernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { reset(); }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = h == INVALID_HANDLE_VALUE ? nullptr : h;
  }
  // Closes now and says whether that succeeded (a write is only complete
  // once its handle closed without an error).
  bool Close() {
    const bool closed = h_ && CloseHandle(h_) != FALSE;
    h_ = nullptr;
    return closed;
  }

 private:
  HANDLE h_ = nullptr;
};

// An object selected into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// GetDC / ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
  ~PaintDC() { EndPaint(window_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const RECT& area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// An off-screen DC compatible with another, with a bitmap of the given size
// selected into it; the bitmap is deselected and freed with it.
class MemoryDC {
 public:
  MemoryDC(HDC like, int width, int height)
      : dc_(CreateCompatibleDC(like)), bitmap_(width > 0 && height > 0 ? CreateCompatibleBitmap(like, width, height)
                                                                       : nullptr) {
    if (dc_ && bitmap_) old_ = SelectObject(dc_, bitmap_.get());
  }
  ~MemoryDC() {
    if (old_) SelectObject(dc_, old_);
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ && old_; }

 private:
  HDC dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ old_ = nullptr;
};

// A DC compatible with another, without a bitmap of its own (to draw a
// bitmap selected into it).
class CompatibleDC {
 public:
  explicit CompatibleDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~CompatibleDC() {
    if (dc_) DeleteDC(dc_);
  }
  CompatibleDC(const CompatibleDC&) = delete;
  CompatibleDC& operator=(const CompatibleDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// GlobalLock / GlobalUnlock.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory) : memory_(memory), p_(memory ? GlobalLock(memory) : nullptr) {}
  ~GlobalLockGuard() {
    if (p_) GlobalUnlock(memory_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  void* get() const { return p_; }

 private:
  HGLOBAL memory_;
  void* p_;
};
