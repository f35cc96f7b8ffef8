#include "test_support.h"

#include <cstdio>

std::string TestProgramDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string MakeTempFolder(const char* tag) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  char name[MAX_PATH + 64];
  std::snprintf(name, sizeof name, "%squillet_test_%s_%lu_%d\\", temp, tag, GetCurrentProcessId(), ++counter);
  RemoveTree(name);
  CreateDirectoryA(name, nullptr);
  return name;
}

namespace {
void CopyTree(const std::string& from, const std::string& to, const std::string& rel,
              const std::vector<std::string>& omit) {
  CreateDirectoryA((to + rel).c_str(), nullptr);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((from + rel + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = fd.cFileName;
    if (name == "." || name == "..") continue;
    std::string item = rel + name;
    bool skip = false;
    for (const std::string& o : omit) skip = skip || lstrcmpiA(o.c_str(), item.c_str()) == 0;
    if (skip || name == "UserSetting") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from, to, item + "\\", omit);
    } else if (name.size() < 4 || lstrcmpiA(name.c_str(), "win32_tests.exe") != 0) {
      CopyFileA((from + item).c_str(), (to + item).c_str(), FALSE);
    }
  } while (FindNextFileA(h, &fd));
  FindClose(h);
}
}  // namespace

std::string CopyProgramDir(const std::vector<std::string>& omit) {
  std::string to = MakeTempFolder("prog");
  CopyTree(TestProgramDir(), to, "", omit);
  return to;
}

void RemoveTree(const std::string& dir) {
  std::string d = dir;
  if (!d.empty() && d.back() != '\\') d += '\\';
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((d + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(d + name);
      } else {
        SetFileAttributesA((d + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA((d + name).c_str());
      }
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(d.c_str());
}

std::vector<std::string> ListFolder(const std::string& dir) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = fd.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  return names;
}

std::string Utf8ToSjis(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), static_cast<int>(utf8.size()), &w[0], n);
  int m = WideCharToMultiByte(932, 0, w.c_str(), n, nullptr, 0, nullptr, nullptr);
  std::string out(m, '\0');
  WideCharToMultiByte(932, 0, w.c_str(), n, &out[0], m, nullptr, nullptr);
  return out;
}

std::string ReadTestFile(const std::string& path) {
  std::string out;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return out;
  DWORD size = GetFileSize(f, nullptr);
  out.resize(size);
  DWORD read = 0;
  if (size) ReadFile(f, &out[0], size, &read, nullptr);
  out.resize(read);
  CloseHandle(f);
  return out;
}

bool ChildProgram::Start(const std::string& programDir, const std::string& arguments, const std::string& workingDir) {
  tempDir = MakeTempFolder("tmp");
  // A private temporary folder: the program's recovery directory lands there.
  std::string env;
  for (const char* e = GetEnvironmentStringsA(); e && *e; e += lstrlenA(e) + 1) {
    if (_strnicmp(e, "TMP=", 4) == 0 || _strnicmp(e, "TEMP=", 5) == 0) continue;
    env.append(e).push_back('\0');
  }
  env.append("TMP=" + tempDir.substr(0, tempDir.size() - 1)).push_back('\0');
  env.append("TEMP=" + tempDir.substr(0, tempDir.size() - 1)).push_back('\0');
  env.push_back('\0');
  std::string command = "\"" + programDir + "Quillet.exe\" " + arguments;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  const std::string& cwd = workingDir.empty() ? programDir : workingDir;
  return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, &env[0], cwd.c_str(), &si, &info) != FALSE;
}

namespace {
struct FindArgs {
  DWORD pid;
  const char* className;
  const char* title;
  HWND found;
};
BOOL CALLBACK FindProc(HWND w, LPARAM lp) {
  auto* a = reinterpret_cast<FindArgs*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != a->pid || !IsWindowVisible(w)) return TRUE;
  char cls[256] = {}, title[256] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, title, sizeof title);
  if (a->className && lstrcmpA(cls, a->className) != 0) return TRUE;
  if (a->title && lstrcmpA(title, a->title) != 0) return TRUE;
  a->found = w;
  return FALSE;
}
}  // namespace

HWND ChildProgram::WaitForWindow(const char* className, const char* title, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    FindArgs a{info.dwProcessId, className, title, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&a));
    if (a.found) return a.found;
    if (WaitForSingleObject(info.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

bool ChildProgram::WaitExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!info.hProcess || WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(info.hProcess, exitCode);
  return true;
}

void ChildProgram::Kill() {
  if (info.hProcess && WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
  }
}

ChildProgram::~ChildProgram() {
  Kill();
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  if (!tempDir.empty()) RemoveTree(tempDir);
}

void PumpMessages(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < ms) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
}

namespace {
struct DialogSearch {
  const char* caption;
  HWND found;
};
BOOL CALLBACK MatchDialog(HWND w, LPARAM lp) {
  auto* search = reinterpret_cast<DialogSearch*>(lp);
  char cls[16] = {}, caption[256] = {};
  GetClassNameA(w, cls, sizeof cls);
  GetWindowTextA(w, caption, sizeof caption);
  if (std::string(cls) != "#32770" || std::string(caption) != search->caption) return TRUE;
  search->found = w;
  return FALSE;
}
}  // namespace

HWND FindThreadDialog(const char* caption) {
  DialogSearch search{caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitForForeground(HWND window, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  SetForegroundWindow(window);
  while (GetForegroundWindow() != GetAncestor(window, GA_ROOT)) {
    if (GetTickCount() - start >= timeoutMs) return false;
    PumpMessages(10);
    SetForegroundWindow(window);
  }
  return true;
}
