// The class view's scan of a large project: 2,000 source files of 20 KB (40 MB)
// with classes, methods, fields and procedures, Japanese comments and block
// comments. A scan of all files (worker thread: read, recognise, build the
// tree's operations and the entries) against plain reads of the same files in
// the same process; a one-file rescan after an edit; and the GUI thread's
// parts: a keystroke's request, the snapshot at a scan's start, one batch.
#include <benchmark/benchmark.h>

#include <time.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "bench_files.h"
#include "editor/text_document.h"
#include "project/class_scan_job.h"
#include "project/class_view_state.h"

namespace {

constexpr int kFiles = 2000;
constexpr size_t kFileBytes = 20 * 1024;

// One file: classes of six methods with bodies and two fields, each followed
// by procedures; names carry the file's number so no two files share one.
std::string MakeSourceFile(int file, const std::string& methodPrefix = "Method") {
  const std::string f = std::to_string(file);
  std::string t;
  t.reserve(kFileBytes + 2048);
  t += "' ソースファイル " + f + " の説明\r\n#include \"common.sbp\"\r\n\r\n";
  for (int c = 0; t.size() < kFileBytes; ++c) {
    const std::string name = "Class" + f + "_" + std::to_string(c);
    t += "Class " + name + "\r\n";
    if (c > 0) t += "  Inherits Class" + f + "_" + std::to_string(c - 1) + "\r\n";
    t += "Public\r\n";
    for (int m = 0; m < 6; ++m) {
      const std::string method = methodPrefix + std::to_string(m);
      t += "  Function " + method + "(a As Long, b As String) As Long ' 表示の処理\r\n";
      t += "    Dim tmp As Long\r\n    tmp = a * 2 : " + method + " = tmp\r\n";
      t += "    If tmp > 0 Then Print \"値: \" + Str$(tmp) ' 能力\r\n";
      t += "  End Function\r\n";
    }
    t += "  Sub ~" + name + "()\r\n  End Sub\r\n";
    t += "Private\r\n  value As Long\r\n  text As String ' ソース\r\n";
    t += "End Class\r\n\r\n";
    for (int p = 0; p < 4; ++p) {
      t += "Sub Proc" + f + "_" + std::to_string(c * 4 + p) + "(x As Long, ByRef y As " + name + ")\r\n";
      t += "  Dim i As Long, s As String\r\n  For i = 1 To 10\r\n    If x > i Then\r\n";
      t += "      s = s + \"a:b\" ' コメント\r\n    End If\r\n  Next\r\n  /* ブロック\r\n     コメント */\r\nEnd Sub\r\n";
    }
  }
  return t;
}

class Mailbox {
 public:
  ScanResultPoster Poster() {
    return [this](std::unique_ptr<ClassScanResult> r) {
      std::lock_guard<std::mutex> lock(m_);
      result_ = std::move(r);
      cv_.notify_all();
    };
  }
  std::unique_ptr<ClassScanResult> Wait() {
    std::unique_lock<std::mutex> lock(m_);
    cv_.wait(lock, [&] { return result_ != nullptr; });
    return std::move(result_);
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  std::unique_ptr<ClassScanResult> result_;
};

struct Fixture {
  std::string dir;
  ProjectState project;
  size_t bytes = 0;

