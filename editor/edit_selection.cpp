// The one undoable edit, and undo and redo over the ring.
#include "editor/editing.h"
#include "editor/text_walk.h"
#include "platform/sjis.h"

namespace {

// Lead-range bytes right before s[end]: they pair up, so an odd count leaves
// the last of them waiting for the byte at end.
size_t LeadRunBefore(std::string_view s, size_t end) {
  size_t k = 0;
  while (k < end && IsSjisLead(static_cast<unsigned char>(s[end - 1 - k]))) ++k;
  return k;
}

bool EndsWithLoneLead(std::string_view s) { return LeadRunBefore(s, s.size()) % 2 == 1; }

bool EndsWithCrCharacter(std::string_view s) {
  return !s.empty() && s.back() == '\r' && LeadRunBefore(s, s.size() - 1) % 2 == 0;
}

// The document's bytes through the accessor of text_walk.
struct DocumentBytes {
  const TextDocument& doc;
  unsigned char operator[](int i) const { return doc.At(i); }
};

// An edit can join the bytes on either side of it into one character: a lone
// CR before it with an LF after it into a line end, or a lone lead byte ending
// the document with the first inserted byte. Every recorded position must lie
// between characters, so such a neighbour becomes part of the edit (the text
// that results is the same).
void AbsorbJoins(const TextDocument& doc, int& s, int& e, std::string& text) {
  if (s > 0) {
    const unsigned char before = doc.At(s - 1);
    const unsigned char next = text.empty() ? doc.At(e) : static_cast<unsigned char>(text[0]);
    const bool crJoin = before == '\r' && next == '\n';
    const bool leadJoin = IsSjisLead(before) && s == doc.Length() && !text.empty();
    if ((crJoin || leadJoin) && text_walk::StartsCharacter(DocumentBytes{doc}, 0, s - 1)) {
      --s;
      text.insert(text.begin(), static_cast<char>(before));
    }
  }
  if (e < doc.Length() && doc.At(e) == '\n' && EndsWithCrCharacter(text)) {
    ++e;
    text += '\n';
  }
}

void AfterStep(TextDocument& doc) {
  if (!doc.view) return;
  doc.view->EnsureCaretVisible(false, false);
  doc.view->UpdateCaret(false);
  doc.view->RefreshCommandStates();
}

}  // namespace

void EditSelection(DocumentSlot& slot, std::string_view text, bool paste, bool scroll) {
  if (!slot.text) return;
  // A lead byte ending the text would pair with the byte after it in the
  // document and shift every character after it; it is not a character.
  if (EndsWithLoneLead(text)) text.remove_suffix(1);
  TextDocument& doc = *slot.text;
  PendingIndentCommit(slot);
  int s, e;
  doc.SelectionBytes(s, e);
  if (text.empty() && s == e) return;
  // The document stores NUL bytes as blanks; the entry holds what it stores.
  std::string inserted(text);
  BlankNuls(inserted);
  const int oldS = s, oldE = e;
  AbsorbJoins(doc, s, e, inserted);
  if (s != oldS || e != oldE) doc.PlaceSelection(e, s);
  std::string removed = s < e ? doc.Substr(s, e) : std::string();
  const uint64_t before = doc.Version();
  doc.ReplaceSelection(inserted, scroll);
  // A text too large for the document leaves it unchanged: nothing to record.
  if (doc.Version() == before) return;
  const int kind = s < e ? 3 : (paste ? 2 : 1);
  const int len = static_cast<int>(inserted.size());
  PushUndo(slot, kind, std::move(inserted), std::move(removed), s, s + len, s, e);
}

bool Undo(DocumentSlot& slot) {
  if (!slot.text || !slot.undo) return false;
  PendingIndentCancel(slot);
  UndoRing& ring = *slot.undo;
  const int b = UndoRing::Before(ring.index);
  const UndoEntry& entry = ring.entries[b];
  if (entry.kind == 0) return false;
  TextDocument& doc = *slot.text;
  ring.index = b;
  doc.PlaceSelection(entry.newStart, entry.newEnd);
  doc.ReplaceSelection(entry.kind == 3 ? std::string_view(entry.removed) : std::string_view(), true);
  AfterStep(doc);
  return true;
}

bool Redo(DocumentSlot& slot) {
  if (!slot.text || !slot.undo) return false;
  UndoRing& ring = *slot.undo;
  const UndoEntry& entry = ring.entries[ring.index];
  if (entry.kind == 0) return false;
  PendingIndentCancel(slot);
  TextDocument& doc = *slot.text;
  if (entry.kind == 3)
    doc.PlaceSelection(entry.oldStart, entry.oldEnd);
  else
    doc.PlaceSelection(entry.newStart, entry.newStart);
  doc.ReplaceSelection(entry.inserted, true);
  ring.index = UndoRing::After(ring.index);
  AfterStep(doc);
  return true;
}
