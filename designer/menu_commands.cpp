#include "designer/menu_commands.h"

bool IsMenuCommand(const MenuItemDef& item) {
  return !item.isPopup && item.kind == MenuItemKind::kCommand && item.idName && !item.idName->empty();
}

void CollectMenuCommands(const MenuItemDef& menu, std::vector<const MenuItemDef*>& out) {
  for (const MenuItemDef& item : menu.children) {
    if (item.isPopup) {
      CollectMenuCommands(item, out);
    } else if (IsMenuCommand(item)) {
      out.push_back(&item);
    }
  }
}
