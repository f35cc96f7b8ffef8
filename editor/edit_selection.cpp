// The one undoable edit, and undo and redo over the ring.
#include <cstring>

#include "editor/editing.h"
#include "platform/sjis.h"

namespace {

bool EndsWithLoneLead(std::string_view s) {
  size_t k = 0;
  while (k < s.size() && IsSjisLead(static_cast<unsigned char>(s[s.size() - 1 - k]))) ++k;
  return k % 2 == 1;
}

// True when the byte at i of the document is a character of its own: the
// lead-valued bytes before it pair up among themselves.
bool StartsCharacter(const TextDocument& doc, int i) {
  int k = 0;
  while (i - 1 - k >= 0 && IsSjisLead(doc.At(i - 1 - k))) ++k;
  return k % 2 == 0;
}

bool EndsWithCrCharacter(std::string_view s) {
  if (s.empty() || s.back() != '\r') return false;
  size_t k = 0;
  while (k + 1 < s.size() && IsSjisLead(static_cast<unsigned char>(s[s.size() - 2 - k]))) ++k;
  return k % 2 == 0;
}

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
    if ((crJoin || leadJoin) && StartsCharacter(doc, s - 1)) {
      --s;
      text.insert(text.begin(), static_cast<char>(before));
    }
  }
  if (e < doc.Length() && doc.At(e) == '\n' && EndsWithCrCharacter(text)) {
    ++e;
    text += '\n';
  }
}

// Selects [caret, anchor) by bytes without scrolling or repainting: the replace
// that follows does both.
void SelectQuietly(TextDocument& doc, int caret, int anchor) {
  const ViewPos c = doc.ViewFromByte(caret);
  const ViewPos a = anchor == caret ? c : doc.ViewFromByte(anchor);
  doc.caretCol = c.col;
  doc.caretRow = c.row;
  doc.anchorCol = a.col;
  doc.anchorRow = a.row;
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
  for (char* z = inserted.data(), *end = z + inserted.size();
       (z = static_cast<char*>(std::memchr(z, 0, static_cast<size_t>(end - z)))) != nullptr;)
    *z++ = ' ';
  const int oldS = s, oldE = e;
  AbsorbJoins(doc, s, e, inserted);
  if (s != oldS || e != oldE) SelectQuietly(doc, e, s);
  std::string removed = s < e ? doc.Substr(s, e) : std::string();
  const uint64_t before = doc.Version();
  doc.ReplaceSelection(inserted, scroll);
  // A text too large for the document leaves it unchanged: nothing to record.
  if (doc.Version() == before || !slot.undo) return;
  UndoRing& ring = *slot.undo;
  const bool couldUndo = CanUndo(ring), couldRedo = CanRedo(ring);
  const int kind = s < e ? 3 : (paste ? 2 : 1);
  const int len = static_cast<int>(inserted.size());
  PushUndo(ring, kind, std::move(inserted), std::move(removed), s, s + len, s, e);
  if (doc.view && (couldUndo != CanUndo(ring) || couldRedo != CanRedo(ring))) doc.view->RefreshCommandStates();
}

bool Undo(DocumentSlot& slot) {
  if (!slot.text || !slot.undo) return false;
  PendingIndentCancel(slot);
  UndoRing& ring = *slot.undo;
  const int b = (ring.index + UndoRing::kSize - 1) % UndoRing::kSize;
  const UndoEntry& entry = ring.entries[b];
  if (entry.kind == 0) return false;
  TextDocument& doc = *slot.text;
  ring.index = b;
  SelectQuietly(doc, entry.newStart, entry.newEnd);
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
    SelectQuietly(doc, entry.oldStart, entry.oldEnd);
  else
    SelectQuietly(doc, entry.newStart, entry.newStart);
  doc.ReplaceSelection(entry.inserted, true);
  ring.index = (ring.index + 1) % UndoRing::kSize;
  AfterStep(doc);
  return true;
}
