// Loading nkf32.dll and resolving its entry points.
#include <windows.h>

#include "files/nkf_adapter.h"
#include "shell/ancillary_dll_win.h"

namespace {

HMODULE g_dll = nullptr;
NkfProcs g_loaded;

}  // namespace

bool NkfLoad(const std::string& programDir) {
  NkfFree();
  HMODULE m = LoadAncillaryDll(programDir, "nkf32.dll");
  if (!m) return false;
  NkfProcs p;
  p.getVersion = AncillaryProc<GetNkfVersionProc>(m, "GetNkfVersion");
  p.setOption = AncillaryProc<SetNkfOptionProc>(m, "SetNkfOption");
  p.convert = AncillaryProc<NkfConvertProc>(m, "NkfConvert");
  p.getKanjiCode = AncillaryProc<NkfGetKanjiCodeProc>(m, "NkfGetKanjiCode");
  p.getLastResult = AncillaryProc<NkfGetLastResultProc>(m, "NkfGetLastResult");
  p.guessCode = AncillaryProc<NkfGuessCodeProc>(m, "NkfGuessCode");
  p.convertSized = AncillaryProc<NkfConvertSizedProc>(m, "NkfConvertSized");
  if (!p.guessCode || !p.convertSized) {
    FreeLibrary(m);
    return false;
  }
  g_dll = m;
  g_loaded = p;
  NkfUseProcs(&g_loaded);
  return true;
}

void NkfFree() {
  NkfUseProcs(nullptr);
  if (g_dll) FreeLibrary(g_dll);
  g_dll = nullptr;
  g_loaded = NkfProcs();
}
