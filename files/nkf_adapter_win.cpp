// Loading nkf32.dll and resolving its entry points.
#include <windows.h>

#include "files/nkf_adapter.h"

namespace {

HMODULE g_dll = nullptr;
NkfProcs g_loaded;

template <class T>
T Proc(HMODULE m, const char* name) {
  // Through void (*)(void), which casts to any function type without warning.
  return reinterpret_cast<T>(reinterpret_cast<void (*)()>(GetProcAddress(m, name)));
}

}  // namespace

bool NkfLoad(const std::string& programDir) {
  NkfFree();
  std::string path = programDir + "Ancillar\\nkf32.dll";
  HMODULE m = LoadLibraryA(path.c_str());
  if (!m) return false;
  NkfProcs p;
  p.getVersion = Proc<GetNkfVersionProc>(m, "GetNkfVersion");
  p.setOption = Proc<SetNkfOptionProc>(m, "SetNkfOption");
  p.convert = Proc<NkfConvertProc>(m, "NkfConvert");
  p.getKanjiCode = Proc<NkfGetKanjiCodeProc>(m, "NkfGetKanjiCode");
  p.getLastResult = Proc<NkfGetLastResultProc>(m, "NkfGetLastResult");
  p.guessCode = Proc<NkfGuessCodeProc>(m, "NkfGuessCode");
  p.convertSized = Proc<NkfConvertSizedProc>(m, "NkfConvertSized");
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
