#pragma once
// The class-view scan thread. It reads only what the GUI thread handed it (a
// copy of each open document's text, the paths of the others), keeps the
// class view's model between scans, and hands every result to a poster (the
// Win32 layer posts it to the project view as a message). It never touches a
// window or a live document.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "project/class_view_model.h"

// Scan requests: one file's index, all files, or none.
constexpr int kScanNone = -2;
constexpr int kScanAllFiles = -1;

struct ScanSource {
  std::string path;                         // absolute
  std::shared_ptr<const std::string> text;  // an open document's text; null: the file on disk
};

struct ClassScanJob {
  uint64_t serial = 0;
  int file = kScanAllFiles;  // or one index of sources
  std::string projectName;
  std::vector<ScanSource> sources;  // every source file of the project, in list order
};

struct ClassScanResult {
  uint64_t serial = 0;
  // Stopped before it changed anything: no operations, no entries.
  bool cancelled = false;
  // A one-file job that needs a scan of all files first (no tree yet, or the
  // file list is not the one the tree was built from). Nothing changed.
  bool needsAllFiles = false;
  // The worker lost its model (out of memory): empty the tree and the
  // entries, then apply the operations (none) and scan all files again.
  bool resetTree = false;
  ClassViewChanges changes;
  std::vector<std::string> unreadable;  // files that could not be read (scanned as empty)
};

// Reads a whole file; false when it cannot be read.
using ScanFileReader = std::function<bool(const std::string& path, std::string& bytes)>;
// Called on the worker thread with each result, exactly once per job run.
using ScanResultPoster = std::function<void(std::unique_ptr<ClassScanResult>)>;

// One file's declarations: the document's text when it is open (CR LF), else
// the file read from disk (line ends as its first one). An unreadable file
// declares nothing and its path is added to `unreadable`.
FileScan ScanFile(const ScanSource& source, const ScanFileReader& read, std::vector<std::string>& unreadable);

class ClassScanWorker {
 public:
  ClassScanWorker(ScanFileReader read, ScanResultPoster post);
  ClassScanWorker(const ClassScanWorker&) = delete;
  ClassScanWorker& operator=(const ClassScanWorker&) = delete;
  ~ClassScanWorker();

  // Starts the job on a new thread; false (nothing started) while a job runs.
  bool Run(ClassScanJob job);
  bool Busy() const { return busy_.load(); }
  // Asks the running job to stop before its next file; it posts a cancelled
  // result.
  void Cancel() { cancel_.store(true); }
  // Cancel and wait for the thread (shutdown, project close).
  void Stop();
  // Stop, then forget the model: the view's tree was emptied.
  void Reset();

 private:
  void Work(ClassScanJob job);
  std::unique_ptr<ClassScanResult> Scan(const ClassScanJob& job);

  ScanFileReader read_;
  ScanResultPoster post_;
  std::thread thread_;
  std::atomic<bool> busy_{false};
  std::atomic<bool> cancel_{false};
  // Touched only by the running job, or by Reset once no job runs.
  ClassViewModel model_;
  std::vector<std::string> paths_;  // the file list the model's tree was built from
};
