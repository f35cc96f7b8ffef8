#pragma once
// Placing dialogs and tool windows over the main frame.
#include "platform/win_types.h"

// Moves a window (keeping its size) so that it sits centred on the frame;
// nothing happens while there is no frame.
void CentreOnFrame(HWND window);
