#pragma once
// Files changed by other programs: the questions on activation and before a
// document is written over its own file.

// Asks about the active document's file when another program changed or
// removed it since it was read or written (once per change).
void CheckActiveDocumentOnDisk();

enum class OverwriteDecision { kWrite, kSaveAs, kStop };
// Before the document of a slot is written over its own file: a read-only
// file offers another name, a change by another program asks reload /
// overwrite / cancel, and what opening lost is confirmed.
OverwriteDecision SettleOverwrite(int slot);
