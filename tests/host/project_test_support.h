#pragma once
// Sample project files of tests/data/project and an in-memory file source.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "project/project_open.h"

namespace project_test {

inline std::string DataPath(const std::string& relative) {
  return std::string(QUILLET_SOURCE_DIR) + "/tests/data/project/" + relative;
}

inline std::string LoadData(const std::string& relative) {
  std::ifstream in(DataPath(relative), std::ios::binary);
  EXPECT_TRUE(in.good()) << relative;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Files by their Windows path, as the opener asks for them.
struct MemoryFiles {
  std::map<std::string, std::string> files;
  ProjectFileSource Source() const {
    return [this](const std::string& path, std::string& bytes) {
      auto it = files.find(path);
      if (it == files.end()) return false;
      bytes = it->second;
      return true;
    };
  }
};

// The sample folder `dir` (sample, plain) as project directory C:\P\.
inline MemoryFiles SampleFiles(const std::string& dir, const std::string& name) {
  MemoryFiles m;
  for (const char* ext : {".pj", ".wnd", ".rc"}) {
    std::ifstream in(DataPath(dir + "/" + name + ext), std::ios::binary);
    if (in.good()) m.files["C:\\P\\" + name + ext] = LoadData(dir + "/" + name + ext);
  }
  return m;
}

}  // namespace project_test
