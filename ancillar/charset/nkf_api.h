#pragma once
// The behaviour of nkf32.dll's entry points (nkf32_api.h), as core code: the
// exports in nkf32_exports_win.cpp forward here, and host tests call these.
// The classic calls share one process-wide state, as the classic API does;
// NkfConvertSized and NkfGuessCode keep none.
#include <cstddef>

#include "ancillar/charset/charset_convert.h"
#include "ancillar/charset/nkf32_api.h"

namespace nkfapi {

constexpr const char* kVersion = "Quillet nkf32 1.0";

// Parses an option string (see nkf32_api.h); false for an unknown option.
bool ParseOptions(const char* text, ConvertOptions* options);

void NKF32_CALL GetVersion(char* version);
int NKF32_CALL SetOption(const char* options);
void NKF32_CALL Convert(char* out, const char* in);
int NKF32_CALL GetKanjiCode();
void NKF32_CALL GetLastResult(NkfConvertResult* result);
int NKF32_CALL GuessCode(const char* in, size_t length, int* bom);
int NKF32_CALL ConvertSized(const char* options, const char* in, size_t length, char* out, size_t capacity,
                            NkfConvertResult* result);

}  // namespace nkfapi
