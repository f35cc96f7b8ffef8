#include "shell/ancillary_dll_win.h"

std::string ModuleDirectory(HMODULE module) {
  char path[MAX_PATH] = {0};
  DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string dir(path, n);
  // Scan by characters: a trail byte may be 0x5C.
  size_t cut = std::string::npos;
  for (size_t i = 0; i < dir.size(); ++i) {
    if (IsDBCSLeadByteEx(932, static_cast<BYTE>(dir[i])) && i + 1 < dir.size()) {
      ++i;
    } else if (dir[i] == '\\') {
      cut = i;
    }
  }
  return cut == std::string::npos ? std::string() : dir.substr(0, cut + 1);
}

HMODULE LoadAncillaryDll(const std::string& programDir, const char* name) {
  std::string dir = programDir.empty() ? ModuleDirectory(nullptr) : programDir;
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  const std::string path = dir + "Ancillar\\" + name;
  return LoadLibraryA(path.c_str());
}

bool ExportsAll(HMODULE module, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (!GetProcAddress(module, name)) return false;
  }
  return true;
}
