// Files changed by other programs: the questions on activation and before saving.
#include "files/disk_watch_win.h"

#include "files/disk_watch.h"
#include "files/file_io_win.h"
#include "files/file_notices.h"
#include "files/open_save_win.h"
#include "shell/app_win.h"
#include "shell/doc_windows_win.h"
#include "shell/message_box_win.h"

namespace {

int Ask(const std::string& text, unsigned type) {
  return QuilletMessageBox(g_app.frame, text.c_str(), "Quillet", type);
}

// The same document still in the slot (a question gives the message loop a turn).
bool StillThere(int slot, const Document* document) {
  const DocumentSlot& s = g_app.docs.slots[slot];
  return s.InUse() && s.document.get() == document;
}

}  // namespace

void CheckActiveDocumentOnDisk() {
  const int slot = ActiveSlot();
  if (slot < 0) return;
  DocumentSlot& s = g_app.docs.slots[slot];
  if (s.path.empty() || !s.disk.watching || !s.document) return;
  const FileStamp now = ReadFileStamp(s.path);
  const DiskChange change = ChangeToTell(s.disk, now);
  if (change == DiskChange::kNone) return;
  // Marked before asking: an activation while the question is up finds it
  // asked and does not ask again.
  DiskWatchTold(s.disk, now);
  const Document* document = s.document.get();
  const std::string path = s.path;
  if (change == DiskChange::kDeleted) {
    // The text exists only here now: closing must ask to save it.
    if (EditableText* text = s.Text()) text->doc.modified = true;
    RefreshCommandStates();
    Ask(DeletedOnDiskNotice(path), MB_OK | MB_ICONWARNING);
    return;
  }
  const int answer = Ask(ChangedOnDiskQuestion(path, s.document->Modified()), MB_YESNO | MB_ICONWARNING);
  if (!StillThere(slot, document)) return;
  if (answer == IDYES) ReloadDocument(slot);
  else DiskWatchKeptOurs(s.disk, now);
}

OverwriteDecision SettleOverwrite(int slot) {
  DocumentSlot& s = g_app.docs.slots[slot];
  const FileStamp now = ReadFileStamp(s.path);
  if (now.presence != FilePresence::kPresent) return OverwriteDecision::kWrite;
  OverwriteFacts facts;
  facts.readOnly = now.readOnly;
  facts.change = ChangeBeforeOverwrite(s.disk, now);
  if (const EditableText* text = s.Text()) {
    facts.nulBytesOnOpen = text->doc.nulBytesOnOpen;
    facts.lostCharsOnOpen = text->doc.lostCharsOnOpen;
  }
  for (OverwriteStep step : OverwriteSteps(facts)) {
    switch (step) {
      case OverwriteStep::kOfferSaveAs:
        return Ask(ReadOnlySaveQuestion(s.path), MB_YESNO | MB_ICONWARNING) == IDYES ? OverwriteDecision::kSaveAs
                                                                                      : OverwriteDecision::kStop;
      case OverwriteStep::kAskReloadOrOverwrite: {
        DiskWatchTold(s.disk, now);
        const int answer = Ask(ChangedBeforeSaveQuestion(s.path), MB_YESNOCANCEL | MB_ICONWARNING);
        if (answer == IDYES) ReloadDocument(slot);
        if (answer != IDNO) return OverwriteDecision::kStop;
        DiskWatchKeptOurs(s.disk, now);
        break;
      }
      case OverwriteStep::kConfirmOpenLosses:
        if (Ask(OpenLossesSaveQuestion(s.path, facts.nulBytesOnOpen, facts.lostCharsOnOpen),
                MB_YESNO | MB_ICONWARNING) != IDYES)
          return OverwriteDecision::kStop;
        break;
    }
  }
  return OverwriteDecision::kWrite;
}
