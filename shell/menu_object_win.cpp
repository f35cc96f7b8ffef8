#include "shell/menu_object_win.h"

MenuObject::MenuObject(HMENU menu, bool menuBar) : menu_(menu), menuBar_(menuBar) { Build(); }

MenuObject::~MenuObject() = default;

void MenuObject::Build() {
  int count = GetMenuItemCount(menu_);
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<MenuItemRecord>();
    char text[261] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu_, i, TRUE, &info)) continue;
    item->position = i;
    item->command = info.wID;
    item->owner = this;
    item->separator = (info.fType & MFT_SEPARATOR) != 0;
    if (!item->separator) item->text = text;
    if (info.hSubMenu) item->submenu = std::make_unique<MenuObject>(info.hSubMenu, false);
    items_.push_back(std::move(item));
  }
}

MenuItemRecord* MenuObject::FindByCommand(UINT command) {
  for (auto& item : items_) {
    if (item->submenu) {
      if (MenuItemRecord* found = item->submenu->FindByCommand(command)) return found;
    } else if (!item->separator && item->command == command) {
      return item.get();
    }
  }
  return nullptr;
}

MenuItemRecord* MenuObject::FindByText(const std::string& text) {
  for (auto& item : items_)
    if (item->text == text) return item.get();
  return nullptr;
}

bool MenuObject::SetCommandIcon(UINT command, HICON icon) {
  IconHandle owned(icon);
  MenuItemRecord* item = FindByCommand(command);
  if (!item || !owned) return false;
  item->icon = std::move(owned);
  return true;
}

void MenuObject::SetItemText(MenuItemRecord* item, const std::string& text) {
  item->text = text;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(item->text.c_str());
  SetMenuItemInfoA(item->owner->menu_, item->position, TRUE, &info);
}
