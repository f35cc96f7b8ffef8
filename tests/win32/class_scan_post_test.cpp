// The class-view worker under Windows: it reads project files from disk
// (Shift-JIS paths), and its results travel to the project view as posted
// messages that the GUI thread takes back; results nobody takes are freed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "files/file_io_win.h"
#include "project/class_scan_post_win.h"
#include "shell/messages_win.h"

namespace {

// Waits (boundedly) for the worker's message to the window.
bool WaitForResult(HWND target, MSG& msg) {
  for (int i = 0; i < 1000; ++i) {
    if (PeekMessageA(&msg, target, kMsgClassScanResult, kMsgClassScanResult, PM_REMOVE)) return true;
    Sleep(10);
  }
  return false;
}

ClassScanJob Job(uint64_t serial, std::vector<ScanSource> sources) {
  ClassScanJob job;
  job.serial = serial;
  job.file = kScanAllFiles;
  job.projectName = "P";
  job.sources = std::move(sources);
  return job;
}

TEST(ClassScanPost, ResultsTravelAsMessagesFromFilesOnDisk) {
  HWND target = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(target, nullptr);
  const std::string dir = TemporaryDirectory();
  const std::string path = dir + "quillet_class_scan_表示.sbp";
  ASSERT_TRUE(WriteWholeFile(path, "' 表示\nClass Shown\nPublic\nSub Show()\nEnd Sub\nEnd Class\n"));

  ClassScanWorker worker(ClassScanFileReader(), MakeClassScanPoster(target));
  ASSERT_TRUE(worker.Run(Job(3, {{path, nullptr}, {dir + "quillet_no_such_file.sbp", nullptr}})));
  MSG msg;
  ASSERT_TRUE(WaitForResult(target, msg));
  std::unique_ptr<ClassScanResult> r = TakeClassScanResult(msg.lParam);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->serial, 3u);
  EXPECT_EQ(r->unreadable, std::vector<std::string>{dir + "quillet_no_such_file.sbp"});
  std::string inserted;
  for (const ClassTreeOp& op : r->changes.ops) {
    if (op.kind == ClassTreeOpKind::kInsert) inserted += op.text + "|";
  }
  EXPECT_EQ(inserted, "P クラス|Shown|Show|グローバル関数|");
  ASSERT_EQ(r->changes.fileEntries.size(), 2u);
  EXPECT_EQ(r->changes.fileEntries[0].path, path);
  ASSERT_EQ(r->changes.fileEntries[0].entries.size(), 2u);
  EXPECT_EQ(r->changes.fileEntries[0].entries[1].place.line, 3);  // LF line ends, as the opened document shows them

  // A result still queued when the view goes is freed.
  ASSERT_TRUE(worker.Run(Job(4, {{path, nullptr}})));
  worker.Stop();
  DiscardClassScanResults(target);
  EXPECT_FALSE(PeekMessageA(&msg, target, kMsgClassScanResult, kMsgClassScanResult, PM_REMOVE));

  // Posting to a window that is gone frees the result.
  DestroyWindow(target);
  ASSERT_TRUE(worker.Run(Job(5, {{path, nullptr}})));
  worker.Stop();
  DeleteFileA(path.c_str());
}

}  // namespace
