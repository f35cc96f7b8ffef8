#pragma once
// Comments are found while painting: a small state carried from character to
// character (block and line comments of Source documents, "<!--" ... "-->" of
// Html documents). The state at the start of every display row is cached, so
// that a paint starts at its first visible row instead of the first byte.
#include <cstdint>
#include <vector>

#include "editor/text_document.h"
#include "lang/document_kind.h"

namespace comment_state {

// Source: open comments and the string flag; a tail flag marks the second byte
// of "/*" or "*/" (never examined on its own, so "/*/" does not close).
enum : uint8_t { kBlock = 1, kString = 2, kLine = 4, kOpenTail = 8, kCloseTail = 16 };
// Html: inside a comment, the bytes of a marker still to pass, and whether
// those bytes close the comment.
enum : uint8_t { kInside = 1, kSkipShift = 1, kSkipMask = 6, kClosing = 8 };

// One character: c is its first byte, n1..n3 the bytes after it (0 past the
// text), lineEnd whether it is a CR LF. Returns whether it is drawn as comment.
inline bool SourceStep(uint8_t& st, unsigned char c, unsigned char n1, bool lineEnd) {
  if (st & kOpenTail) {
    st &= static_cast<uint8_t>(~kOpenTail);
    return true;
  }
  if (st & kCloseTail) {
    st &= static_cast<uint8_t>(~(kCloseTail | kBlock));
    return true;
  }
  if (lineEnd) {
    // A line comment ends before its CR LF; strings never span lines.
    st &= static_cast<uint8_t>(~(kLine | kString));
    return (st & kBlock) != 0;
  }
  if (st & kBlock) {
    if (c == '*' && n1 == '/') st |= kCloseTail;
    return true;
  }
  if (st & kLine) return true;
  if (c == '"') {
    st ^= kString;
    return false;
  }
  if (st & kString) return false;
  if (c == '\'') {
    st |= kLine;
    return true;
  }
  if (c == '/' && n1 == '*') {
    st |= kBlock | kOpenTail;
    return true;
  }
  return false;
}

inline bool HtmlStep(uint8_t& st, unsigned char c, unsigned char n1, unsigned char n2, unsigned char n3) {
  if (int skip = (st & kSkipMask) >> kSkipShift) {
    --skip;
    if (skip == 0 && (st & kClosing))
      st = 0;
    else
      st = static_cast<uint8_t>((st & ~kSkipMask) | (skip << kSkipShift));
    return true;
  }
  if (st & kInside) {
    if (c == '-' && n1 == '-' && n2 == '>') st = static_cast<uint8_t>(kInside | kClosing | (2 << kSkipShift));
    return true;
  }
  if (c == '<' && n1 == '!' && n2 == '-' && n3 == '-') {
    st = static_cast<uint8_t>(kInside | (3 << kSkipShift));
    return true;
  }
  return false;
}

inline bool Step(DocumentKind kind, uint8_t& st, unsigned char c, unsigned char n1, unsigned char n2, unsigned char n3,
                 bool lineEnd) {
  if (kind == DocumentKind::kSource) return SourceStep(st, c, n1, lineEnd);
  if (kind == DocumentKind::kHtml) return lineEnd ? (st & kInside) != 0 : HtmlStep(st, c, n1, n2, n3);
  return false;
}

}  // namespace comment_state

// States at the start of display rows [0, ValidRows()), kept across edits:
// an edit walks its own lines again, and when the state where the unchanged
// text resumes is the same as before, the later rows keep theirs.
class CommentStateCache {
 public:
  void Reset();
  // After an edit: [firstLine, lastLine] are the edited lines of the new text.
  void LinesChanged(TextDocument& doc, int firstLine, int lastLine);
  // State at the start of `row` (clamped to the text's rows), walking the text
  // from the last known row when needed.
  uint8_t StateAtRow(TextDocument& doc, int row);
  int ValidRows() const { return static_cast<int>(states_.size()); }

 private:
  void Check(const TextDocument& doc);
  void Sync(const TextDocument& doc);
  // Appends to out the states of rows startRow+1 .. targetRow, walking from
  // the start of startRow in state st.
  template <bool kWrap>
  static void Walk(TextDocument& doc, int startRow, uint8_t st, int targetRow, std::vector<uint8_t>& out);
  static void WalkRows(TextDocument& doc, int startRow, uint8_t st, int targetRow, std::vector<uint8_t>& out);

  std::vector<uint8_t> states_;
  uint64_t version_ = ~0ull;
  int rows_ = 0;  // rows of the text at that version
  DocumentKind kind_ = DocumentKind::kNone;
  TextLayout shape_;
};

// The same states walked from the first byte (reference for tests).
std::vector<uint8_t> CommentStatesFromStart(TextDocument& doc);
