#include "editor/caret_moves.h"

#include <algorithm>

#include "platform/sjis.h"

namespace {

void SetCaret(TextDocument& doc, ViewPos v) {
  doc.caretCol = v.col;
  doc.caretRow = v.row;
}

ViewPos Caret(const TextDocument& doc) { return {doc.caretCol, doc.caretRow}; }
ViewPos Anchor(const TextDocument& doc) { return {doc.anchorCol, doc.anchorRow}; }

bool Before(ViewPos a, ViewPos b) { return a.row < b.row || (a.row == b.row && a.col < b.col); }

// True when the caret stands at the end of a soft-wrapped row: its byte is
// shown at the start of the next row.
bool AtWrapEnd(const TextDocument& doc, int byte) {
  return doc.Layout().rightTurn && doc.caretCol > 0 && doc.RowOfByte(byte) != doc.caretRow;
}

void MoveVertically(TextDocument& doc, int rows) {
  if (doc.wantedCol == -1) doc.wantedCol = doc.caretCol;
  int row = std::max(0, doc.caretRow + rows);
  SetCaret(doc, doc.SnapView(doc.wantedCol, row));
}

}  // namespace

int NextCharEnd(const TextDocument& doc, int pos) {
  const int n = doc.Length();
  if (pos >= n) return n;
  unsigned char c = doc.At(pos);
  if (c == '\r' && doc.At(pos + 1) == '\n' && pos + 1 < n) return pos + 2;
  if (IsSjisLead(c) && pos + 1 < n) return pos + 2;
  return pos + 1;
}

std::string CaretWordText(const TextDocument& doc, bool afterEdit) {
  int s, e;
  doc.SelectionBytes(s, e);
  if (s == e) {
    ViewPos p{doc.caretCol, doc.caretRow};
    if (afterEdit && p.col >= 2) p = doc.SnapView(p.col - 2, p.row);
    doc.WordAt(p, s, e);
  }
  int end = s;
  while (end < e && end - s < kCaretWordMax) {
    if (doc.At(end) == '\r' && doc.At(end + 1) == '\n' && end + 1 < doc.Length()) break;
    const int next = NextCharEnd(doc, end);
    if (next - s > kCaretWordMax) break;
    end = next;
  }
  return doc.Substr(s, end);
}

void MoveRight(TextDocument& doc) {
  const int b = doc.CaretByte();
  if (AtWrapEnd(doc, b)) {
    SetCaret(doc, {0, doc.caretRow + 1});
    return;
  }
  if (b >= doc.Length()) return;
  const int next = NextCharEnd(doc, b);
  ViewPos v = doc.ViewFromByte(next);
  // A character that reaches the wrap limit puts the caret at the start of the next row.
  const int row = doc.RowOfByte(next);
  if (row != v.row) v = {0, row};
  SetCaret(doc, doc.SnapView(v.col, v.row));
}

void MoveLeft(TextDocument& doc) {
  if (doc.caretCol == 0 && doc.caretRow == 0) return;
  if (doc.caretCol > 0) {
    SetCaret(doc, doc.SnapView(doc.caretCol - 1, doc.caretRow));
    return;
  }
  const int prev = doc.caretRow - 1;
  const int width = doc.RowWidth(prev);
  const int b = doc.CaretByte();
  if (doc.LineStart(doc.LineOfByte(b)) == b) {
    SetCaret(doc, {width, prev});  // after CR LF: the end of the previous row
  } else {
    SetCaret(doc, doc.SnapView(width - 1, prev));  // before the last character of the wrapped row
  }
}

void MoveUp(TextDocument& doc) { MoveVertically(doc, -1); }
void MoveDown(TextDocument& doc) { MoveVertically(doc, 1); }
void MovePageUp(TextDocument& doc, int page) { MoveVertically(doc, -std::max(page, 0)); }
void MovePageDown(TextDocument& doc, int page) { MoveVertically(doc, std::max(page, 0)); }

void NavigateKey(TextDocument& doc, NavKey key, bool shift, bool ctrl, int page) {
  const ViewPos caret = Caret(doc), anchor = Anchor(doc);
  const bool selected = caret != anchor;
  const ViewPos first = Before(anchor, caret) ? anchor : caret;
  const ViewPos last = Before(anchor, caret) ? caret : anchor;
  switch (key) {
    case NavKey::kLeft:
      doc.wantedCol = -1;
      if (!selected || shift)
        MoveLeft(doc);
      else
        SetCaret(doc, first);
      break;
    case NavKey::kRight:
      doc.wantedCol = -1;
      if (!selected || shift)
        MoveRight(doc);
      else
        SetCaret(doc, last);
      break;
    case NavKey::kUp:
      if (ctrl && doc.caretCol != 0) {
        doc.caretCol = 0;
        doc.wantedCol = -1;
        break;
      }
      if (selected && !shift) SetCaret(doc, first);
      MoveUp(doc);
      break;
    case NavKey::kDown: {
      if (selected && !shift) SetCaret(doc, last);
      const int row = doc.caretRow;
      MoveDown(doc);
      if (ctrl) {
        doc.caretCol = doc.caretRow != row ? 0 : doc.RowWidth(doc.caretRow);
        doc.wantedCol = -1;
      }
      break;
    }
    case NavKey::kPageUp: MovePageUp(doc, page); break;
    case NavKey::kPageDown: MovePageDown(doc, page); break;
    case NavKey::kHome:
      SetCaret(doc, ctrl ? ViewPos{0, 0} : ViewPos{0, doc.caretRow});
      doc.wantedCol = -1;
      break;
    case NavKey::kEnd:
      SetCaret(doc, ctrl ? doc.ViewFromByte(doc.Length()) : ViewPos{doc.RowWidth(doc.caretRow), doc.caretRow});
      doc.wantedCol = -1;
      break;
  }
  if (!shift) {
    doc.anchorCol = doc.caretCol;
    doc.anchorRow = doc.caretRow;
  }
}
