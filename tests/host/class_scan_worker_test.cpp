// The scan worker on its thread: it reads snapshots and files, posts exactly
// one result per job, can be cancelled, and, driven as the pane drives it
// while the GUI thread keeps editing the document, ends with the tree of the
// last text.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "class_view_test_support.h"
#include "editor/text_document.h"
#include "project/class_scan_job.h"
#include "project/class_view_state.h"

namespace {

class Mailbox {
 public:
  ScanResultPoster Poster() {
    return [this](std::unique_ptr<ClassScanResult> r) {
      std::lock_guard<std::mutex> lock(m_);
      q_.push_back(std::move(r));
      cv_.notify_all();
    };
  }
  // The next result; null after 30 s (a lost result fails the test, never hangs it).
  std::unique_ptr<ClassScanResult> Wait() {
    std::unique_lock<std::mutex> lock(m_);
    if (!cv_.wait_for(lock, std::chrono::seconds(30), [&] { return !q_.empty(); })) return nullptr;
    return Pop();
  }
  std::unique_ptr<ClassScanResult> TryTake() {
    std::lock_guard<std::mutex> lock(m_);
    return q_.empty() ? nullptr : Pop();
  }

 private:
  std::unique_ptr<ClassScanResult> Pop() {
    auto r = std::move(q_.front());
    q_.pop_front();
    return r;
  }
  std::mutex m_;
  std::condition_variable cv_;
  std::deque<std::unique_ptr<ClassScanResult>> q_;
};

ScanFileReader DiskOf(std::map<std::string, std::string> files) {
  return [files](const std::string& path, std::string& bytes) {
    auto it = files.find(path);
    if (it == files.end()) return false;
    bytes = it->second;
    return true;
  };
}

ClassScanJob Job(int scope, std::vector<ScanSource> sources, uint64_t serial = 1) {
  ClassScanJob job;
  job.serial = serial;
  job.file = scope;
  job.projectName = "P";
  job.sources = std::move(sources);
  return job;
}

std::shared_ptr<const std::string> Text(const char* s) { return std::make_shared<const std::string>(s); }

TEST(ClassScanWorker, ScansSnapshotsAndFilesOnDisk) {
  Mailbox mail;
  ClassScanWorker worker(DiskOf({{"C:\\p\\b.sbp", "Class B\nx As Long\nEnd Class\n\nSub G()\n"}}), mail.Poster());
  ASSERT_TRUE(worker.Run(Job(kScanAllFiles, {{"C:\\p\\a.sbp", Text("Class A\r\nEnd Class\r\n")},
                                             {"C:\\p\\b.sbp", nullptr},
                                             {"C:\\p\\gone.sbp", nullptr}},
                             5)));
  auto r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_EQ(r->serial, 5u);
  EXPECT_FALSE(r->cancelled || r->needsAllFiles || r->resetTree);
  EXPECT_EQ(r->unreadable, std::vector<std::string>{"C:\\p\\gone.sbp"});
  FakeTreeView view;
  view.ApplyAll(r->changes.ops);
  EXPECT_EQ(view.Dump(), "P クラス/3\n  A/2\n  B/2\n    x/6\n  グローバル関数/0\n    G/5\n");
  ASSERT_EQ(r->changes.fileEntries.size(), 3u);
  EXPECT_EQ(r->changes.fileEntries[1].path, "C:\\p\\b.sbp");
  ASSERT_EQ(r->changes.fileEntries[1].entries.size(), 3u);
  EXPECT_EQ(view.items[r->changes.fileEntries[1].entries[2].item].text, "G");
  EXPECT_EQ(r->changes.fileEntries[1].entries[2].place.line, 4);  // the file's LF line ends count
  EXPECT_TRUE(r->changes.fileEntries[2].entries.empty());
  EXPECT_EQ(mail.TryTake(), nullptr);  // one result per job
}

TEST(ClassScanWorker, OneFileJobsNeedTheTreeOfTheSameFileList) {
  Mailbox mail;
  ClassScanWorker worker(DiskOf({}), mail.Poster());
  const std::vector<ScanSource> two = {{"a", Text("Sub A()")}, {"b", Text("Sub B()")}};
  ASSERT_TRUE(worker.Run(Job(1, two)));
  auto r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->needsAllFiles);
  EXPECT_TRUE(r->changes.ops.empty());

