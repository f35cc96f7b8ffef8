#pragma once
// Test programs of the dialect are written with "\n" in raw literals; the
// assistance code reads CR LF line ends.
#include <string>

inline std::string Crlf(const char* s) {
  std::string out;
  for (; *s; ++s) {
    if (*s == '\n') out += '\r';
    out += *s;
  }
  return out;
}
