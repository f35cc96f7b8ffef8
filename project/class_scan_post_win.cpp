#include "project/class_scan_post_win.h"

#include "files/file_io_win.h"
#include "shell/messages_win.h"

ScanResultPoster MakeClassScanPoster(HWND target) {
  return [target](std::unique_ptr<ClassScanResult> result) {
    ClassScanResult* raw = result.release();
    if (!PostMessageA(target, kMsgClassScanResult, 0, reinterpret_cast<LPARAM>(raw))) delete raw;
  };
}

std::unique_ptr<ClassScanResult> TakeClassScanResult(LPARAM lParam) {
  return std::unique_ptr<ClassScanResult>(reinterpret_cast<ClassScanResult*>(lParam));
}

void DiscardClassScanResults(HWND target) {
  MSG msg;
  while (PeekMessageA(&msg, target, kMsgClassScanResult, kMsgClassScanResult, PM_REMOVE)) {
    TakeClassScanResult(msg.lParam);
  }
}

ScanFileReader ClassScanFileReader() {
  return [](const std::string& path, std::string& bytes) { return ReadWholeFile(path, bytes); };
}
