// The icon editor's command group: the tools 40119-40128, for the active icon
// document (the tool palette's buttons and anything else that sends them).
#include "iconedit/icon_document_win.h"
#include "shell/command_table_win.h"
#include "shell/doc_windows_win.h"

bool HandleIconCommand(UINT id) {
  if (!IsIconToolCommand(static_cast<int>(id))) return false;
  if (IconDocumentWindow* window = IconWindowOf(ActiveSlot())) window->ChooseTool(static_cast<IconTool>(id));
  return true;
}
