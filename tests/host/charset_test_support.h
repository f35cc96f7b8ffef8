#pragma once
// Shared samples and helpers of the charset_*_test.cpp files. Narrow literals
// are Shift-JIS (the sources compile to CP932).
#include <string>
#include <string_view>

#include "ancillar/charset/charset_convert.h"
#include "ancillar/charset/nkf_api.h"
#include "files/nkf_adapter.h"

namespace charset_test {

// A realistic Japanese source text with CR LF line ends: kanji, kana,
// full-width letters and symbols, NEC row 13, half-width katakana, 0x5C
// trail bytes (表, ソ) and the backslash and tilde characters.
inline std::string RealisticText() {
  return "' Orvenic のサンプル：ウィンドウを表示してメッセージを処理します。\r\n"
         "#include \"RadSys.sbp\"\r\n"
         "Dim 表示件数 As Long = 100   ' 最大値は①～⑳、㈱や№も使います\r\n"
         "Dim ソース$ = \"C:\\Work\\ソース\\予定表.txt\"\r\n"
         "Sub MainWnd_Create(hwnd As HWND)\r\n"
         "\tPrint \"こんにちは、世界！ 全角ＡＢＣ１２３と半角ｶﾀｶﾅ（ﾃﾞｰﾀ）\"\r\n"
         "\tIf 件数 >= 10 Then Print \"【注意】※〒♪ ≒≡∫√⊥∠∵∩∪ ￥＄￠￡￢\"\r\n"
         "End Sub\r\n"
         "' 最終行は改行なし：森鴎外と高橋";
}

// nkf32.dll's entry points served by the host build of the engine.
inline const NkfProcs& EngineProcs() {
  static const NkfProcs procs = [] {
    NkfProcs p;
    p.getVersion = nkfapi::GetVersion;
    p.setOption = nkfapi::SetOption;
    p.convert = nkfapi::Convert;
    p.getKanjiCode = nkfapi::GetKanjiCode;
    p.getLastResult = nkfapi::GetLastResult;
    p.guessCode = nkfapi::GuessCode;
    p.convertSized = nkfapi::ConvertSized;
    return p;
  }();
  return procs;
}

// Plugs the engine in as the loaded DLL for the life of the object.
struct EngineLoaded {
  EngineLoaded() { NkfUseProcs(&EngineProcs()); }
  ~EngineLoaded() { NkfUseProcs(nullptr); }
};

inline ConvertOptions Opts(int input, int output, bool x = true) {
  ConvertOptions o;
  o.input = input;
  o.output = output;
  o.keepHalfKana = x;
  return o;
}

inline std::string Conv(int input, int output, std::string_view in, ConvertResult* r = nullptr, bool x = true) {
  return ConvertCharsetToString(Opts(input, output, x), in, r);
}

inline std::string Hex(std::string_view s) {
  static const char* d = "0123456789ABCDEF";
  std::string h;
  for (char c : s) {
    unsigned char b = static_cast<unsigned char>(c);
    if (!h.empty()) h += ' ';
    h += d[b >> 4];
    h += d[b & 15];
  }
  return h;
}

}  // namespace charset_test
