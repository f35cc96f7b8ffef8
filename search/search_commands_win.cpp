// Find and replace commands of the frame.
#include "resources/ids.h"
#include "search/search_dialogs_win.h"
#include "shell/command_table_win.h"

bool HandleSearchCommand(UINT id) {
  switch (id) {
    case ID_SEARCH_FIND: ShowFindDialog(); return true;
    case ID_SEARCH_REPLACE: ShowReplaceDialog(); return true;
    case ID_SEARCH_FINDNEXT: RepeatLastSearch(); return true;
  }
  return false;
}
