#pragma once
// The table of open documents: 255 slots, the slot index is the document's
// number everywhere. Titles are unique among the slots in use.
#include <memory>
#include <string>

#include "files/disk_watch.h"
#include "lang/document_kind.h"
#include "platform/win_types.h"
#include "shell/document.h"

struct DocumentSlot {
  HWND window = nullptr;  // null = free slot
  DocumentKind kind = DocumentKind::kNone;
  std::string title;
  std::string path;  // empty for untitled documents
  // The kind's record with its windows' objects; freed when the slot is.
  std::unique_ptr<Document> document;
  // Whether the tab and the window title show the modified mark.
  bool markedModified = false;
  // The file as last read or written, to notice other programs' changes.
  DiskWatch disk;

  bool InUse() const { return window != nullptr; }
  // The text of a text document, else null.
  EditableText* Text() const { return document ? document->Text() : nullptr; }
};

struct DocumentTable {
  static constexpr int kSlots = 255;
  DocumentSlot slots[kSlots];
  int untitledCounter = 0;  // last number given to "Document[%d]"; never reused
  int newIconCounter = 0;   // last number given to "Icon[%d]"; never reused

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
