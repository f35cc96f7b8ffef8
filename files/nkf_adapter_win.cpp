// Loading nkf32.dll and resolving its entry points.
#include <windows.h>

#include "files/nkf_adapter.h"
#include "platform/handles_win.h"
#include "shell/ancillary_dll_win.h"

namespace {

// The loaded converter and its entry points, from start-up to shutdown.
ModuleHandle g_dll;
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
  ModuleHandle owned(m);
  if (!p.guessCode || !p.convertSized) return false;
  g_dll = std::move(owned);
  g_loaded = p;
  NkfUseProcs(&g_loaded);
  return true;
}

void NkfFree() {
  NkfUseProcs(nullptr);
  g_dll.reset();
  g_loaded = NkfProcs();
}
