#pragma once
// The settings files on disk, below ProgramDir + "UserSetting\\".
#include <functional>
#include <string>

#include "platform/win_types.h"
#include "shell/editor_settings.h"
#include "shell/settings_store.h"

class UserSettingFiles : public SettingsFileStore {
 public:
  // owner: the window that owns the failure messages (null: the active window).
  explicit UserSettingFiles(const std::string& programDir, HWND owner = nullptr);

  // Silent: a missing file gives defaults.
  bool Read(const std::string& name, std::string& content) override;
  // Replaces the file; a failure shows the whole-file write message.
  bool Write(const std::string& name, std::string_view content) override;
  // A directory that cannot be made shows "UserSettingディレクトリの作成に失敗".
  bool EnsureDirectory() override;

  const std::string& directory() const { return dir_; }

 private:
  std::string dir_;  // ends in a backslash
  HWND owner_;
};

// Start-up: loads every settings file of the program directory.
void LoadUserSettings(EditorSettings& s, const std::string& programDir, int screenWidth, int screenHeight,
                      const std::function<void(EditorSettings&)>& associationStep);
// Shutdown and the file-association step: saves every settings file.
bool SaveUserSettings(const EditorSettings& s, const std::string& programDir);
