#pragma once
// Steps of start-up and shutdown that belong to other subsystems. Each is
// implemented by its subsystem; the ones not built yet do the least that lets
// the program start and close cleanly.

// Crash-recovery directory of this instance (created at start-up, removed at shutdown).
void CreateRecoveryDir();
void RemoveRecoveryDir();
// Offers to restore documents of an instance that ended abnormally; true when restored.
bool OfferRecovery();
// One backup of the open text documents (the frame's 10-second timer).
void StartBackup();

// BREGEXP.DLL and nkf32.dll, looked up before the main window exists.
void LoadAncillaryLibraries();
void FreeAncillaryLibraries();

// EditorSettings: created and loaded at start-up, saved at shutdown.
void LoadSettingsAtStartUp();
void SaveSettingsAtShutdown();

// State of the background class-view scan; shutdown waits for a running scan.
void CreateClassViewState();
void FreeClassViewState();
bool ClassViewScanRunning();
// Asks a running class-view scan to post WM_CLOSE to the frame when it ends.
void RequestCloseAfterClassViewScan();

// Theme list: built at start-up (active theme copied into the colours), freed at shutdown.
void LoadThemesAtStartUp();
void FreeThemes();
