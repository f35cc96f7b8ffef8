#pragma once
// The locale's string mappings for ConvertSelection (LocaleMapFn).
#include <string>
#include <string_view>

#include "platform/win_types.h"

bool LocaleMapText(int id, std::string_view in, std::string& out);
