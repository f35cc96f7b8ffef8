#include "shell/instance_handover_win.h"

#include <windows.h>

#include "files/file_io_win.h"
#include "files/paths.h"
#include "shell/command_line.h"
#include "shell/open_request.h"

namespace {

// A running instance answers at once; one that hangs must not hold this one.
constexpr UINT kHandOverTimeoutMs = 10000;

// False only when the frame's program surely lives in another directory
// (other programs' windows, such as test programs, are not disturbed).
bool MayBeOurs(DWORD process, const std::string& programDir) {
  HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  if (!h) return true;
  char image[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool known = QueryFullProcessImageNameA(h, 0, image, &size) != FALSE;
  CloseHandle(h);
  return !known || PathEqualsNoCase(PathDirectory(std::string_view(image, size)), programDir);
}

}  // namespace

std::vector<std::string> CommandLinePaths(const char* commandLine) {
  std::vector<std::string> paths;
  if (!commandLine || !*commandLine) return paths;
  char cwd[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);
  for (const std::string& token : SplitCommandLine(commandLine))
    paths.push_back(PathDiskForm(CompleteCommandLinePath(token, cwd)));
  return paths;
}

bool HandOverToRunningInstance(const std::vector<std::string>& paths, const std::string& programDir) {
  if (paths.empty()) return false;
  const std::string request = BuildOpenRequest(programDir, paths);
  COPYDATASTRUCT data{};
  data.dwData = kOpenRequestTag;
  data.cbData = static_cast<DWORD>(request.size());
  data.lpData = const_cast<char*>(request.data());
  for (HWND frame = FindWindowExA(nullptr, nullptr, "Wrenfold", nullptr); frame;
       frame = FindWindowExA(nullptr, frame, "Wrenfold", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    if (!MayBeOurs(process, programDir)) continue;
    // The running instance may bring itself to the front.
    AllowSetForegroundWindow(process);
    DWORD_PTR taken = FALSE;
    if (SendMessageTimeoutA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                            kHandOverTimeoutMs, &taken) &&
        taken == TRUE)
      return true;
  }
  return false;
}
