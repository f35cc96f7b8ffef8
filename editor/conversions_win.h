#pragma once
// The locale's string mappings for ConvertSelection (LocaleMapFn).
#include <string>
#include <string_view>

#include "editor/editing.h"
#include "platform/win_types.h"

bool LocaleMapText(Conversion conversion, std::string_view in, std::string& out);
