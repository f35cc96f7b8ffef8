// Typing into a document: single bytes, Enter with auto-indentation and Tab
// block indentation.
#include <algorithm>

#include "editor/editing.h"
#include "lang/blocks.h"
#include "lang/document_kind.h"
#include "platform/sjis.h"

namespace {

bool IsSecondByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

int LeadingTabs(const TextDocument& doc, int start, int end) {
  int n = 0;
  while (start + n < end && doc.At(start + n) == '\t') ++n;
  return n;
}

}  // namespace

void DropHeldLead(EditableText& text) { text.heldLeadByte = 0; }

unsigned char HeldLeadByte(const EditableText& text) { return text.heldLeadByte; }

TypedBytes TypeByte(EditableText& text, unsigned char c) {
  const unsigned char held = text.heldLeadByte;
  text.heldLeadByte = 0;
  if (held && IsSecondByte(c)) {
    const char pair[2] = {static_cast<char>(held), static_cast<char>(c)};
    EditSelection(text, std::string_view(pair, 2));
    return TypedBytes::kCharacter;
  }
  // A held lead byte that gets no second byte is dropped; a new one waits.
  if (IsSjisLead(c)) {
    text.heldLeadByte = c;
    return TypedBytes::kHeld;
  }
  const char byte = static_cast<char>(c);
  EditSelection(text, std::string_view(&byte, 1));
  return TypedBytes::kByte;
}

int ReferenceLineTabs(const TextDocument& doc, int b, bool source) {
  int line = doc.LineOfByte(b);
  int start = doc.LineStart(line);
  int end = std::min(doc.LineEnd(line), b);
  while (end == start && line > 0) {
    --line;
    start = doc.LineStart(line);
    end = doc.LineEnd(line);
  }
  int n = LeadingTabs(doc, start, end);
  if (source && start + n < end) {
    const std::string rest = doc.Substr(start + n, end);
    if (OpensIndent(rest)) ++n;
  }
  return n;
}

EnterOutcome TypeEnter(EditableText& text, bool autoIndent) {
  TextDocument& doc = text.doc;
  DropHeldLead(text);
  PendingIndentCancel(text);
  if (!autoIndent) {
    EditSelection(text, "\r\n");
    return EnterOutcome::kNewlineOnly;
  }
  int s, e;
  doc.SelectionBytes(s, e);
  const int column = doc.ViewFromByte(s).col;
  EditSelection(text, "\r\n");
  const int n = ReferenceLineTabs(doc, s, doc.kind == DocumentKind::kSource);
  if (n <= 0) return EnterOutcome::kNewlineOnly;
  const int caret = doc.CaretByte();
  const int line = doc.LineOfByte(caret);
  if (doc.LineStart(line) == doc.LineEnd(line)) {
    PendingIndentBegin(text, n);
    return EnterOutcome::kPendingIndent;
  }
  if (column != 0) {
    EditSelection(text, std::string(static_cast<size_t>(n), '\t'));
    return EnterOutcome::kIndentInserted;
  }
  return EnterOutcome::kNewlineOnly;
}

bool SelectionSpansLines(const TextDocument& doc) {
  int s, e;
  doc.SelectionBytes(s, e);
  return s < e && doc.LineOfByte(s) != doc.LineOfByte(e);
}

std::string BlockIndentText(std::string_view block, bool outdent) {
  std::string out;
  out.reserve(block.size() + block.size() / 16 + 2);
  const char* p = block.data();
  const char* end = p + block.size();
  bool lineStart = true;
  while (p < end) {
    if (lineStart) {
      lineStart = false;
      if (outdent) {
        if (*p == '\t') {
          ++p;
          continue;
        }
      } else if (!(*p == '\r' && p + 1 < end && p[1] == '\n')) {
        out += '\t';
      }
    }
    if (*p == '\r' && p + 1 < end && p[1] == '\n') {
      out += "\r\n";
      p += 2;
      lineStart = true;
      continue;
    }
    const int len = SjisCharLen(p, end);
    out.append(p, static_cast<size_t>(len));
    p += len;
  }
  return out;
}

void BlockIndent(EditableText& text, bool outdent) {
  DropHeldLead(text);
  TextDocument& doc = text.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  const int start = doc.LineStartOf(s);
  if (e > start && doc.LineStartOf(e) == e) e = doc.LineEnd(doc.LineOfByte(e) - 1);
  const std::string block = doc.Substr(start, e);
  const std::string indented = BlockIndentText(block, outdent);
  int newEnd = e;
  if (indented != block) {
    doc.PlaceSelection(e, start);
    EditSelection(text, indented);
    newEnd = start + static_cast<int>(indented.size());
  }
  const int lastLine = doc.LineOfByte(newEnd);
  const int selEnd = lastLine + 1 < doc.LineCount() ? doc.LineStart(lastLine + 1) : doc.Length();
  doc.PlaceSelection(start, selEnd);
}
