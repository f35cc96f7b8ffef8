#pragma once
// A document slot with a text and an undo ring but no window, and typing helpers.
#include <memory>
#include <string>

#include "editor/editing.h"
#include "shell/document_kind.h"

struct EditSlot {
  DocumentSlot slot;
  explicit EditSlot(const std::string& text = std::string(), int kind = kDocText, TextLayout layout = TextLayout()) {
    slot.kind = kind;
    slot.text = std::make_unique<TextDocument>(text, kind, layout);
    slot.undo = std::make_unique<UndoRing>();
  }
  TextDocument& doc() { return *slot.text; }
  UndoRing& ring() { return *slot.undo; }
  std::string Text() const { return slot.text->Substr(0, slot.text->Length()); }
  int Caret() const { return slot.text->CaretByte(); }
  int Anchor() const { return slot.text->AnchorByte(); }
  void Select(int caret, int anchor) { slot.text->SetSelection(caret, anchor, false); }
  void Place(int caret) { Select(caret, caret); }
  // Types bytes as the editor window hands them over: CR is Enter, TAB may indent a block.
  void Type(const std::string& keys, bool autoIndent = true) {
    for (char c : keys) {
      if (c == '\r')
        TypeEnter(slot, autoIndent);
      else if (c == '\t' && SelectionSpansLines(*slot.text))
        BlockIndent(slot, false);
      else
        TypeByte(slot, static_cast<unsigned char>(c));
    }
  }
  std::string Pending() const { return slot.pendingIndent ? *slot.pendingIndent : std::string("<none>"); }
};
