#pragma once
// The hand-written cases of tests/data/codegen: a project opened from its
// files as C:\P\, window sources read from the same folder, and the checks
// every generated text must pass.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "designer/window_code.h"
#include "project/project_open.h"

namespace codegen_test {

inline std::string DataPath(const std::string& relative) {
  return std::string(QUILLET_SOURCE_DIR) + "/tests/data/codegen/" + relative;
}

// The file's bytes; false when it does not exist.
inline bool ReadData(const std::string& relative, std::string& bytes) {
  std::ifstream in(DataPath(relative), std::ios::binary);
  if (!in.good()) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

inline std::string LoadData(const std::string& relative) {
  std::string bytes;
  EXPECT_TRUE(ReadData(relative, bytes)) << relative;
  return bytes;
}

// Opens dir/name.pj as the project C:\P\name.pj.
inline ProjectState OpenCase(const std::string& dir, const std::string& name) {
  ProjectFileSource source = [&](const std::string& path, std::string& bytes) {
    const std::string prefix = "C:\\P\\";
    return path.compare(0, prefix.size(), prefix) == 0 && ReadData(dir + "/" + path.substr(prefix.size()), bytes);
  };
  ProjectState s;
  ReadResult r = OpenProject("C:\\P\\" + name + ".pj", source, s);
  EXPECT_TRUE(r.ok) << r.message;
  return s;
}

// Window sources from the case folder; a missing file cannot be read.
inline WindowSourceText CaseSources(const std::string& dir) {
  return [dir](const WindowDef& w, std::string& text) { return ReadData(dir + "/" + w.filePath, text); };
}

// The first line where two texts differ, for a readable failure.
inline std::string FirstDifference(const std::string& expected, const std::string& actual) {
  size_t line = 1, start = 0;
  for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    if (expected[i] != actual[i]) {
      auto lineAt = [&](const std::string& s) { return s.substr(start, s.find('\n', start) - start); };
      return "line " + std::to_string(line) + "\n expected: " + lineAt(expected) + "\n actual:   " + lineAt(actual);
    }
    if (expected[i] == '\n') {
      ++line;
      start = i + 1;
    }
  }
  return "lengths " + std::to_string(expected.size()) + " and " + std::to_string(actual.size());
}

inline bool IsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Code page 932 text with CR LF line ends only: no NUL, no lone CR or LF,
// every lead byte followed by a trail byte, no byte the code page leaves
// undefined. Returns the offset of the first fault, or npos.
inline size_t CodePageFault(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
      if (i + 1 >= text.size() || !IsTrailByte(static_cast<unsigned char>(text[i + 1]))) return i;
      ++i;
    } else if (c == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') return i;
      ++i;
    } else if (c == '\n' || c == 0 || c == 0x80 || c == 0xA0 || c >= 0xFD) {
      return i;
    }
  }
  return std::string::npos;
}

}  // namespace codegen_test
