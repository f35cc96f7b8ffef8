#include "project/class_view_state.h"

#include <algorithm>

namespace {

ClassScanStep Launch(ClassViewState& s) {
  ClassScanStep step;
  // A one-file scan needs the tree of all files first.
  step.startScan = s.treeBuilt ? s.pendingScan : kScanAllFiles;
  s.runningScope = step.startScan;
  s.pendingScan = kScanNone;
  s.scanRunning = true;
  s.scannedOnce = true;
  ++s.serial;
  return step;
}

ClassScanStep Finish(ClassViewState& s) {
  s.scanRunning = false;
  ClassScanStep step;
  step.armTimer = s.pendingScan != kScanNone;
  step.postClose = s.closeRequested;
  step.postJump = s.jumpRequested;
  s.closeRequested = false;
  s.jumpRequested = false;
  return step;
}

void InstallEntries(ClassViewState& s, ClassViewChanges& changes) {
  if (changes.allFiles) {
    s.entries = std::move(changes.fileEntries);
    s.treeBuilt = true;
    return;
  }
  for (ClassViewFileEntries& file : changes.fileEntries) {
    const size_t at = static_cast<size_t>(file.fileIndex);
    if (at >= s.entries.size()) s.entries.resize(at + 1);
    s.entries[at] = std::move(file);
  }
}

}  // namespace

int MergeScanRequests(int pending, int incoming) {
  if (incoming < kScanAllFiles) return pending;
  if (pending < kScanAllFiles || pending == incoming) return incoming;
  return kScanAllFiles;
}

ClassScanStep StartClassScan(ClassViewState& state, int file) {
  state.pendingScan = MergeScanRequests(state.pendingScan, file);
  ClassScanStep step;
  if (state.scanRunning || state.pendingScan == kScanNone) return step;
  if (!state.scannedOnce) return Launch(state);
  step.armTimer = true;
  return step;
}

ClassScanStep OnClassScanTimer(ClassViewState& state) {
  if (state.scanRunning || state.pendingScan == kScanNone) return ClassScanStep();
  return Launch(state);
}

ClassScanStep AbandonClassScan(ClassViewState& state, int scope) {
  if (!state.scanRunning) return ClassScanStep();
  state.pendingScan = MergeScanRequests(state.pendingScan, scope);
  return Finish(state);
}

bool AcceptClassScanResult(ClassViewState& state, std::unique_ptr<ClassScanResult> result) {
  if (!result || !state.scanRunning || result->serial != state.serial) return false;
  state.applying = std::move(result);
  state.nextOp = 0;
  return true;
}

ClassTreeBatch NextClassTreeBatch(ClassViewState& state, size_t maxOps) {
  ClassTreeBatch batch;
  if (!state.scanRunning || !state.applying || state.applying->serial != state.serial) return batch;
  ClassScanResult& result = *state.applying;
  batch.first = state.nextOp == 0;
  if (result.needsAllFiles) {
    // Nothing changed: scan all files at once, keeping a waiting close or jump.
    state.treeBuilt = false;
    state.pendingScan = MergeScanRequests(state.pendingScan, kScanAllFiles);
    batch.last = true;
    batch.then = Launch(state);
    return batch;
  }
  const std::vector<ClassTreeOp>& ops = result.changes.ops;
  batch.resetTree = batch.first && result.resetTree;
  const size_t count = std::min(std::max<size_t>(maxOps, 1), ops.size() - state.nextOp);
  batch.ops = ops.data() + state.nextOp;
  batch.count = count;
  state.nextOp += count;
  if (state.nextOp < ops.size()) return batch;

  batch.last = true;
  if (result.cancelled) {
    state.pendingScan = MergeScanRequests(state.pendingScan, state.runningScope);
  } else if (result.resetTree) {
    state.entries.clear();
    state.treeBuilt = false;
    state.pendingScan = MergeScanRequests(state.pendingScan, kScanAllFiles);
  } else {
    InstallEntries(state, result.changes);
  }
  batch.then = Finish(state);
  return batch;
}

bool DeferCloseForClassScan(ClassViewState& state) {
  if (!state.scanRunning) return false;
  state.closeRequested = true;
  return true;
}

bool DeferJumpForClassScan(ClassViewState& state) {
  if (!state.scanRunning) return false;
  state.jumpRequested = true;
  return true;
}

ClassViewTarget FindClassViewEntry(const ClassViewState& state, ClassNodeId item) {
  if (item == 0) return ClassViewTarget();
  for (const ClassViewFileEntries& file : state.entries) {
    for (const ClassViewEntry& entry : file.entries) {
      if (entry.item == item) return ClassViewTarget{&entry, &file.path};
    }
  }
  return ClassViewTarget();
}

ClassScanStep ResetClassView(ClassViewState& state) {
  ClassScanStep step;
  step.postClose = state.closeRequested;
  ClassViewState fresh;
  fresh.scannedOnce = state.scannedOnce;
  fresh.serial = state.serial + 1;  // a result still on its way is stale
  state = std::move(fresh);
  return step;
}
