// Provisional: find and replace commands arrive here once their dialogs exist.
#include "shell/frame_commands_win.h"

bool DispatchSearchCommand(UINT id) {
  CommandNotAvailable(id);
  return false;
}
