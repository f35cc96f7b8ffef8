#pragma once
// A text with its undo ring but no window, and typing helpers.
#include <string>

#include "editor/editing.h"
#include "lang/document_kind.h"

struct EditSlot {
  EditableText text;
  explicit EditSlot(const std::string& initial = std::string(), DocumentKind kind = DocumentKind::kText,
                    TextLayout layout = TextLayout())
      : text(initial, kind, layout) {}
  TextDocument& doc() { return text.doc; }
  UndoRing& ring() { return text.undo; }
  std::string Text() const { return text.doc.Substr(0, text.doc.Length()); }
  int Caret() const { return text.doc.CaretByte(); }
  int Anchor() const { return text.doc.AnchorByte(); }
  void Select(int caret, int anchor) { text.doc.PlaceSelection(caret, anchor); }
  void Place(int caret) { Select(caret, caret); }
  // Types bytes as the editor window hands them over: CR is Enter, TAB may indent a block.
  void Type(const std::string& keys, bool autoIndent = true) {
    for (char c : keys) {
      if (c == '\r')
        TypeEnter(text, autoIndent);
      else if (c == '\t' && SelectionSpansLines(text.doc))
        BlockIndent(text, false);
      else
        TypeByte(text, static_cast<unsigned char>(c));
    }
  }
  std::string Pending() const { return text.pendingIndent ? *text.pendingIndent : std::string("<none>"); }
};
