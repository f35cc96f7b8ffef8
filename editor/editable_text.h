#pragma once
// A text document with what editing keeps beside it: its undo ring, the
// provisional indent Enter left on an empty line, and the first byte of a
// double-byte character typed byte by byte.
#include <optional>
#include <string>

#include "editor/text_document.h"
#include "editor/undo_ring.h"

struct EditableText {
  explicit EditableText(std::string text = std::string(), DocumentKind kind = DocumentKind::kText,
                        const TextLayout& layout = TextLayout())
      : doc(std::move(text), kind, layout) {}
  EditableText(const EditableText&) = delete;
  EditableText& operator=(const EditableText&) = delete;

  TextDocument doc;
  UndoRing undo;
  // Provisional auto-indent TABs, inserted without an undo entry.
  std::optional<std::string> pendingIndent;
  // Where the provisional indent sits: the caret can leave its line without
  // removing it (Home, Ctrl+Home, a search). -1 when there is none.
  int pendingIndentStart = -1;
  // Inserted alone it would pair with the byte after the caret.
  unsigned char heldLeadByte = 0;
};
