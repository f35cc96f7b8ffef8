// The class view's schedule on the GUI thread: requests merge and are never
// lost, bursts wait for quiet, results apply in bounded batches, stale ones
// are dropped, and a close or jump waits for the running scan.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "project/class_view_state.h"

namespace {

std::string Show(const ClassScanStep& s) {
  std::string out;
  if (s.armTimer) out += "timer ";
  if (s.startScan == kScanAllFiles) out += "start:all ";
  if (s.startScan >= 0) out += "start:" + std::to_string(s.startScan) + " ";
  if (s.postClose) out += "close ";
  if (s.postJump) out += "jump ";
  if (out.empty()) return "-";
  out.pop_back();
  return out;
}

// A result of the running scan with `ops` insert operations and the entries
// of `files` (all files when scope is kScanAllFiles).
std::unique_ptr<ClassScanResult> Result(const ClassViewState& s, int ops, int scope, int files = 2) {
  auto r = std::make_unique<ClassScanResult>();
  r->serial = s.serial;
  for (int i = 0; i < ops; ++i) {
    ClassTreeOp op;
    op.id = static_cast<ClassNodeId>(i + 1);
    r->changes.ops.push_back(op);
  }
  r->changes.allFiles = scope == kScanAllFiles;
  for (int f = 0; f < files; ++f) {
    if (scope != kScanAllFiles && f != scope) continue;
    ClassViewFileEntries e{f, "file" + std::to_string(f), {}};
    e.entries.push_back(ClassViewEntry{f, 7, {}});  // "A", declared in every file
    e.entries.push_back(ClassViewEntry{f, static_cast<ClassNodeId>(10 + f), {}});
    r->changes.fileEntries.push_back(e);
  }
  return r;
}

// Applies the accepted result whole; returns the step of its end.
ClassScanStep ApplyAll(ClassViewState& s, size_t batch = 1000) {
  for (;;) {
    ClassTreeBatch b = NextClassTreeBatch(s, batch);
    if (b.last) return b.then;
    if (b.count == 0) return ClassScanStep();
  }
}

// A state whose first scan of all files has been applied.
ClassViewState Built() {
  ClassViewState s;
  EXPECT_EQ(Show(StartClassScan(s, kScanAllFiles)), "start:all");
  EXPECT_TRUE(AcceptClassScanResult(s, Result(s, 3, kScanAllFiles)));
  EXPECT_EQ(Show(ApplyAll(s)), "-");
  EXPECT_TRUE(s.treeBuilt);
  EXPECT_FALSE(s.scanRunning);
  return s;
}

TEST(ClassViewState, RequestsMerge) {
  struct Case {
    int pending, incoming, merged;
  };
  const Case cases[] = {
      {kScanNone, 3, 3},
      {3, 3, 3},
      {3, 5, kScanAllFiles},  // two different files become all files
      {kScanAllFiles, 3, kScanAllFiles},
      {3, kScanAllFiles, kScanAllFiles},
      {kScanNone, kScanAllFiles, kScanAllFiles},
      {3, kScanNone, 3},
      {kScanNone, kScanNone, kScanNone},
      {0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MergeScanRequests(c.pending, c.incoming), c.merged) << c.pending << " + " << c.incoming;
  }
}

TEST(ClassViewState, TheFirstScanStartsAtOnceAndCoversAllFiles) {
  ClassViewState s;
  EXPECT_EQ(Show(StartClassScan(s, 3)), "start:all");  // no tree yet: all files
  EXPECT_TRUE(s.scanRunning);
  EXPECT_EQ(Show(StartClassScan(s, 3)), "-");
  EXPECT_EQ(Show(StartClassScan(s, 5)), "-");
  EXPECT_EQ(s.pendingScan, kScanAllFiles);
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 2, kScanAllFiles)));
  EXPECT_EQ(Show(ApplyAll(s)), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:all");
}

TEST(ClassViewState, ARescanOfAnotherFileDuringAScanIsNotLost) {
  ClassViewState s = Built();
  EXPECT_EQ(Show(StartClassScan(s, 1)), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:1");
  EXPECT_EQ(Show(StartClassScan(s, 0)), "-");  // file 0 changes while file 1 is scanned
  EXPECT_EQ(Show(OnClassScanTimer(s)), "-");   // a timer during the scan starts nothing
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 1, 1)));
  EXPECT_EQ(Show(ApplyAll(s)), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:0");
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 1, 0)));
  EXPECT_EQ(Show(ApplyAll(s)), "-");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "-");
}

TEST(ClassViewState, ABurstBecomesOneScan) {
  ClassViewState s = Built();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(Show(StartClassScan(s, 1)), "timer");  // each re-arms the timer
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:1");
  EXPECT_EQ(s.pendingScan, kScanNone);
  StartClassScan(s, 1);
  StartClassScan(s, 0);
  StartClassScan(s, 1);
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 0, 1)));
  EXPECT_EQ(Show(ApplyAll(s)), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:all");
}

