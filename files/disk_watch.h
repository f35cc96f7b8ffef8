#pragma once
// What the program knows of a document's file on disk, and the decisions that
// follow when another program changes or removes it: what to ask on
// activation, what to ask before writing over the file, and how an answer is
// remembered so that the same change is never asked about twice.
#include <cstddef>
#include <cstdint>
#include <vector>

enum class FilePresence { kPresent, kMissing, kUnknown };  // unknown: the state could not be read

struct FileStamp {
  FilePresence presence = FilePresence::kMissing;
  uint64_t writeTime = 0;  // last write, in the file system's units
  uint64_t size = 0;
  bool readOnly = false;
};

// The same file content as far as the stamps tell (presence, write time and
// size); the read-only attribute is not a change of the content.
bool SameFileState(const FileStamp& a, const FileStamp& b);

struct DiskWatch {
  bool watching = false;  // false: untitled, or no file read or written yet
  FileStamp known;        // at the last open, reload or save
  bool told = false;      // the user was asked or told about toldState
  FileStamp toldState;
  bool kept = false;      // the user chose to keep the document over keptState
  FileStamp keptState;
};

enum class DiskChange { kNone, kChanged, kDeleted };

// After an open, a reload or a save: the file as it is now is ours.
void DiskWatchStart(DiskWatch& watch, const FileStamp& now);
// The user has been asked or told about this state of the file: activation
// asks again only when the file changes again.
void DiskWatchTold(DiskWatch& watch, const FileStamp& now);
// The user keeps the document over this state of the file: the next save
// writes over it without asking (and activation does not ask either).
void DiskWatchKeptOurs(DiskWatch& watch, const FileStamp& now);
// The change to ask about when the document is activated: none when the file
// is as known, as already asked about, or cannot be read.
DiskChange ChangeToTell(const DiskWatch& watch, const FileStamp& now);
// The change to ask about before writing over the file: none when the file is
// as known or as the user chose to overwrite.
DiskChange ChangeBeforeOverwrite(const DiskWatch& watch, const FileStamp& now);

// What to settle, in order, before a document is written over its own file.
enum class OverwriteStep {
  kOfferSaveAs,           // the file is read-only: offer another name instead
  kAskReloadOrOverwrite,  // another program changed it: reload, overwrite or cancel
  kConfirmOpenLosses,     // opening replaced NUL bytes or characters: confirm
};
struct OverwriteFacts {
  bool readOnly = false;
  DiskChange change = DiskChange::kNone;
  size_t nulBytesOnOpen = 0;
  size_t lostCharsOnOpen = 0;
};
// A read-only file ends the list (nothing else matters when it cannot be written).
std::vector<OverwriteStep> OverwriteSteps(const OverwriteFacts& facts);
