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

bool UndoEntryIn(TextDocument& doc, const UndoEntry& entry) {
  if (entry.kind == UndoKind::kGroup) {
    for (auto step = entry.steps.rbegin(); step != entry.steps.rend(); ++step)
      if (!UndoEntryIn(doc, *step)) return false;
    return true;
  }
  doc.PlaceSelection(entry.newStart, entry.newEnd);
  return doc.ReplaceSelection(entry.kind == UndoKind::kReplace ? std::string_view(entry.removed)
                                                               : std::string_view());
}

bool RedoEntryIn(TextDocument& doc, const UndoEntry& entry) {
  if (entry.kind == UndoKind::kGroup) {
    for (const UndoEntry& step : entry.steps)
      if (!RedoEntryIn(doc, step)) return false;
    return true;
  }
  if (entry.kind == UndoKind::kReplace)
    doc.PlaceSelection(entry.oldStart, entry.oldEnd);
  else
    doc.PlaceSelection(entry.newStart, entry.newStart);
  return doc.ReplaceSelection(entry.inserted);
}

}  // namespace

void EditSelection(EditableText& text, std::string_view str, EditOrigin origin) {
  // A lead byte ending the text would pair with the byte after it in the
  // document and shift every character after it; it is not a character.
  if (EndsWithLoneLead(str)) str.remove_suffix(1);
  TextDocument& doc = text.doc;
  PendingIndentCommit(text);
  int s, e;
  doc.SelectionBytes(s, e);
  if (str.empty() && s == e) return;
  // The document stores NUL bytes as blanks; the entry holds what it stores.
  // Everything the edit allocates is taken before the text changes, so that
  // running out of memory leaves the document as it was.
  std::string inserted(str);
  BlankNuls(inserted);
  PrepareUndoPush(text.undo, inserted.size());
  const int oldS = s, oldE = e;
  AbsorbJoins(doc, s, e, inserted);
  if (s != oldS || e != oldE) doc.PlaceSelection(e, s);
  std::string removed = s < e ? doc.Substr(s, e) : std::string();
  // A text too large for the document leaves it unchanged: nothing to record.
  if (!doc.ReplaceSelection(inserted)) return;
  const UndoKind kind = s < e ? UndoKind::kReplace : origin == EditOrigin::kPasted ? UndoKind::kBlock : UndoKind::kTyped;
  const int len = static_cast<int>(inserted.size());
  PushUndo(text, kind, std::move(inserted), std::move(removed), s, s + len, s, e);
}

bool Undo(EditableText& text) {
  PendingIndentCancel(text);
  UndoRing& ring = text.undo;
  const int b = UndoRing::Before(ring.index);
  const UndoEntry& entry = ring.entries[b];
  if (entry.kind == UndoKind::kEmpty) return false;
  if (!UndoEntryIn(text.doc, entry)) return false;
  ring.index = b;
  return true;
}

bool Redo(EditableText& text) {
  UndoRing& ring = text.undo;
  const UndoEntry& entry = ring.entries[ring.index];
  if (entry.kind == UndoKind::kEmpty) return false;
  PendingIndentCancel(text);
  if (!RedoEntryIn(text.doc, entry)) return false;
  ring.index = UndoRing::After(ring.index);
  return true;
}
