// The regular-expression library and the character-set converter, looked up
// before the main window exists and released at exit.
#include "files/nkf_adapter.h"
#include "search/regex_adapter_win.h"
#include "shell/app_win.h"
#include "shell/app_seams_win.h"

void LoadAncillaryLibraries() {
  LoadRegexLibrary(g_app.ProgramDir);
  NkfLoad(g_app.ProgramDir);
}

void FreeAncillaryLibraries() {
  FreeRegexLibrary();
  NkfFree();
}
