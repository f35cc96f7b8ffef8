#pragma once
// Helpers of the Wine tests: program directories, child processes, windows.
#include <windows.h>

#include <string>
#include <vector>

// Folder of the test program: a complete program directory (Quillet.exe, Ancillar, Theme...).
std::string TestProgramDir();
// A fresh empty folder under the system temporary directory (with trailing backslash).
std::string MakeTempFolder(const char* tag);
// Copies the test program directory to a new temporary folder, leaving out the
// files named in `omit` (paths relative to the program directory).
std::string CopyProgramDir(const std::vector<std::string>& omit);
void RemoveTree(const std::string& dir);
// Names of the entries of a folder (without "." and "..").
std::vector<std::string> ListFolder(const std::string& dir);
// UTF-8 text (as in our source files) to Shift-JIS.
std::string Utf8ToSjis(const std::string& utf8);
std::string ReadTestFile(const std::string& path);

// Quillet.exe started from a program directory, with its own temporary folder.
struct ChildProgram {
  PROCESS_INFORMATION info{};
  std::string tempDir;
  // workingDir empty: the program directory.
  bool Start(const std::string& programDir, const std::string& arguments = std::string(),
             const std::string& workingDir = std::string());
  // The first visible top-level window of the process with this class (or any class when null).
  HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 15000) const;
  // Waits for the process to end; false on timeout.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode);
  void Kill();
  ~ChildProgram();
};

// Pumps messages of this thread for about `ms` milliseconds.
void PumpMessages(DWORD ms);

// A dialog of this thread with this caption, or null: tests run two at a
// time on one display, and the other one's dialogs are not ours to answer.
HWND FindThreadDialog(const char* caption);

// Makes the top-level window of `window` the foreground window and waits
// until the system says it is (the focus belongs to the foreground thread
// only); false when that did not happen in time.
bool WaitForForeground(HWND window, DWORD timeoutMs = 3000);
