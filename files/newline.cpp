#include "files/newline.h"

#include <algorithm>
#include <cstring>

Newline DetectNewline(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\n') return Newline::kLf;
    if (c == '\r') return (i + 1 < text.size() && text[i + 1] == '\n') ? Newline::kCrLf : Newline::kCr;
  }
  return Newline::kCrLf;
}

std::string ToCrLf(std::string source, Newline code) {
  if (code != Newline::kLf && code != Newline::kCr) return source;
  std::string_view text = source;
  const char from = code == Newline::kLf ? '\n' : '\r';
  size_t count = static_cast<size_t>(std::count(text.begin(), text.end(), from));
  std::string out;
  out.resize(text.size() + count);
  char* w = out.data();
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    const char* hit = static_cast<const char*>(std::memchr(p, from, static_cast<size_t>(end - p)));
    const char* stop = hit ? hit : end;
    size_t n = static_cast<size_t>(stop - p);
    if (n) std::memcpy(w, p, n);
    w += n;
    if (!hit) break;
    *w++ = '\r';
    *w++ = '\n';
    p = hit + 1;
  }
  return out;
}

void CrLfTo(std::string& text, Newline code) {
  if (code != Newline::kLf && code != Newline::kCr) return;
  const char keep = code == Newline::kLf ? '\n' : '\r';
  char* base = text.data();
  char* end = base + text.size();
  char* r = base;
  char* w = base;
  while (r < end) {
    char* cr = static_cast<char*>(std::memchr(r, '\r', static_cast<size_t>(end - r)));
    char* stop = cr ? cr : end;
    size_t n = static_cast<size_t>(stop - r);
    if (w != r && n) std::memmove(w, r, n);
    w += n;
    if (!cr) break;
    if (cr + 1 < end && cr[1] == '\n') {
      *w++ = keep;
      r = cr + 2;
    } else {
      *w++ = '\r';
      r = cr + 1;
    }
  }
  text.resize(static_cast<size_t>(w - base));
}

size_t NulToBlank(char* text, size_t length) {
  if (!text) return 0;
  size_t count = 0;
  char* end = text + length;
  for (char* p = text; (p = static_cast<char*>(std::memchr(p, '\0', static_cast<size_t>(end - p)))); ++p) {
    *p = ' ';
    ++count;
  }
  return count;
}

