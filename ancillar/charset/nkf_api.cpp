#include "ancillar/charset/nkf_api.h"

#include <cstring>

namespace nkfapi {
namespace {

ConvertOptions g_options = [] {
  ConvertOptions o;
  o.keepHalfKana = false;
  return o;
}();
NkfConvertResult g_last = {};

NkfConvertResult ToApi(const ConvertResult& r) {
  NkfConvertResult a;
  a.size = r.size;
  a.written = r.written;
  a.lost = r.lost;
  a.detected = r.detected;
  a.bom = r.bom ? 1 : 0;
  a.truncated = r.truncated ? 1 : 0;
  return a;
}

int CodeOfLetter(char c) {
  switch (c) {
    case 's': case 'S': return kCharsetSjis;
    case 'e': case 'E': return kCharsetEuc;
    case 'j': case 'J': return kCharsetJis;
    case 'w': case 'W': return kCharsetUtf8;
    default: return -1;
  }
}

}  // namespace

bool ParseOptions(const char* text, ConvertOptions* options) {
  ConvertOptions o;
  o.keepHalfKana = false;
  bool inputGiven = false;
  const char* p = text ? text : "";
  while (*p) {
    if (*p == ' ' || *p == '\t') {
      ++p;
      continue;
    }
    if (*p != '-') return false;
    const char* end = p;
    while (*end && *end != ' ' && *end != '\t') ++end;
    if (end - p == 5 && std::strncmp(p, "--bom", 5) == 0) {
      o.utf8Bom = true;
    } else {
      if (end - p < 2) return false;
      for (const char* c = p + 1; c < end; ++c) {
        int code = CodeOfLetter(*c);
        if (*c == 'x') {
          o.keepHalfKana = true;
        } else if (code < 0) {
          return false;
        } else if (*c >= 'a') {
          o.output = code;
        } else {
          o.input = code;
          inputGiven = true;
        }
      }
    }
    p = end;
  }
  // Reading (to Shift-JIS) detects; writing starts from the program's Shift-JIS.
  if (!inputGiven) o.input = o.output == kCharsetSjis ? kCharsetAuto : kCharsetSjis;
  *options = o;
  return true;
}

void NKF32_CALL GetVersion(char* version) {
  if (version) std::strcpy(version, kVersion);
}

int NKF32_CALL SetOption(const char* options) {
  ConvertOptions o;
  if (!ParseOptions(options, &o)) return -1;
  g_options = o;
  return 0;
}

void NKF32_CALL Convert(char* out, const char* in) {
  if (!out) return;
  size_t length = in ? std::strlen(in) : 0;
  g_last = ToApi(ConvertCharset(g_options, in, length, out, 2 * length + 1));
}

int NKF32_CALL GetKanjiCode() { return g_last.detected; }

void NKF32_CALL GetLastResult(NkfConvertResult* result) {
  if (result) *result = g_last;
}

int NKF32_CALL GuessCode(const char* in, size_t length, int* bom) {
  DetectResult d = DetectCharset(in, in ? length : 0);
  if (bom) *bom = d.bom ? 1 : 0;
  return d.code;
}

int NKF32_CALL ConvertSized(const char* options, const char* in, size_t length, char* out, size_t capacity,
                            NkfConvertResult* result) {
  ConvertOptions o;
  if (!ParseOptions(options, &o)) {
    if (out && capacity) out[0] = '\0';
    return -1;
  }
  NkfConvertResult r = ToApi(ConvertCharset(o, in, length, out, capacity));
  if (result) *result = r;
  return r.truncated ? 1 : 0;
}

}  // namespace nkfapi
