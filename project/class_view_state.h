#pragma once
// The class view on the GUI thread: which scan to start and when, the result
// being applied to the tree in bounded batches, the entries a jump looks up,
// and the close and jump that wait for a running scan. Pure: the pane turns
// each step into a timer, a job for the worker or a posted message.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "project/class_scan_worker.h"

// Milliseconds of quiet after a request before its scan starts: a burst of
// edits becomes one scan.
constexpr unsigned kClassScanDelayMs = 700;

// Requests merge: the same file stays that file, two different files become
// all files, all files absorbs anything, kScanNone is no request.
int MergeScanRequests(int pending, int incoming);

struct ClassViewState {
  int pendingScan = kScanNone;  // merged requests not started yet
  bool scanRunning = false;     // from a scan's start until its result is applied
  int runningScope = kScanNone; // what the running scan covers
  bool scannedOnce = false;     // the very first scan starts without the delay
  bool treeBuilt = false;       // a scan of all files has been applied since the last reset
  bool closeRequested = false;  // the main window waits for the scan to end
  bool jumpRequested = false;   // command 40072 waits for the scan to end
  uint64_t serial = 0;          // of the last scan started; older results are dropped
  std::unique_ptr<ClassScanResult> applying;
  size_t nextOp = 0;
  std::vector<ClassViewFileEntries> entries;  // by file index
};

// What the pane does after a call.
struct ClassScanStep {
  bool armTimer = false;      // (re)start the one-shot timer of kClassScanDelayMs
  int startScan = kScanNone;  // build a job of this scope with `serial` and run it
  bool postClose = false;     // post the close request to the main window again
  bool postJump = false;      // post command 40072 to the project view again
};

// A source file changed (its index), or the file list did (kScanAllFiles).
ClassScanStep StartClassScan(ClassViewState& state, int file);
// The delay timer fired (the pane kills it first).
ClassScanStep OnClassScanTimer(ClassViewState& state);
// The worker could not start the job: the scope waits for the next timer.
ClassScanStep AbandonClassScan(ClassViewState& state, int scope);

// Takes a posted result; false when it is stale (dropped). When true, the
// pane applies it with NextClassTreeBatch, one batch per message.
bool AcceptClassScanResult(ClassViewState& state, std::unique_ptr<ClassScanResult> result);

struct ClassTreeBatch {
  const ClassTreeOp* ops = nullptr;  // valid until the next call on the state
  size_t count = 0;
  bool first = false;      // remember the scroll position (and empty the tree when resetTree)
  bool resetTree = false;  // delete every item before applying ops
  bool last = false;       // restore the scroll position, then do `then`
  ClassScanStep then;      // valid with last
};
// The next at most maxOps operations of the accepted result (count 0 and
// last false when there is nothing to apply). With the last batch the
// entries are replaced and the scan ends.
ClassTreeBatch NextClassTreeBatch(ClassViewState& state, size_t maxOps);

// The main window wants to close: true when it must wait (scanRunning); the
// step of the scan's end then says postClose.
bool DeferCloseForClassScan(ClassViewState& state);
// Command 40072: true when it must wait; it is posted again at the scan's end.
bool DeferJumpForClassScan(ClassViewState& state);

struct ClassViewTarget {
  const ClassViewEntry* entry = nullptr;  // null: the item has no entry
  const std::string* path = nullptr;      // of the entry's file
};
// The first entry (in file order) of a tree item.
ClassViewTarget FindClassViewEntry(const ClassViewState& state, ClassNodeId item);

// The project closed and the tree was emptied (the worker was Reset): no
// scan, no entries. The step carries a close that was waiting.
ClassScanStep ResetClassView(ClassViewState& state);
