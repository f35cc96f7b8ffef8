#pragma once
// editor.ini: the text of the settings record, its defaults and its reading.
#include <array>
#include <string>
#include <string_view>

#include "platform/win_types.h"
#include "shell/editor_settings.h"

constexpr size_t kMaxDirBytes = 259;   // DefSaveDir, ProjectSaveDir
constexpr size_t kMaxNameBytes = 255;  // ActiveTheme, PageStr

// Where the defaults come from.
struct SettingsDefaultsEnv {
  std::string programDir;  // ends in a backslash
  int screenWidth = 0;
  int screenHeight = 0;
};

// left = top = width / 10, right = width * 8 / 10, bottom = height * 8 / 10.
RECT DefaultWindowRect(int screenWidth, int screenHeight);
// Derived from the frame rectangle.
RECT DefaultProjectViewRect(const RECT& window);
// Off the screen or smaller than 10 pixels either way.
bool IsUnusableRect(const RECT& r, int screenWidth, int screenHeight);
// Bands {1,150,0}, {2,277,0}, {5,100,0}, then the end of the list.
std::array<RebarBand, 5> DefaultRebarBands();

// Every key set to the value used when editor.ini lacks it (noFile false) or
// does not exist (noFile true). Lists and histories are left alone.
void SetEditorIniDefaults(EditorSettings& s, const SettingsDefaultsEnv& env, bool noFile);

// The whole editor.ini text, keys in table order; LinkFile is written "ok".
std::string BuildEditorIni(const EditorSettings& s);

// Reads every key of an existing editor.ini, each missing one taking its
// default. Returns whether the key LinkFile was present.
bool ParseEditorIni(std::string_view text, EditorSettings& s, const SettingsDefaultsEnv& env);
