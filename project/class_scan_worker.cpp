#include "project/class_scan_worker.h"

#include "files/newline.h"

FileScan ScanFile(const ScanSource& source, const ScanFileReader& read, std::vector<std::string>& unreadable) {
  if (source.text) return ScanFileText(*source.text, Newline::kCrLf);
  std::string bytes;
  if (!read || !read(source.path, bytes)) {
    unreadable.push_back(source.path);
    return FileScan();
  }
  return ScanFileText(bytes, DetectNewline(bytes));
}

ClassScanWorker::ClassScanWorker(ScanFileReader read, ScanResultPoster post)
    : read_(std::move(read)), post_(std::move(post)) {}

ClassScanWorker::~ClassScanWorker() { Stop(); }

bool ClassScanWorker::Run(ClassScanJob job) {
  if (busy_.load()) return false;
  if (thread_.joinable()) thread_.join();  // the last job has posted; its thread is ending
  cancel_.store(false);
  busy_.store(true);
  try {
    thread_ = std::thread([this, j = std::move(job)]() mutable { Work(std::move(j)); });
  } catch (...) {
    busy_.store(false);
    return false;
  }
  return true;
}

void ClassScanWorker::Stop() {
  cancel_.store(true);
  if (thread_.joinable()) thread_.join();
}

void ClassScanWorker::Reset() {
  Stop();
  model_.Clear();
  paths_.clear();
}

void ClassScanWorker::Work(ClassScanJob job) {
  // Made first, so that running out of memory later still gives the GUI its
  // one result per job.
  std::unique_ptr<ClassScanResult> lost;
  try {
    lost = std::make_unique<ClassScanResult>();
  } catch (...) {
  }
  std::unique_ptr<ClassScanResult> result;
  try {
    result = Scan(job);
  } catch (...) {
    model_.Clear();
    paths_.clear();
    result = std::move(lost);
    if (result) {
      result->serial = job.serial;
      result->resetTree = true;
    }
  }
  // Free before the post: a Run that follows joins this thread, which ends
  // right after posting.
  busy_.store(false);
  if (result) post_(std::move(result));
}

std::unique_ptr<ClassScanResult> ClassScanWorker::Scan(const ClassScanJob& job) {
  auto result = std::make_unique<ClassScanResult>();
  result->serial = job.serial;
  const std::vector<ScanSource>& sources = job.sources;
  bool samePaths = paths_.size() == sources.size();
  for (size_t i = 0; samePaths && i < sources.size(); ++i) samePaths = paths_[i] == sources[i].path;

  if (job.file >= 0) {
    if (!model_.HasTree() || !samePaths || static_cast<size_t>(job.file) >= sources.size()) {
      result->needsAllFiles = true;
      return result;
    }
    FileScan scan = ScanFile(sources[static_cast<size_t>(job.file)], read_, result->unreadable);
    if (cancel_.load()) {
      result->cancelled = true;
      result->unreadable.clear();
      return result;
    }
    model_.ReplaceFile(job.file, std::move(scan), result->changes);
  } else {
    std::vector<FileScan> scans;
    scans.reserve(sources.size());
    for (const ScanSource& source : sources) {
      if (cancel_.load()) {
        result->cancelled = true;
        result->unreadable.clear();
        return result;
      }
      scans.push_back(ScanFile(source, read_, result->unreadable));
    }
    model_.ReplaceAll(job.projectName, std::move(scans), result->changes);
    paths_.clear();
    for (const ScanSource& source : sources) paths_.push_back(source.path);
  }
  for (ClassViewFileEntries& file : result->changes.fileEntries) {
    file.path = sources[static_cast<size_t>(file.fileIndex)].path;
  }
  return result;
}
