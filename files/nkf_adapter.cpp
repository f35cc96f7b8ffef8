#include "files/nkf_adapter.h"

#include <utility>

#include "files/charset_names.h"

namespace {

const NkfProcs* g_procs = nullptr;

bool HasHighOrEscape(std::string_view s) {
  for (char c : s) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b >= 0x80 || b == 0x1B) return true;
  }
  return false;
}

// One conversion into a buffer of `guess` bytes, and a second with the exact
// size when the result did not fit.
bool ConvertSized(const char* options, std::string_view in, size_t guess, std::string& out,
                  NkfConvertResult& r) {
  out.assign(guess + 1, '\0');
  int rc = g_procs->convertSized(options, in.data(), in.size(), out.data(), out.size(), &r);
  if (rc == 1) {
    out.assign(r.size + 1, '\0');
    rc = g_procs->convertSized(options, in.data(), in.size(), out.data(), out.size(), &r);
  }
  if (rc != 0) return false;
  out.resize(r.written);
  return true;
}

}  // namespace

void NkfUseProcs(const NkfProcs* procs) { g_procs = procs; }

bool NkfAvailable() { return g_procs && g_procs->guessCode && g_procs->convertSized; }

Charset ResolveDetectedCharset(int code, std::string_view converted) {
  if (code < 0 || code > 3) return Charset::kShiftJis;
  // Plain ASCII reads the same in every code. Half-width katakana (0xA1-0xDF,
  // no lead byte) do count: calling such a file Shift-JIS would rewrite them.
  if ((code == 1 || code == 2) && !HasHighOrEscape(converted)) return Charset::kShiftJis;
  return CharsetFromInt(code);
}

NkfDecoded NkfDecodeToSjis(std::string bytes) {
  NkfDecoded d;
  if (!NkfAvailable()) {
    d.converterMissing = HasHighOrEscape(bytes);
    d.text = std::move(bytes);
    return d;
  }
  int bom = 0;
  int code = g_procs->guessCode(bytes.data(), bytes.size(), &bom);
  if (code <= 0 || code > 3) {
    d.text = std::move(bytes);  // Shift-JIS with "x" is the bytes as they are
    return d;
  }
  static const char* const kOptions[4] = {"-sxS", "-sxE", "-sxJ", "-sxW"};
  NkfConvertResult r{};
  if (!ConvertSized(kOptions[code], bytes, bytes.size(), d.text, r)) {
    d.text = std::move(bytes);
    d.converterMissing = true;
    return d;
  }
  d.lost = r.lost;
  d.utf8Bom = r.bom != 0;
  d.charset = ResolveDetectedCharset(code, d.text);
  return d;
}

NkfDecoded NkfDecodeUtf8ToSjis(std::string_view utf8) {
  NkfDecoded d;
  d.charset = Charset::kUtf8;
  if (!NkfAvailable()) {
    d.converterMissing = true;
    return d;
  }
  NkfConvertResult r{};
  if (!ConvertSized("-sxW", utf8, utf8.size(), d.text, r)) {
    d.text.clear();
    d.converterMissing = true;
    return d;
  }
  d.lost = r.lost;
  d.utf8Bom = r.bom != 0;
  return d;
}

NkfEncoded NkfEncodeFromSjis(std::string_view sjis, Charset charset, bool utf8Bom) {
  NkfEncoded e;
  if (charset == Charset::kShiftJis || CharsetFromInt(static_cast<int>(charset)) != charset) {
    e.bytes.assign(sjis);
    e.ok = true;
    return e;
  }
  if (!NkfAvailable()) {
    e.converterMissing = true;
    return e;
  }
  static const char* const kOptions[4] = {"", "-ex", "-jx", "-wx"};
  std::string options = kOptions[static_cast<int>(charset)];
  if (charset == Charset::kUtf8 && utf8Bom) options += " --bom";
  size_t n = sjis.size();
  size_t guess = n + (charset == Charset::kEuc ? n / 8 : charset == Charset::kJis ? n / 4 : n / 2) + 16;
  NkfConvertResult r{};
  e.ok = ConvertSized(options.c_str(), sjis, guess, e.bytes, r);
  e.lost = e.ok ? r.lost : 0;
  if (!e.ok) e.bytes.clear();
  return e;
}

std::string NkfMissingReadMessage(const std::string& path) {
  return "nkf32.dll を使用できないため、\"" + path + "\" を Shift-JIS として読み込みました。";
}

std::string NkfMissingSaveMessage(const std::string& path, Charset charset) {
  return "nkf32.dll を使用できないため、\"" + path + "\" を " + CharsetName(charset) + " で保存できません。";
}
