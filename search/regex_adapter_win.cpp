#include "search/regex_adapter_win.h"

#include "platform/handles_win.h"
#include "shell/ancillary_dll_win.h"
#include "shell/message_box_win.h"

namespace {

// The loaded library and its entry points, from start-up to shutdown.
ModuleHandle g_library;
RegexApi g_api;

}  // namespace

bool LoadRegexLibrary(const std::string& programDir) {
  FreeRegexLibrary();
  HMODULE m = LoadAncillaryDll(programDir, "BREGEXP.DLL");
  if (!m) return false;
  RegexApi api;
  api.match = AncillaryProc<BMatchProc>(m, "BMatch");
  api.subst = AncillaryProc<BSubstProc>(m, "BSubst");
  api.regfree = AncillaryProc<BRegfreeProc>(m, "BRegfree");
  api.matchEx = AncillaryProc<BMatchExProc>(m, "BMatchEx");
  api.substEx = AncillaryProc<BSubstExProc>(m, "BSubstEx");
  const bool complete = api.Usable() && ExportsAll(m, {"BTrans", "BSplit", "BRegexpVersion"});
  ModuleHandle owned(m);
  if (!complete) return false;
  g_library = std::move(owned);
  g_api = api;
  return true;
}

void FreeRegexLibrary() {
  g_api = RegexApi();
  g_library.reset();
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
                              SearchOptions options) {
  SearchHit hit = FindInText(text, len, from, needle, options, &g_api);
  if (hit.Error()) ShowRegexError(owner, hit.errorText);
  return hit;
}
