// Window classes whose subsystem is not built yet: registered so that the
// class table is complete, painting nothing and doing only default handling.
#include "shell/window_procs_win.h"

namespace {
LRESULT CALLBACK Plain(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }
LRESULT CALLBACK MdiChild(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefMDIChildProcA(w, m, wp, lp); }
}  // namespace

LRESULT CALLBACK RadDocWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return MdiChild(w, m, wp, lp); }
LRESULT CALLBACK RadToolsWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK RadPropertyWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK RadWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK TestWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK MenuDocWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return MdiChild(w, m, wp, lp); }
LRESULT CALLBACK ProjectViewWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK ProjectToolWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK PreviewWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK WebResultWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK OneTabWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK ResultListWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
LRESULT CALLBACK SideWebWndProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return Plain(w, m, wp, lp); }
