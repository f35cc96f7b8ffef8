#pragma once
// The program's side of the character-set converter nkf32.dll: loaded from
// Ancillar at start-up, reached only through the entry points it exports.
// Reading decodes any of the four encodings to Shift-JIS; saving encodes
// Shift-JIS to the document's character set. Without the DLL reading takes
// the bytes as Shift-JIS and saving works for Shift-JIS only; the results
// say so, and the caller shows the message texts below.
#include <cstddef>
#include <string>
#include <string_view>

#include "ancillar/charset/nkf32_api.h"
#include "platform/text_codes.h"

// The entry points in use (see nkf32_api.h).
struct NkfProcs {
  GetNkfVersionProc getVersion = nullptr;
  SetNkfOptionProc setOption = nullptr;
  NkfConvertProc convert = nullptr;
  NkfGetKanjiCodeProc getKanjiCode = nullptr;
  NkfGetLastResultProc getLastResult = nullptr;
  NkfGuessCodeProc guessCode = nullptr;
  NkfConvertSizedProc convertSized = nullptr;
};

// ---- Win32 layer (nkf_adapter_win.cpp)
// Loads programDir + "Ancillar\\nkf32.dll" (programDir empty: the running
// program's directory) and resolves its entry points; a DLL without
// NkfGuessCode and NkfConvertSized counts as missing. Call before the main
// window exists; NkfFree at exit.
bool NkfLoad(const std::string& programDir);
void NkfFree();

// ---- core
// Sets the entry points the operations below use; null: no converter.
void NkfUseProcs(const NkfProcs* procs);
bool NkfAvailable();

struct NkfDecoded {
  std::string text;               // Shift-JIS
  Charset charset = Charset::kShiftJis;  // the file's code
  size_t lost = 0;                // characters shown as the geta mark
  bool utf8Bom = false;           // the file started with a UTF-8 byte order mark
  bool converterMissing = false;  // no DLL and the bytes are not plain ASCII: read as Shift-JIS
};
// Decodes a file's bytes to Shift-JIS (option "-sx"), detecting the encoding.
// Bytes that need no conversion become the text as they are (pass them with
// std::move to avoid a copy).
NkfDecoded NkfDecodeToSjis(std::string bytes);
// Decodes text known to be UTF-8 (the program's own, such as pasted Unicode
// text) to Shift-JIS ("-sxW"). Without the converter nothing is converted:
// converterMissing is set and the text is empty.
NkfDecoded NkfDecodeUtf8ToSjis(std::string_view utf8);

struct NkfEncoded {
  bool ok = false;
  std::string bytes;
  size_t lost = 0;                // characters written as the geta mark
  bool converterMissing = false;  // charset 1-3 without the DLL: nothing converted
};
// Encodes Shift-JIS text to Shift-JIS (a copy), EUC ("-ex"), JIS ("-jx") or
// UTF-8 ("-wx", with a byte order mark when utf8Bom).
NkfEncoded NkfEncodeFromSjis(std::string_view sjis, Charset charset, bool utf8Bom = false);

// The charset recorded for a file from the converter's code: a code outside
// 0-3 counts as Shift-JIS, and EUC or JIS whose converted text is plain ASCII
// is Shift-JIS.
Charset ResolveDetectedCharset(int code, std::string_view converted);

// Messages for the caller to show when the converter is missing.
std::string NkfMissingReadMessage(const std::string& path);
std::string NkfMissingSaveMessage(const std::string& path, Charset charset);
