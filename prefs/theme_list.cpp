#include "prefs/theme_list.h"

#include "shell/settings_keys.h"

namespace {
struct ColourKey {
  const char* key;
  COLORREF ThemeColours::*field;
};
const ColourKey kColourKeys[] = {
    {"rgbDefault", &ThemeColours::rgbDefault},       {"rgbComment", &ThemeColours::rgbComment},
    {"rgbStatement", &ThemeColours::rgbStatement},   {"rgbString", &ThemeColours::rgbString},
    {"rgbCursorBack", &ThemeColours::rgbCursorBack}, {"rgbBackground", &ThemeColours::rgbBackground},
};
}  // namespace

Theme ParseDesignIni(const std::string& name, const std::string& text) {
  Theme theme;
  theme.name = name;
  for (const ColourKey& k : kColourKeys) {
    DWORD value = 0;
    if (ReadIniHex(text, k.key, value)) theme.colours.*k.field = value & 0xFFFFFF;
  }
  ReadIniString(text, "BackgroundImagePath", 259, theme.backgroundImagePath);
  return theme;
}

int SelectActiveTheme(const ThemeList& list, const std::string& activeName) {
  for (size_t i = 0; i < list.themes.size(); ++i)
    if (list.themes[i].name == activeName) return static_cast<int>(i);
  return list.themes.empty() ? -1 : 0;
}
