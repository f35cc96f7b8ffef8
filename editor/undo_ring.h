#pragma once
// The per-document undo history: 300 entries in a ring; one slot always stays
// empty as the boundary between the undo and the redo history.
#include <array>
#include <string>
#include <vector>

enum class UndoKind : int {
  kEmpty = 0,
  kTyped = 1,     // typed insertion (consecutive ones merge)
  kBlock = 2,     // inserted block (paste)
  kReplace = 3,   // a selection replaced
  kGroup = 4,     // several edits undone and redone as one (a replace all)
};

struct UndoEntry {
  UndoKind kind = UndoKind::kEmpty;
  std::string inserted;   // text the edit put in
  std::string removed;    // text the edit took out (kReplace only)
  int newStart = 0;
  int newEnd = 0;
  int oldStart = 0;
  int oldEnd = 0;
  std::vector<UndoEntry> steps;  // kGroup: its edits in the order they were made
};

struct UndoRing {
  static constexpr int kSize = 300;
  static int Before(int slot) { return (slot + kSize - 1) % kSize; }
  static int After(int slot) { return (slot + 1) % kSize; }
  int index = 0;  // slot the next edit is written to
  std::array<UndoEntry, kSize> entries{};
  // Between BeginUndoGroup and EndUndoGroup the edits gather here; the end
  // records them as one entry.
  bool grouping = false;
  std::vector<UndoEntry> groupSteps;
};
