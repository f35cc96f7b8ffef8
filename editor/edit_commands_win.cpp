// Provisional: editing commands arrive here once the editing operations exist.
#include "shell/frame_commands_win.h"

bool DispatchTextCommand(int, UINT id) {
  CommandNotAvailable(id);
  return false;
}