  Fixture() {
    char tmpl[] = "/tmp/quillet_bench_classes_XXXXXX";
    dir = mkdtemp(tmpl) ? tmpl : "/tmp";
    project.projectName = "Large";
    project.projectDir = dir + "/";
    for (int i = 0; i < kFiles; ++i) {
      const std::string name = "module" + std::to_string(i) + ".sbp";
      const std::string text = MakeSourceFile(i);
      bytes += text.size();
      WriteAll((dir + "/" + name).c_str(), text);
      project.sourceFiles.push_back(ProjectFile{name, nullptr});
    }
  }
  ~Fixture() {
    for (const ProjectFile& f : project.sourceFiles) std::remove((dir + "/" + f.path).c_str());
    rmdir(dir.c_str());
  }
  // Host paths: the project's "absolute" paths are directory + name here.
  std::vector<ScanSource> Sources() const {
    std::vector<ScanSource> out;
    for (const ProjectFile& f : project.sourceFiles) out.push_back(ScanSource{dir + "/" + f.path, nullptr});
    return out;
  }
};

Fixture& F() {
  static Fixture f;
  return f;
}

bool ReadFile(const std::string& path, std::string& bytes) { return ReadAll(path.c_str(), bytes); }

// Scans run on the worker while this thread waits: the process's CPU time is
// the worker's, and does not count the time other programs on a shared
// machine take the cores away. Wall time is reported beside it.
double ProcessSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Runs the job and waits for its result; the iteration's time is the CPU
// time it took.
std::unique_ptr<ClassScanResult> Timed(benchmark::State& state, ClassScanWorker& worker, Mailbox& mail, ClassScanJob job,
                                       double& wall) {
  const auto start = std::chrono::steady_clock::now();
  const double cpu = ProcessSeconds();
  worker.Run(std::move(job));
  auto r = mail.Wait();
  state.SetIterationTime(ProcessSeconds() - cpu);
  wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return r;
}

ClassScanJob AllFilesJob(uint64_t serial) {
  ClassScanJob job;
  job.serial = serial;
  job.file = kScanAllFiles;
  job.projectName = F().project.projectName;
  job.sources = F().Sources();
  return job;
}

void BM_ReadProjectFiles(benchmark::State& state) {
  Fixture& f = F();
  const std::vector<ScanSource> sources = f.Sources();
  for (auto _ : state) {
    for (const ScanSource& s : sources) {
      std::string bytes;
      ReadFile(s.path, bytes);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
}

// The first scan of the project: an empty tree becomes the whole tree.
void BM_ScanProjectFirst(benchmark::State& state) {
  Fixture& f = F();
  size_t ops = 0, entries = 0;
  double wall = 0;
  for (auto _ : state) {
    Mailbox mail;
    ClassScanWorker worker(ReadFile, mail.Poster());
    auto r = Timed(state, worker, mail, AllFilesJob(1), wall);
    ops = r->changes.ops.size();
    entries = 0;
    for (const ClassViewFileEntries& e : r->changes.fileEntries) entries += e.entries.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
  state.counters["ops"] = static_cast<double>(ops);
  state.counters["entries"] = static_cast<double>(entries);
  state.counters["wall_ms"] = wall * 1e3 / static_cast<double>(state.iterations());
}

// A scan of all files again (a file was added or removed): the tree exists,
// nothing in it changes.
void BM_ScanProjectAgain(benchmark::State& state) {
  Fixture& f = F();
  Mailbox mail;
  ClassScanWorker worker(ReadFile, mail.Poster());
  worker.Run(AllFilesJob(1));
  mail.Wait();
  size_t ops = 0;
  uint64_t serial = 2;
  double wall = 0;
  for (auto _ : state) ops = Timed(state, worker, mail, AllFilesJob(serial++), wall)->changes.ops.size();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
  state.counters["ops"] = static_cast<double>(ops);
  state.counters["wall_ms"] = wall * 1e3 / static_cast<double>(state.iterations());
}

// An edit in an open file (one method of each of its classes renamed, back
// and forth): a scan of that file alone, from the snapshot of its text.
void BM_RescanOneFile(benchmark::State& state) {
  Mailbox mail;
  ClassScanWorker worker(ReadFile, mail.Poster());
  worker.Run(AllFilesJob(1));
  mail.Wait();
  const int file = kFiles / 2;
  const auto before = std::make_shared<const std::string>(MakeSourceFile(file));
  const auto after = std::make_shared<const std::string>(MakeSourceFile(file, "Renamed"));
  size_t ops = 0, entries = 0;
  uint64_t serial = 2;
  bool flip = false;
  double wall = 0;
  for (auto _ : state) {
    ClassScanJob job = AllFilesJob(serial++);
    job.file = file;
    job.sources[file].text = (flip = !flip) ? after : before;
    auto r = Timed(state, worker, mail, std::move(job), wall);
    ops = r->changes.ops.size();
    entries = r->changes.fileEntries.size() == 1 ? r->changes.fileEntries[0].entries.size() : 0;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * before->size()));
  state.counters["ops"] = static_cast<double>(ops);
  state.counters["file_entries"] = static_cast<double>(entries);
  state.counters["wall_us"] = wall * 1e6 / static_cast<double>(state.iterations());
}

// A keystroke's whole share of the class view: one request merged, the
// timer re-armed.
void BM_KeystrokeRequest(benchmark::State& state) {
  ClassViewState s;
  s.scannedOnce = true;
  s.treeBuilt = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StartClassScan(s, 7));
  }
}

// At a scan's start, on the GUI thread: the job of one file of the 2,000 with
// a snapshot of its 1 MB open document.
void BM_SnapshotAtScanStart(benchmark::State& state) {
  Fixture& f = F();
  std::string text;
  while (text.size() < (1u << 20)) text += MakeSourceFile(static_cast<int>(text.size()));
  TextDocument doc(text, DocumentKind::kSource);
  const std::vector<OpenText> open = {{ProjectAbsolutePath(f.project, f.project.sourceFiles[5].path), &doc}};
  for (auto _ : state) {
    ClassScanJob job = BuildClassScanJob(f.project, 5, 1, open);
    benchmark::DoNotOptimize(job.sources[5].text.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// One message of the GUI thread while the first scan's result is applied:
// a batch of 256 operations handed out (the tree calls are the Win32
// layer's, about one TVM_INSERTITEM per operation).
void BM_ApplyBatchBookkeeping(benchmark::State& state) {
  Mailbox mail;
  ClassScanWorker worker(ReadFile, mail.Poster());
  worker.Run(AllFilesJob(1));
  std::unique_ptr<ClassScanResult> first = mail.Wait();
  const std::vector<ClassTreeOp> ops = first->changes.ops;
  ClassViewState s;
  size_t batches = 0;
  for (auto _ : state) {
    state.PauseTiming();
    s = ClassViewState();
    StartClassScan(s, kScanAllFiles);
    auto copy = std::make_unique<ClassScanResult>();
    copy->serial = s.serial;
    copy->changes.ops = ops;
    AcceptClassScanResult(s, std::move(copy));
    state.ResumeTiming();
    batches = 0;
    for (;;) {
      ClassTreeBatch b = NextClassTreeBatch(s, 256);
      ++batches;
      if (b.last) break;
    }
  }
  state.counters["batches"] = static_cast<double>(batches);
}

}  // namespace

BENCHMARK(BM_ReadProjectFiles)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ScanProjectFirst)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ScanProjectAgain)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_RescanOneFile)->Unit(benchmark::kMicrosecond)->UseManualTime()->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeystrokeRequest)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_SnapshotAtScanStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ApplyBatchBookkeeping)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
