#pragma once
// Colour themes: one design.ini per directory below Theme.
#include <string>
#include <vector>

#include "platform/win_types.h"
#include "prefs/theme_colours.h"

struct Theme {
  std::string name;  // the directory name
  ThemeColours colours;
  std::string backgroundImagePath;  // empty = none; relative to the theme's directory
};

struct ThemeList {
  std::vector<Theme> themes;  // directory-listing order
  int active = -1;
  HBITMAP picture = nullptr;  // background picture of the active theme
  int pictureWidth = 0;
  int pictureHeight = 0;
};

// Reads a design.ini text; keys that are missing keep the classic colours.
Theme ParseDesignIni(const std::string& name, const std::string& text);
// The theme whose name equals `activeName` exactly, else the first one; -1 when empty.
int SelectActiveTheme(const ThemeList& list, const std::string& activeName);
