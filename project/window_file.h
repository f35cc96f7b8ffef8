#pragma once
// The window definition file (Name.wnd): every window with its controls, then
// every menu with its item tree.
#include <string>
#include <string_view>
#include <vector>

#include "project/read_result.h"
#include "project/window_def.h"

std::string BuildWindowFile(const std::vector<WindowDef>& windows, const std::vector<MenuDef>& menus);

// Reads what BuildWindowFile writes (also with the MENUID/ICONID lines
// missing or window keys in another order) and, on success, replaces both
// lists; on failure neither changes.
ReadResult ReadWindowFile(std::string_view bytes, std::string_view fileName, std::vector<WindowDef>& windows,
                          std::vector<MenuDef>& menus);
