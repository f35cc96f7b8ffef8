// Whole-file load and save through the program's own path (newline and NUL
// clean-up, the converter adapter with the engine in place of nkf32.dll), for
// bench/charset.sh to time against iconv and cat.
//   bench_charset_tool gen MB OUT         writes the generated Shift-JIS text
//   bench_charset_tool load IN OUT        reads any encoding, writes Shift-JIS
//   bench_charset_tool save CODE IN OUT   reads Shift-JIS, writes code 1 EUC, 2 JIS, 3 UTF-8
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ancillar/charset/nkf_api.h"
#include "bench_files.h"
#include "bench_text.h"
#include "files/newline.h"
#include "files/nkf_adapter.h"

namespace {

const NkfProcs kEngine = [] {
  NkfProcs p;
  p.guessCode = nkfapi::GuessCode;
  p.convertSized = nkfapi::ConvertSized;
  return p;
}();

int Fail(const char* what) {
  std::fprintf(stderr, "bench_charset_tool: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string cmd = argc > 1 ? argv[1] : "";
  NkfUseProcs(&kEngine);
  if (cmd == "gen" && argc == 4) {
    return WriteAll(argv[3], MakeJapaneseText(std::strtoul(argv[2], nullptr, 10) << 20)) ? 0 : Fail("write");
  }
  if (cmd == "load" && argc == 4) {
    std::string bytes;
    if (!ReadAll(argv[2], bytes)) return Fail("read");
    NulToBlank(bytes);
    const Newline newline = DetectNewline(bytes);
    NkfDecoded d = NkfDecodeToSjis(ToCrLf(std::move(bytes), newline));
    return WriteAll(argv[3], d.text) ? 0 : Fail("write");
  }
  if (cmd == "save" && argc == 5) {
    std::string text;
    if (!ReadAll(argv[3], text)) return Fail("read");
    NkfEncoded e = NkfEncodeFromSjis(text, CharsetFromInt(std::atoi(argv[2])));
    if (!e.ok) return Fail("encode");
    return WriteAll(argv[4], e.bytes) ? 0 : Fail("write");
  }
  // bench/run starts every bench_* program with benchmark flags: nothing to do.
  std::printf("bench_charset_tool: a helper of bench/charset.sh (gen MB OUT | load IN OUT | save CODE IN OUT)\n");
  return 0;
}
