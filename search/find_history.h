#pragma once
// The 20-entry find and replacement histories, newest first.
#include <string>

#include "shell/editor_settings.h"

// Puts text at the front: an entry equal to it (exact comparison) moves up,
// otherwise every entry shifts down and the 20th is lost. Empty texts are
// not recorded.
void HistoryAdd(SearchHistory& history, const std::string& text);
