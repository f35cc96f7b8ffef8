#include "shell/ancillary_dll_win.h"

#include "files/paths.h"

std::string ModuleDirectory(HMODULE module) {
  char path[MAX_PATH] = {0};
  DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  return PathDirectory(std::string_view(path, n));
}

HMODULE LoadAncillaryDll(const std::string& programDir, const char* name) {
  std::string dir = programDir.empty() ? ModuleDirectory(nullptr) : programDir;
  if (!dir.empty() && !EndsWithSeparator(dir)) dir += '\\';
  const std::string path = dir + "Ancillar\\" + name;
  return LoadLibraryA(path.c_str());
}

bool ExportsAll(HMODULE module, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (!GetProcAddress(module, name)) return false;
  }
  return true;
}
