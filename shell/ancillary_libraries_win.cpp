// The regular-expression library and the character-set converter, looked up
// before the main window exists and released at exit.
#include "files/nkf_adapter.h"
#include "search/regex_adapter.h"
#include "shell/app.h"
#include "shell/app_seams.h"

void LoadAncillaryLibraries() {
  LoadRegexLibrary(g_app.ProgramDir);
  NkfLoad(g_app.ProgramDir);
}

void FreeAncillaryLibraries() {
  FreeRegexLibrary();
  NkfFree();
}
