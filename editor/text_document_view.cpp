// Conversions between byte indexes and display positions. Each one finds its
// line through the index and walks only that line, from the nearest remembered
// state of the walk before its target.
#include <algorithm>
#include <limits>

#include "editor/text_document.h"
#include "editor/text_document_impl.h"
#include "editor/text_walk.h"

using text_walk::Step;

namespace {

// The walk states not past a byte of the line.
struct ByteTarget {
  int offset;
  bool operator()(const LineCursor& c) const { return c.offset <= offset; }
};

// The walk states not past a column of a display row of the line.
struct ViewTarget {
  int row;
  int col;
  bool operator()(const LineCursor& c) const { return c.row < row || (c.row == row && c.col <= col); }
};

bool IsNameByte(unsigned char c) { return IsWordChar(c) && c != '.'; }

}  // namespace

LineWalk TextDocument::Impl::BeginRow(const TextLayout& lay, int row, int col, bool& remember) const {
  const int line = rows.PartitionOf(row);
  const int want = row - rows.Start(line);
  LineWalk w = Begin(lay, line, lines.Start(line), ViewTarget{want, col}, remember);
  w.ToRow(want);
  return w;
}

ViewPos TextDocument::ViewFromByte(int n) const {
  const Impl& m = *impl_;
  n = std::clamp(n, 0, m.text.Length());
  const int line = m.lines.PartitionOf(n);
  const int ls = m.lines.Start(line);
  bool remember;
  LineWalk w = m.Begin(layout_, line, ls, ByteTarget{n - ls}, remember);
  while (w.p < n) {
    w.Wrap();
    Step s = w.Peek();
    if (s.lineEnd) return {0, m.rows.Start(line) + w.row + 1};  // n was the LF
    w.Take(s);
  }
  m.Finish(w, remember);
  return {w.col, m.rows.Start(line) + w.row};
}

int TextDocument::ByteFromView(int col, int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  const Impl& m = *impl_;
  bool remember;
  LineWalk w = m.BeginRow(layout_, row, col, remember);
  int result = 0;
  for (;;) {
    if (w.col >= col) {
      result = w.p;
      break;
    }
    if (w.p >= w.length || w.WrapDue()) break;
    Step s = w.Peek();
    if (s.lineEnd) break;
    w.Take(s);
  }
  m.Finish(w, remember);
  return result;
}

ViewPos TextDocument::SnapView(int col, int row) const {
  col = std::max(col, 0);
  row = std::clamp(row, 0, RowCount() - 1);
  const Impl& m = *impl_;
  bool remember;
  LineWalk w = m.BeginRow(layout_, row, col, remember);
  while (w.col < col && w.p < w.length && !w.WrapDue()) {
    Step s = w.Peek();
    // A TAB or double-byte character that covers col is not entered.
    if (s.lineEnd || w.col + s.cells > col) break;
    w.Take(s);
  }
  m.Finish(w, remember);
  return {w.col, row};
}

int TextDocument::RowStart(int row) const {
  row = std::clamp(row, 0, RowCount() - 1);
  const Impl& m = *impl_;
  bool remember;
  LineWalk w = m.BeginRow(layout_, row, 0, remember);
  m.Finish(w, remember);
  return w.p;
}

int TextDocument::RowWidth(int row) const {
  row = std::clamp(row, 0, RowCount() - 1);
  const Impl& m = *impl_;
  bool remember;
  LineWalk w = m.BeginRow(layout_, row, std::numeric_limits<int>::max(), remember);
  while (w.p < w.length && !w.WrapDue()) {
    Step s = w.Peek();
    if (s.lineEnd) break;
    w.Take(s);
  }
  m.Finish(w, remember);
  return w.col;
}

int TextDocument::RowOfByte(int pos) const {
  const Impl& m = *impl_;
  pos = std::clamp(pos, 0, m.text.Length());
  const int line = m.lines.PartitionOf(pos);
  if (!layout_.rightTurn) return m.rows.Start(line);
  const int ls = m.lines.Start(line);
  bool remember;
  LineWalk w = m.Begin(layout_, line, ls, ByteTarget{pos - ls}, remember);
  // The wrap before the character at pos counts: the byte shows on the later row.
  while (w.p < w.length && w.p <= pos) {
    w.Wrap();
    Step s = w.Peek();
    if (s.lineEnd) break;
    w.Take(s);
  }
  m.Finish(w, remember);
  return m.rows.Start(line) + w.row;
}

void TextDocument::WordAt(ViewPos pos, int& start, int& end) const {
  const Impl& m = *impl_;
  const int length = m.text.Length();
  const int i = ByteFromView(pos.col, pos.row);
  start = end = i;
  if (i >= length) return;
  const unsigned char c = m.text[i];
  if (c == '\r' && i + 1 < length && m.text[i + 1] == '\n') return;

  const bool wide = IsSjisLead(c) && i + 1 < length;
  const int cls = wide ? text_walk::WideWordClass(c, m.text[i + 1]) : 0;
  end = i + (wide ? 2 : 1);
  if (wide ? cls == 0 : !IsNameByte(c)) return;

  auto same = [&](int p, bool pWide) {
    if (pWide) return wide && text_walk::WideWordClass(m.text[p], m.text[p + 1]) == cls;
    return !wide && IsNameByte(m.text[p]);
  };
  // Same-class characters before i, stepping back (the lead-byte parity tells
  // a trail byte that looks like a letter from a letter).
  const int from = m.lines.Start(m.lines.PartitionOf(i));
  while (start > from) {
    const int q = text_walk::PrevCharStart(m.text, from, start);
    if (!same(q, q + 2 == start)) break;
    start = q;
  }

  while (end < length) {
    bool eWide = IsSjisLead(m.text[end]) && end + 1 < length;
    if (!same(end, eWide)) break;
    end += eWide ? 2 : 1;
  }
}
