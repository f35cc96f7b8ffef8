#pragma once
// The command items of a menu tree: items that are neither popups nor
// separators and have an ID name. Only they get an ID constant, a row in the
// event browser and a dispatched MenuClick handler.
#include <vector>

#include "project/window_def.h"

bool IsMenuCommand(const MenuItemDef& item);
// Depth-first, in order.
void CollectMenuCommands(const MenuItemDef& menu, std::vector<const MenuItemDef*>& out);
