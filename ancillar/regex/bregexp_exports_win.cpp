// BREGEXP.DLL entry point. The exported functions are the engine's C entry
// points (bregexp_c_api.cpp), named undecorated by BREGEXP.def.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
