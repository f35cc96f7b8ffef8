#pragma once
// The open project, as far as the frame needs it. No project can be opened yet.
bool ProjectIsOpen();
// Closes the open project; false when the user refused.
bool CloseProject();
// Asks a running class-view scan to post WM_CLOSE to the frame when it ends.
void RequestCloseAfterClassViewScan();
// Saves the open project's files.
void SaveProject();
