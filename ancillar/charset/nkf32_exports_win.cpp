// nkf32.dll's exports: undecorated __cdecl names (nkf32.def) forwarding to the
// core engine. No exception may leave the DLL.
#include <windows.h>

#include "ancillar/charset/nkf32_api.h"
#include "ancillar/charset/nkf_api.h"

extern "C" {

void NKF32_CALL GetNkfVersion(char* version) { nkfapi::GetVersion(version); }

int NKF32_CALL SetNkfOption(const char* options) { return nkfapi::SetOption(options); }

void NKF32_CALL NkfConvert(char* out, const char* in) {
  try {
    nkfapi::Convert(out, in);
  } catch (...) {
    if (out) out[0] = '\0';
  }
}

int NKF32_CALL NkfGetKanjiCode(void) { return nkfapi::GetKanjiCode(); }

void NKF32_CALL NkfGetLastResult(NkfConvertResult* result) { nkfapi::GetLastResult(result); }

int NKF32_CALL NkfGuessCode(const char* in, size_t length, int* bom) {
  try {
    return nkfapi::GuessCode(in, length, bom);
  } catch (...) {
    return 0;
  }
}

int NKF32_CALL NkfConvertSized(const char* options, const char* in, size_t length, char* out, size_t capacity,
                               NkfConvertResult* result) {
  try {
    return nkfapi::ConvertSized(options, in, length, out, capacity, result);
  } catch (...) {
    if (out && capacity) out[0] = '\0';
    return -1;
  }
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
