// e2e_helper: what end-to-end tests cannot do from X. It prints the screen
// rectangles of the running Quillet's child windows, so that tests can click
// what X does not see (under Wine only top-level windows are X windows), and
// puts text on the clipboard the way a Windows program does.
//
//   e2e_helper class NAME     every visible descendant of the frame of that class
//   e2e_helper id N           every visible descendant with that control id
//   e2e_helper toolbar CMD    the button of a toolbar with that command
//   e2e_helper top TITLE      every visible top-level window of that title
//   e2e_helper clip FILE      the UTF-8 text of FILE on the clipboard as Unicode text
//
// One line per window: "left top width height hwnd". Exit code 1 when none.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Query {
  std::string kind;
  std::string value;
  std::vector<HWND> found;
};

void Print(HWND w, const RECT& r) {
  std::printf("%ld %ld %ld %ld %p\n", r.left, r.top, r.right - r.left, r.bottom - r.top, static_cast<void*>(w));
}

BOOL CALLBACK Child(HWND w, LPARAM lp) {
  auto& q = *reinterpret_cast<Query*>(lp);
  if (q.kind == "class") {
    char cls[128] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (q.value == cls) q.found.push_back(w);
  } else if (q.kind == "id" || q.kind == "toolbar") {
    char cls[128] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (q.kind == "id" && GetDlgCtrlID(w) == std::atoi(q.value.c_str())) q.found.push_back(w);
    if (q.kind == "toolbar" && std::strcmp(cls, TOOLBARCLASSNAMEA) == 0) q.found.push_back(w);
  }
  return TRUE;
}

BOOL CALLBACK Top(HWND w, LPARAM lp) {
  auto& q = *reinterpret_cast<Query*>(lp);
  char title[512] = {};
  GetWindowTextA(w, title, sizeof title);
  if (IsWindowVisible(w) && q.value == title) q.found.push_back(w);
  return TRUE;
}

// A toolbar button's rectangle: the toolbar lives in another process, so the
// RECT it fills must be in that process's memory.
bool ToolbarButton(HWND toolbar, int command, RECT& out) {
  DWORD pid = 0;
  GetWindowThreadProcessId(toolbar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return false;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  bool ok = false;
  if (remote) {
    if (SendMessageA(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(remote))) {
      SIZE_T read = 0;
      ok = ReadProcessMemory(process, remote, &out, sizeof out, &read) && read == sizeof out;
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  if (ok) MapWindowPoints(toolbar, nullptr, reinterpret_cast<POINT*>(&out), 2);
  return ok;
}

}  // namespace

// The clipboard gets the file's text as CF_UNICODETEXT; the system offers it
// to ANSI programs as CF_TEXT in their code page.
int PutOnClipboard(const char* file) {
  FILE* f = std::fopen(file, "rb");
  if (!f) return 1;
  std::string utf8;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) utf8.append(buf, n);
  std::fclose(f);
  const int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (static_cast<size_t>(wide) + 1) * sizeof(wchar_t));
  if (!block) return 1;
  auto* w = static_cast<wchar_t*>(GlobalLock(block));
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w, wide);
  w[wide] = L'\0';
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return 1;
  }
  EmptyClipboard();
  const bool ok = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  CloseClipboard();
  if (!ok) GlobalFree(block);
  return ok ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: e2e_helper class|id|toolbar|top|clip VALUE\n");
    return 2;
  }
  if (std::strcmp(argv[1], "clip") == 0) return PutOnClipboard(argv[2]);
  Query q{argv[1], argv[2], {}};
  if (q.kind == "top") {
    EnumWindows(Top, reinterpret_cast<LPARAM>(&q));
    for (HWND w : q.found) {
      RECT r;
      GetWindowRect(w, &r);
      Print(w, r);
    }
    return q.found.empty() ? 1 : 0;
  }
  HWND frame = FindWindowA("Wrenfold", nullptr);
  if (!frame) {
    std::fprintf(stderr, "e2e_helper: no Quillet frame\n");
    return 1;
  }
  EnumChildWindows(frame, Child, reinterpret_cast<LPARAM>(&q));
  int printed = 0;
  for (HWND w : q.found) {
    RECT r;
    if (q.kind == "toolbar") {
      if (!ToolbarButton(w, std::atoi(q.value.c_str()), r)) continue;
    } else {
      if (!IsWindowVisible(w)) continue;
      GetWindowRect(w, &r);
    }
    Print(w, r);
    ++printed;
  }
  return printed ? 0 : 1;
}
