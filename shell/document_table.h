#pragma once
// The table of open documents: 255 slots, the slot index is the document's
// number everywhere. Titles are unique among the slots in use.
#include <memory>
#include <string>

#include "editor/text_document.h"
#include "editor/undo_ring.h"
#include "platform/win_types.h"
#include "shell/document_kind.h"

struct DocumentSlot {
  HWND window = nullptr;  // null = free slot
  int kind = kDocNone;
  std::string title;
  std::string path;  // empty for untitled documents
  std::unique_ptr<TextDocument> text;     // record of the text kinds
  void* record = nullptr;                 // record of the other kinds, freed by their owners
  std::unique_ptr<std::string> pendingIndent;  // provisional auto-indent TABs, or null
  // Where the provisional indent sits: the caret can leave its line without
  // removing it (Home, Ctrl+Home, a search). -1 when there is none.
  int pendingIndentStart = -1;
  // The first byte of a double-byte character typed byte by byte waits here for
  // the second: inserted alone it would pair with the byte after the caret.
  unsigned char heldLeadByte = 0;
  std::unique_ptr<UndoRing> undo;         // text kinds

  bool InUse() const { return window != nullptr; }
};

struct DocumentTable {
  static constexpr int kSlots = 255;
  DocumentSlot slots[kSlots];
  int untitledCounter = 0;  // last number given to "Document[%d]"; never reused

  // Slot of a window, or -1.
  int SlotOfWindow(HWND window) const;
  // First free slot, or -1 when all are in use.
  int FirstFree() const;
  // The title with "_" appended until no slot in use has it (case-insensitive).
  std::string UniqueTitle(const std::string& title) const;
  // "Document[%d]" with the next untitled number.
  std::string NextUntitledTitle();
  // Slot of the text document with this path (case-insensitive), or -1.
  int FindTextByPath(const std::string& path) const;
  int CountInUse() const;
};
