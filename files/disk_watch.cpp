#include "files/disk_watch.h"

bool SameFileState(const FileStamp& a, const FileStamp& b) {
  if (a.presence != b.presence) return false;
  if (a.presence != FilePresence::kPresent) return true;
  return a.writeTime == b.writeTime && a.size == b.size;
}

void DiskWatchStart(DiskWatch& watch, const FileStamp& now) {
  watch = DiskWatch();
  watch.watching = now.presence == FilePresence::kPresent;
  watch.known = now;
}

void DiskWatchTold(DiskWatch& watch, const FileStamp& now) {
  watch.told = true;
  watch.toldState = now;
}

void DiskWatchKeptOurs(DiskWatch& watch, const FileStamp& now) {
  DiskWatchTold(watch, now);
  watch.kept = true;
  watch.keptState = now;
}

namespace {

DiskChange ChangeUnless(const DiskWatch& watch, const FileStamp& now, bool settled, const FileStamp& settledState) {
  if (!watch.watching || now.presence == FilePresence::kUnknown) return DiskChange::kNone;
  if (SameFileState(now, watch.known)) return DiskChange::kNone;
  if (settled && SameFileState(now, settledState)) return DiskChange::kNone;
  return now.presence == FilePresence::kMissing ? DiskChange::kDeleted : DiskChange::kChanged;
}

}  // namespace

DiskChange ChangeToTell(const DiskWatch& watch, const FileStamp& now) {
  return ChangeUnless(watch, now, watch.told, watch.toldState);
}

DiskChange ChangeBeforeOverwrite(const DiskWatch& watch, const FileStamp& now) {
  return ChangeUnless(watch, now, watch.kept, watch.keptState);
}

std::vector<OverwriteStep> OverwriteSteps(const OverwriteFacts& facts) {
  std::vector<OverwriteStep> steps;
  if (facts.readOnly) {
    steps.push_back(OverwriteStep::kOfferSaveAs);
    return steps;
  }
  if (facts.change == DiskChange::kChanged) steps.push_back(OverwriteStep::kAskReloadOrOverwrite);
  if (facts.nulBytesOnOpen > 0 || facts.lostCharsOnOpen > 0) steps.push_back(OverwriteStep::kConfirmOpenLosses);
  return steps;
}
