#include "search/regex_adapter.h"

#include "shell/message_box.h"

namespace {

HMODULE g_library = nullptr;
RegexApi g_api;

template <class T>
T Resolve(HMODULE m, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

std::string ExecutableDir() {
  char path[MAX_PATH] = {0};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
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

}  // namespace

bool LoadRegexLibrary(const std::string& programDir) {
  FreeRegexLibrary();
  std::string dir = programDir.empty() ? ExecutableDir() : programDir;
  if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
  const std::string path = dir + "Ancillar\\BREGEXP.DLL";
  HMODULE m = LoadLibraryA(path.c_str());
  if (!m) return false;
  RegexApi api;
  api.match = Resolve<BMatchProc>(m, "BMatch");
  api.subst = Resolve<BSubstProc>(m, "BSubst");
  api.regfree = Resolve<BRegfreeProc>(m, "BRegfree");
  api.matchEx = Resolve<BMatchExProc>(m, "BMatchEx");
  api.substEx = Resolve<BSubstExProc>(m, "BSubstEx");
  const bool complete = api.Usable() && GetProcAddress(m, "BTrans") && GetProcAddress(m, "BSplit") &&
                        GetProcAddress(m, "BRegexpVersion");
  if (!complete) {
    FreeLibrary(m);
    return false;
  }
  g_library = m;
  g_api = api;
  return true;
}

void FreeRegexLibrary() {
  g_api = RegexApi();
  if (g_library) FreeLibrary(g_library);
  g_library = nullptr;
}

const RegexApi& RegexLibrary() { return g_api; }

void ShowRegexError(HWND owner, const std::string& text) {
  QuilletMessageBox(owner, text.c_str(), "Quillet", MB_OK | MB_ICONWARNING);
}

SearchHit RegexMatch(HWND owner, const char* text, int len, int from, const std::string& pattern, bool matchCase) {
  SearchHit hit = RunRegexMatch(g_api, text, len, from, pattern, matchCase);
  if (hit.Error()) ShowRegexError(owner, hit.errorText);
  return hit;
}

int RegexSubstitute(HWND owner, const char* subject, int len, const std::string& pattern,
                    const std::string& replacement, bool matchCase, std::string& out) {
  std::string error;
  SearchStatus st = RunRegexSubstitute(g_api, subject, len, pattern, replacement, matchCase, out, error);
  if (st == SearchStatus::kError) {
    ShowRegexError(owner, error);
    return -1;
  }
  return st == SearchStatus::kFound ? 1 : 0;
}

SearchHit FindInTextReporting(HWND owner, const char* text, int len, int from, const std::string& needle,
                              bool matchCase, bool regex) {
  SearchHit hit = FindInText(text, len, from, needle, matchCase, regex, &g_api);
  if (hit.Error()) ShowRegexError(owner, hit.errorText);
  return hit;
}
