#include "shell/settings_files_win.h"

#include "files/file_io_win.h"
#include "shell/message_box_win.h"
#include "shell/settings_load_save.h"

UserSettingFiles::UserSettingFiles(const std::string& programDir, HWND owner)
    : dir_(programDir + "UserSetting\\"), owner_(owner) {}

bool UserSettingFiles::Read(const std::string& name, std::string& content) {
  return ReadWholeFile(dir_ + name, content);
}

bool UserSettingFiles::Write(const std::string& name, std::string_view content) {
  return WriteWholeFileWithMessage(dir_ + name, content, owner_);
}

bool UserSettingFiles::EnsureDirectory() {
  if (EnsureDirectoryExists(dir_)) return true;
  QuilletMessageBox(owner_ ? owner_ : GetActiveWindow(), "UserSettingディレクトリの作成に失敗", "Quillet",
                    MB_ICONWARNING | MB_OK);
  return false;
}

void LoadUserSettings(EditorSettings& s, const std::string& programDir, int screenWidth, int screenHeight,
                      const std::function<void(EditorSettings&)>& associationStep) {
  UserSettingFiles files(programDir);
  SettingsEnv env;
  env.files = &files;
  env.defaults = {programDir, screenWidth, screenHeight};
  env.associationStep = associationStep;
  SettingsLoad(s, env);
}

bool SaveUserSettings(const EditorSettings& s, const std::string& programDir) {
  UserSettingFiles files(programDir);
  return SettingsSave(s, files);
}
