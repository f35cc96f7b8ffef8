#pragma once
// A menu and the records of its items, kept so that items can carry icons and
// be found by command; built from a menu of the resource library.
#include <memory>
#include <string>
#include <vector>

#include "platform/handles_win.h"

class MenuObject;

struct MenuItemRecord {
  int position = 0;
  UINT command = 0;
  std::string text;  // empty for separators
  bool separator = false;
  MenuObject* owner = nullptr;
  std::unique_ptr<MenuObject> submenu;
  IconHandle icon;
  IconHandle disabledIcon;
};

class MenuObject {
 public:
  MenuObject(HMENU menu, bool menuBar);
  ~MenuObject();
  MenuObject(const MenuObject&) = delete;
  MenuObject& operator=(const MenuObject&) = delete;

  HMENU handle() const { return menu_; }
  bool isMenuBar() const { return menuBar_; }
  const std::vector<std::unique_ptr<MenuItemRecord>>& items() const { return items_; }

  // Gives the item of this command (searched recursively) an icon; the object owns it.
  bool SetCommandIcon(UINT command, HICON icon);
  // The item whose text is `text` among this menu's items (not recursive).
  MenuItemRecord* FindByText(const std::string& text);
  MenuItemRecord* FindByCommand(UINT command);
  // Changes an item's text, in the record and in the menu.
  void SetItemText(MenuItemRecord* item, const std::string& text);

 private:
  void Build();
  HMENU menu_;
  bool menuBar_;
  std::vector<std::unique_ptr<MenuItemRecord>> items_;
};