  ASSERT_TRUE(worker.Run(Job(kScanAllFiles, two)));
  ASSERT_TRUE(mail.Wait());
  ASSERT_TRUE(worker.Run(Job(1, {{"a", nullptr}, {"b", Text("Sub B2()")}})));
  r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->needsAllFiles);
  ASSERT_EQ(r->changes.ops.size(), 1u);  // B renamed B2 in place
  EXPECT_EQ(r->changes.ops[0].kind, ClassTreeOpKind::kUpdate);
  EXPECT_EQ(r->changes.ops[0].text, "B2");

  ASSERT_TRUE(worker.Run(Job(0, {{"a", nullptr}, {"b", nullptr}, {"c", nullptr}})));
  r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->needsAllFiles);  // a file was added: the list differs
  worker.Reset();
  ASSERT_TRUE(worker.Run(Job(0, two)));
  r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->needsAllFiles);  // the model was forgotten
}

TEST(ClassScanWorker, CancelStopsBeforeTheNextFileAndChangesNothing) {
  Mailbox mail;
  std::mutex m;
  std::condition_variable cv;
  bool entered = false, release = false;
  ScanFileReader slow = [&](const std::string&, std::string& bytes) {
    std::unique_lock<std::mutex> lock(m);
    entered = true;
    cv.notify_all();
    cv.wait(lock, [&] { return release; });
    bytes = "Sub S()";
    return true;
  };
  ClassScanWorker worker(slow, mail.Poster());
  ASSERT_TRUE(worker.Run(Job(kScanAllFiles, {{"a", nullptr}, {"b", nullptr}})));
  {
    std::unique_lock<std::mutex> lock(m);
    cv.wait(lock, [&] { return entered; });
  }
  EXPECT_TRUE(worker.Busy());
  EXPECT_FALSE(worker.Run(Job(kScanAllFiles, {})));  // one scan at a time
  worker.Cancel();
  {
    std::lock_guard<std::mutex> lock(m);
    release = true;
  }
  cv.notify_all();
  auto r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->cancelled);
  EXPECT_TRUE(r->changes.ops.empty());
  EXPECT_TRUE(r->changes.fileEntries.empty());
  worker.Stop();
  EXPECT_FALSE(worker.Busy());
  ASSERT_TRUE(worker.Run(Job(0, {{"a", Text("")}, {"b", Text("")}})));
  r = mail.Wait();
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->needsAllFiles);  // the cancelled scan built no tree
}

ProjectState TwoFileProject() {
  ProjectState p;
  p.projectName = "P";
  p.projectDir = "C:\\p\\";
  p.sourceFiles = {ProjectFile{"main.sbp", nullptr}, ProjectFile{"sub\\other.sbp", nullptr}};
  return p;
}

TEST(ClassScanJob, SnapshotsTheOpenFilesTheScanReads) {
  const ProjectState project = TwoFileProject();
  TextDocument doc("Class A\r\nEnd Class\r\n", DocumentKind::kSource);
  const std::vector<OpenText> open = {{"c:\\P\\MAIN.SBP", &doc}};  // paths compare without regard to case

  ClassScanJob job = BuildClassScanJob(project, kScanAllFiles, 9, open);
  EXPECT_EQ(job.serial, 9u);
  EXPECT_EQ(job.projectName, "P");
  ASSERT_EQ(job.sources.size(), 2u);
  EXPECT_EQ(job.sources[0].path, "C:\\p\\main.sbp");
  EXPECT_EQ(job.sources[1].path, "C:\\p\\sub\\other.sbp");
  ASSERT_TRUE(job.sources[0].text);
  EXPECT_EQ(*job.sources[0].text, "Class A\r\nEnd Class\r\n");
  EXPECT_FALSE(job.sources[1].text);

  // Later edits do not reach a snapshot.
  doc.PlaceSelection(6, 7);
  ASSERT_TRUE(doc.ReplaceSelection("Changed"));
  EXPECT_EQ(*job.sources[0].text, "Class A\r\nEnd Class\r\n");

  // A one-file job copies only the file it scans.
  EXPECT_FALSE(BuildClassScanJob(project, 1, 1, open).sources[0].text);
  EXPECT_TRUE(BuildClassScanJob(project, 0, 1, open).sources[0].text);
}

