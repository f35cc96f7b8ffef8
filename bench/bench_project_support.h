#pragma once
// The menus of the large project that the project and code-generation
// benchmarks build: `count` menus of five popups of ten items (one a
// separator), captions with quotes, a backslash and a tab.
#include <string>

#include "project/project_state.h"
#include "project/window_def.h"

inline void AddLargeMenus(ProjectState& s, int count) {
  for (int m = 0; m < count; ++m) {
    MenuDef menu = MakeNewMenuDef("Menu" + std::to_string(m));
    for (int p = 0; p < 5; ++p) {
      MenuItemDef popup;
      popup.isPopup = true;
      popup.caption = "ファイル(&F)";
      for (int i = 0; i < 10; ++i) {
        MenuItemDef item;
        if (i == 5) {
          item.kind = MenuItemKind::kSeparator;
        } else {
          item.idName = "IDM_" + std::to_string(m) + "_" + std::to_string(p) + "_" + std::to_string(i);
          item.caption = "項目 \"" + std::to_string(i) + "\"\\tCtrl+" + std::to_string(i);
        }
        popup.children.push_back(item);
      }
      menu.children.push_back(popup);
    }
    s.menus.push_back(menu);
  }
}
