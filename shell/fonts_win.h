#pragma once
#include "platform/win_types.h"

// Creates the process-wide fonts from the settings and the fixed table (they
// are freed with g_app.fonts).
void CreateAppFonts();
