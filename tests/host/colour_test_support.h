#pragma once
// Helpers of the colouring tests: UTF-8 samples to Shift-JIS, the golden
// files of tests/data/colour, and the colour of every byte as drawn.
#include <iconv.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/colorize.h"
#include "editor/comment_state.h"
#include "editor/text_document.h"
#include "platform/sjis.h"
#include "lang/document_kind.h"

namespace colour_test {

inline std::string Utf8ToSjis(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv CP932 missing");
  std::string out(utf8.size() * 2 + 8, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* o = out.data();
  size_t outLeft = out.size();
  size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) throw std::runtime_error("not convertible: " + utf8);
  out.resize(out.size() - outLeft);
  return out;
}

struct SampleLine {
  std::string text;   // Shift-JIS
  std::string marks;  // one letter per byte, empty when not checked
  int fileLine = 0;
};

struct Sample {
  std::string name;
  DocumentKind kind = DocumentKind::kText;
  std::vector<SampleLine> lines;
  std::string Text() const {
    std::string t;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (i) t += "\r\n";
      t += lines[i].text;
    }
    return t;
  }
};

// The golden file format is described in tests/data/colour/README.md.
inline Sample LoadSample(const std::string& name) {
  std::ifstream in(std::string(QUILLET_SOURCE_DIR) + "/tests/data/colour/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("missing sample " + name);
  Sample s;
  s.name = name;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("kind: ", 0) == 0) {
      std::string k = line.substr(6);
      s.kind = k == "source" ? DocumentKind::kSource : k == "html" ? DocumentKind::kHtml : DocumentKind::kText;
    } else if (line == ">" || line.rfind("> ", 0) == 0) {
      s.lines.push_back({Utf8ToSjis(line.size() > 2 ? line.substr(2) : std::string()), std::string(), number});
    } else if ((line == "=" || line.rfind("= ", 0) == 0) && !s.lines.empty()) {
      s.lines.back().marks = line.size() > 2 ? line.substr(2) : std::string();
    }
  }
  return s;
}

// Per byte: 'c' inside a comment, else the class as 'd', 'k' or 's'; comments
// walked from the first byte.
inline std::string DrawnMarks(TextDocument& doc) {
  const int n = doc.Length();
  std::string text = doc.Substr(0, n);
  auto at = [&](int k) -> unsigned char { return k < n ? static_cast<unsigned char>(text[k]) : 0; };
  std::string marks(static_cast<size_t>(n), 'd');
  uint8_t st = 0;
  for (int i = 0; i < n;) {
    unsigned char c = at(i);
    bool lineEnd = c == '\r' && at(i + 1) == '\n' && i + 1 < n;
    int len = lineEnd || (IsSjisLead(c) && i + 1 < n) ? 2 : 1;
    bool comment = comment_state::Step(doc.kind, st, c, at(i + 1), at(i + 2), at(i + 3), lineEnd);
    for (int k = i; k < i + len; ++k) {
      ColorClass cls = doc.ClassAt(k);
      marks[static_cast<size_t>(k)] = comment ? 'c' : cls == kColorStatement ? 'k' : cls == kColorString ? 's' : 'd';
    }
    i += len;
  }
  return marks;
}

}  // namespace colour_test
