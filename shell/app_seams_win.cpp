// Steps of subsystems that are not built yet (start-up, shutdown, the message
// loop, owner-drawn menus): the least that lets the program start and close cleanly.
#include "shell/app_win.h"
#include "shell/app_seams_win.h"
#include "shell/frame_commands_win.h"
#include "shell/frame_win.h"

bool OfferRecovery() { return false; }
void StartBackup() {}

void CreateClassViewState() {}
void FreeClassViewState() {}
bool ClassViewScanRunning() { return false; }

void RequestCloseAfterClassViewScan() {}

bool DesignerPropertyDialogsTakeMessage(MSG*) { return false; }
void DestroyFrameImageLists() {}
LRESULT MenuOwnerDraw(UINT, LPARAM) { return FALSE; }
