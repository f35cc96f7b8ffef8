#include "ancillar/charset/charset_convert.h"

#include <cstring>

#include "ancillar/charset/charset_decoders.h"
#include "ancillar/charset/charset_sinks.h"

namespace {

template <class Sink>
void Decode(int input, const unsigned char* s, size_t n, Sink& k) {
  switch (input) {
    case kCharsetEuc:
      DecodeEuc(s, n, k);
      break;
    case kCharsetJis:
      DecodeJis(s, n, k);
      break;
    case kCharsetUtf8:
      DecodeUtf8(s, n, k);
      break;
    default:
      DecodeSjis(s, n, k);
      break;
  }
}

template <class Sink>
void Run(const ConvertOptions& o, int input, const unsigned char* s, size_t n, Sink& k, ConvertResult& r) {
  if (o.keepHalfKana) {
    Decode(input, s, n, k);
    k.Finish();
  } else {
    KanaWidenSink<Sink> w(k);
    Decode(input, s, n, w);
    w.Finish();
  }
  r.size = k.size;
  r.lost = k.lost;
  r.written = k.out.Written();
  k.out.Terminate();
}

void Pipeline(const ConvertOptions& o, int input, const unsigned char* s, size_t n, char* out, size_t cap,
              ConvertResult& r) {
  switch (o.output) {
    case kCharsetEuc: {
      EucSink k(out, cap);
      Run(o, input, s, n, k, r);
      break;
    }
    case kCharsetJis: {
      JisSink k(out, cap);
      Run(o, input, s, n, k, r);
      break;
    }
    case kCharsetUtf8: {
      Utf8Sink k(out, cap, o.utf8Bom);
      Run(o, input, s, n, k, r);
      break;
    }
    default: {
      SjisSink k(out, cap);
      Run(o, input, s, n, k, r);
      break;
    }
  }
}

bool ValidCode(int c) { return c >= kCharsetSjis && c <= kCharsetUtf8; }

}  // namespace

ConvertResult ConvertCharset(const ConvertOptions& options, const char* in, size_t length, char* out,
                             size_t capacity) {
  ConvertResult r;
  if (!out) capacity = 0;
  if (!in) length = 0;
  ConvertOptions o = options;
  if (!ValidCode(o.output)) o.output = kCharsetSjis;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(in);
  int input = o.input;
  if (!ValidCode(input)) {
    DetectResult d = DetectCharset(in, length);
    input = d.code;
  }
  if (input == kCharsetUtf8 && length >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF) {
    r.bom = true;
    s += 3;
    length -= 3;
  }
  r.detected = input;

  // The same encoding in and out: the bytes as they are (behind a byte order
  // mark when one is asked for).
  if (input == o.output && o.keepHalfKana) {
    size_t mark = (o.output == kCharsetUtf8 && o.utf8Bom) ? 3 : 0;
    r.size = mark + length;
    if (r.size < capacity) {
      std::memcpy(out, "\xEF\xBB\xBF", mark);
      if (length) std::memcpy(out + mark, s, length);
      out[r.size] = '\0';
      r.written = r.size;
      return r;
    }
    if (capacity == 0 || input != kCharsetSjis || mark) {
      // Measured only, or does not fit: any prefix would do, the empty one is simplest.
      r.truncated = r.size > 0;
      if (capacity) out[0] = '\0';
      return r;
    }
  }
  Pipeline(o, input, s, length, out, capacity, r);
  r.truncated = r.size > r.written;
  return r;
}

std::string ConvertCharsetToString(const ConvertOptions& options, std::string_view in, ConvertResult* result) {
  // Most conversions shrink or grow a little; a second pass only when not.
  std::string out(in.size() + in.size() / 2 + 16, '\0');
  ConvertResult r = ConvertCharset(options, in.data(), in.size(), out.data(), out.size());
  if (r.truncated) {
    ConvertOptions fixed = options;
    fixed.input = r.detected;
    out.assign(r.size + 1, '\0');
    r = ConvertCharset(fixed, in.data(), in.size(), out.data(), out.size());
  }
  out.resize(r.written);
  if (result) *result = r;
  return out;
}

size_t MaxConvertedSize(const ConvertOptions& options, size_t length) {
  switch (options.output) {
    case kCharsetJis:
      return length * 5 + 3;  // "a", then a geta with ESC $ B and ESC ( B, per two input bytes
    case kCharsetUtf8:
      return length * 3 + 3;
    default:
      return length * 2;
  }
}
