#pragma once
// Whole files of the settings directory, addressed by file name ("editor.ini").
// The program reads and writes real files below ProgramDir + "UserSetting\\";
// tests use the in-memory set.
#include <map>
#include <set>
#include <string>
#include <string_view>

class SettingsFileStore {
 public:
  virtual ~SettingsFileStore() = default;
  // The whole content; false when the file does not exist or cannot be read.
  virtual bool Read(const std::string& name, std::string& content) = 0;
  // Replaces the file whole; false (after the whole-file write message) on failure.
  virtual bool Write(const std::string& name, std::string_view content) = 0;
  // Makes sure the directory exists; false (after its message) when it cannot be made.
  virtual bool EnsureDirectory() = 0;
};

// A file set in memory.
class MemorySettingsFiles : public SettingsFileStore {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> failingWrites;  // names whose writes fail
  bool directoryFails = false;
  int writes = 0;

  bool Read(const std::string& name, std::string& content) override {
    auto it = files.find(name);
    if (it == files.end()) return false;
    content = it->second;
    return true;
  }
  bool Write(const std::string& name, std::string_view content) override {
    ++writes;
    if (failingWrites.count(name)) return false;
    files[name] = std::string(content);
    return true;
  }
  bool EnsureDirectory() override { return !directoryFails; }
};