// The pane's part, as the Win32 layer does it: steps become a timer, jobs and
// posted messages; results are applied one small batch per message.
struct PaneSim {
  ProjectState project = TwoFileProject();
  std::vector<OpenText> open;
  Mailbox mail;  // before the worker: the worker goes first
  ClassScanWorker worker{DiskOf({{"C:\\p\\sub\\other.sbp", "Sub Other()\r\n"}}), mail.Poster()};
  ClassViewState state;
  FakeTreeView view;
  bool timerArmed = false;
  bool applying = false;
  int jumps = 0;
  int scans = 0;

  void Do(const ClassScanStep& s) {
    if (s.armTimer) timerArmed = true;
    if (s.startScan != kScanNone) {
      ++scans;
      if (!worker.Run(BuildClassScanJob(project, s.startScan, state.serial, open))) Do(AbandonClassScan(state, s.startScan));
    }
    if (s.postJump) ++jumps;
  }
  void Timer() {
    if (!timerArmed) return;
    timerArmed = false;
    Do(OnClassScanTimer(state));
  }
  // One message: a batch of the result being applied, or a posted result.
  void Pump(bool wait) {
    if (applying) {
      ClassTreeBatch b = NextClassTreeBatch(state, 2);
      if (b.resetTree) view = FakeTreeView();
      for (size_t i = 0; i < b.count; ++i) view.Apply(b.ops[i]);
      if (b.last) {
        applying = false;
        Do(b.then);
      }
      return;
    }
    auto r = wait ? mail.Wait() : mail.TryTake();
    if (wait) {
      ASSERT_TRUE(r) << "no result";
    }
    if (r && AcceptClassScanResult(state, std::move(r))) applying = true;
  }
  bool Idle() const { return !state.scanRunning && state.pendingScan == kScanNone && !timerArmed && !applying; }
  void Settle() {
    while (!Idle() && !::testing::Test::HasFailure()) {
      if (applying) {
        Pump(false);
      } else if (state.scanRunning) {
        Pump(true);
      } else {
        Timer();
      }
    }
  }
};

TEST(ClassScanWorker, TheGuiKeepsTypingWhileScansRunOnSnapshots) {
  PaneSim pane;
  TextDocument doc("Class K0\r\nPublic\r\nSub M()\r\nEnd Sub\r\nEnd Class\r\n", DocumentKind::kSource);
  pane.open = {{"C:\\p\\main.sbp", &doc}};
  pane.Do(StartClassScan(pane.state, 0));
  std::string name = "K0";
  for (int i = 1; i <= 300 && !::testing::Test::HasFailure(); ++i) {
    // A keystroke: the live text changes (and its buffers move) while the
    // worker may be scanning a snapshot of an earlier text.
    const std::string next = "K" + std::to_string(i);
    doc.PlaceSelection(6 + static_cast<int>(name.size()), 6);
    ASSERT_TRUE(doc.ReplaceSelection(next));
    name = next;
    if (i % 7 == 0) {
      doc.PlaceSelection(doc.Length(), doc.Length());
      ASSERT_TRUE(doc.ReplaceSelection("' 表示の行 " + std::string(static_cast<size_t>(i), 'x') + "\r\n"));
    }
    pane.Do(StartClassScan(pane.state, 0));
    if (i % 5 == 0) pane.Timer();  // the quiet delay passed
    if (i % 10 == 0 && pane.state.scanRunning && !pane.applying) pane.Pump(true);  // let the scan finish
    if (i == 150) DeferJumpForClassScan(pane.state);
    pane.Pump(false);
    pane.Pump(false);
  }
  pane.Settle();
  EXPECT_EQ(pane.view.Dump(), "P クラス/3\n  " + name + "/2\n    M/5\n  グローバル関数/0\n    Other/5\n");
  EXPECT_LE(pane.jumps, 1);
  EXPECT_GE(pane.scans, 10);  // many scans ran while the text changed
  const ClassNodeId k = pane.view.Paths().at("/P クラス/" + name);
  const ClassViewTarget t = FindClassViewEntry(pane.state, k);
  ASSERT_TRUE(t.entry);
  EXPECT_EQ(*t.path, "C:\\p\\main.sbp");
  EXPECT_EQ(t.entry->place.line, 0);
  const ClassViewTarget other = FindClassViewEntry(pane.state, pane.view.Paths().at("/P クラス/グローバル関数/Other"));
  ASSERT_TRUE(other.entry);
  EXPECT_EQ(*other.path, "C:\\p\\sub\\other.sbp");
}

}  // namespace