TEST(ClassViewState, ResultsApplyInBoundedBatchesAndThenReplaceEntries) {
  ClassViewState s = Built();
  StartClassScan(s, 1);
  OnClassScanTimer(s);
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 10, 1)));
  s.entries[1].entries.clear();
  const size_t counts[] = {3, 3, 3, 1};
  ClassNodeId next = 1;
  for (size_t i = 0; i < 4; ++i) {
    ClassTreeBatch b = NextClassTreeBatch(s, 3);
    ASSERT_EQ(b.count, counts[i]);
    EXPECT_EQ(b.first, i == 0);
    EXPECT_EQ(b.last, i == 3);
    for (size_t k = 0; k < b.count; ++k) EXPECT_EQ(b.ops[k].id, next++);
    // Entries change with the last batch only, with the scan's end.
    EXPECT_EQ(s.entries[1].entries.empty(), i < 3);
    EXPECT_EQ(s.scanRunning, i < 3);
  }
  EXPECT_EQ(NextClassTreeBatch(s, 3).count, 0u);
  ASSERT_EQ(s.entries.size(), 2u);
  EXPECT_EQ(s.entries[1].path, "file1");
  EXPECT_EQ(s.entries[0].entries.size(), 2u);  // file 0 kept its entries
}

TEST(ClassViewState, StaleResultsAreDropped) {
  ClassViewState s = Built();
  EXPECT_FALSE(AcceptClassScanResult(s, Result(s, 1, 0)));  // no scan running
  StartClassScan(s, 0);
  OnClassScanTimer(s);
  auto old = Result(s, 1, 0);
  old->serial -= 1;
  EXPECT_FALSE(AcceptClassScanResult(s, std::move(old)));
  EXPECT_FALSE(AcceptClassScanResult(s, nullptr));
  EXPECT_TRUE(AcceptClassScanResult(s, Result(s, 1, 0)));
  // A project closed meanwhile: the result on its way is stale.
  StartClassScan(s, 0);
  ResetClassView(s);
  EXPECT_TRUE(s.entries.empty());
  EXPECT_FALSE(s.scanRunning);
  EXPECT_EQ(s.pendingScan, kScanNone);
  EXPECT_EQ(NextClassTreeBatch(s, 10).count, 0u);
}

TEST(ClassViewState, CloseAndJumpWaitForTheRunningScan) {
  ClassViewState s = Built();
  EXPECT_FALSE(DeferCloseForClassScan(s));
  EXPECT_FALSE(DeferJumpForClassScan(s));
  StartClassScan(s, 0);
  EXPECT_FALSE(DeferJumpForClassScan(s));  // waiting for the timer is no running scan
  OnClassScanTimer(s);
  EXPECT_TRUE(DeferJumpForClassScan(s));
  EXPECT_TRUE(DeferCloseForClassScan(s));
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 4, 0)));
  EXPECT_TRUE(DeferJumpForClassScan(s));  // still applying
  EXPECT_EQ(Show(ApplyAll(s, 2)), "close jump");
  EXPECT_FALSE(s.closeRequested);
  EXPECT_FALSE(s.jumpRequested);
  // A close that waited when the project was closed is handed back.
  StartClassScan(s, 0);
  OnClassScanTimer(s);
  DeferCloseForClassScan(s);
  EXPECT_EQ(Show(ResetClassView(s)), "close");
}

TEST(ClassViewState, ResultsThatChangeNothing) {
  // A one-file job the worker cannot do alone: all files, at once.
  ClassViewState s = Built();
  StartClassScan(s, 1);
  OnClassScanTimer(s);
  DeferJumpForClassScan(s);
  auto r = std::make_unique<ClassScanResult>();
  r->serial = s.serial;
  r->needsAllFiles = true;
  ASSERT_TRUE(AcceptClassScanResult(s, std::move(r)));
  ClassTreeBatch b = NextClassTreeBatch(s, 10);
  EXPECT_TRUE(b.last);
  EXPECT_EQ(Show(b.then), "start:all");  // the jump still waits
  EXPECT_TRUE(s.scanRunning);
  ASSERT_TRUE(AcceptClassScanResult(s, Result(s, 1, kScanAllFiles)));
  EXPECT_EQ(Show(ApplyAll(s)), "jump");

  // A cancelled scan: its scope waits for the next timer.
  StartClassScan(s, 1);
  OnClassScanTimer(s);
  r = std::make_unique<ClassScanResult>();
  r->serial = s.serial;
  r->cancelled = true;
  ASSERT_TRUE(AcceptClassScanResult(s, std::move(r)));
  EXPECT_EQ(Show(ApplyAll(s)), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:1");
  EXPECT_EQ(Show(AbandonClassScan(s, 1)), "timer");  // the worker could not start it
  EXPECT_EQ(s.pendingScan, 1);

  // The worker lost its model: the tree and the entries go, all files again.
  OnClassScanTimer(s);
  r = std::make_unique<ClassScanResult>();
  r->serial = s.serial;
  r->resetTree = true;
  ASSERT_TRUE(AcceptClassScanResult(s, std::move(r)));
  b = NextClassTreeBatch(s, 10);
  EXPECT_TRUE(b.first && b.resetTree && b.last);
  EXPECT_TRUE(s.entries.empty());
  EXPECT_FALSE(s.treeBuilt);
  EXPECT_EQ(Show(b.then), "timer");
  EXPECT_EQ(Show(OnClassScanTimer(s)), "start:all");
}

TEST(ClassViewState, AnItemJumpsToItsFirstEntry) {
  ClassViewState s = Built();
  ClassViewTarget t = FindClassViewEntry(s, 7);  // "A" is declared in both files
  ASSERT_TRUE(t.entry);
  EXPECT_EQ(t.entry->fileIndex, 0);
  EXPECT_EQ(*t.path, "file0");
  t = FindClassViewEntry(s, 11);
  ASSERT_TRUE(t.entry);
  EXPECT_EQ(t.entry->fileIndex, 1);
  EXPECT_EQ(*t.path, "file1");
  EXPECT_FALSE(FindClassViewEntry(s, 99).entry);
  EXPECT_FALSE(FindClassViewEntry(s, 0).entry);
}

}  // namespace
