#pragma once
// Loading and saving every settings file of the UserSetting directory.
#include <functional>

#include "shell/editor_settings.h"
#include "shell/settings_editor_ini.h"
#include "shell/settings_store.h"

struct SettingsEnv {
  SettingsFileStore* files = nullptr;
  SettingsDefaultsEnv defaults;  // ProgramDir and screen size
  // The file-association step: run when editor.ini is missing or lacks
  // LinkFile. It may save the settings itself.
  std::function<void(EditorSettings&)> associationStep;
};

// Reads extlink.ini, domain.ini, the histories, editor.ini and the search
// histories, with defaults for whatever is missing or malformed.
void SettingsLoad(EditorSettings& s, const SettingsEnv& env);

// Writes every file. Nothing is written when the directory cannot be made.
// False when the directory or any file failed (each failure was reported by
// the store).
bool SettingsSave(const EditorSettings& s, SettingsFileStore& files);
