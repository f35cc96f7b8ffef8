#pragma once
// The class-view worker's hand-over to the GUI thread: each result travels
// as a posted message to the project view, which takes it back as an owned
// record. The only Win32 part of the scan.
#include <windows.h>

#include <memory>

#include "project/class_scan_worker.h"

// For ClassScanWorker: posts kMsgClassScanResult (lParam = the result) to
// `target`; a result that cannot be posted (the window is gone) is freed.
ScanResultPoster MakeClassScanPoster(HWND target);

// The result a kMsgClassScanResult carries, owned again.
std::unique_ptr<ClassScanResult> TakeClassScanResult(LPARAM lParam);

// Frees the results still queued for the window; call after the worker has
// stopped and before the window is destroyed.
void DiscardClassScanResults(HWND target);

// Reads a project file for the worker: the whole file, silently (the result
// lists the files that could not be read).
ScanFileReader ClassScanFileReader();
