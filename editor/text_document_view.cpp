// Conversions between byte indexes and display positions. Each one finds its
// line through the index and walks only that line.
#include <algorithm>

#include "editor/text_document.h"
#include "editor/text_document_impl.h"
#include "editor/text_walk.h"

using text_walk::Step;
using text_walk::StepAt;
using text_walk::WrapsBefore;

namespace {

// First byte of an existing display row: walk its line up to the row's soft wrap.
int FindRowStart(const SplitBuffer<char>& text, const Partitioning& lines, const Partitioning& rows,
                 const TextLayout& lay, int row) {
  int line = rows.PartitionOf(row);
  int skip = row - rows.Start(line);
  int p = lines.Start(line);
  int length = text.Length();
  int col = 0;
  while (skip > 0 && p < length) {
    unsigned char c = text[p];
    if (WrapsBefore(lay, col, c)) {
      --skip;
      col = 0;
      continue;
    }
    Step s = StepAt(text, p, length, col, lay.tabSize);
    if (s.lineEnd) break;
    col += s.cells;
    p += s.bytes;
  }
  return p;
}

bool IsNameByte(unsigned char c) { return IsWordChar(c) && c != '.'; }

}  // namespace

ViewPos TextDocument::ViewFromByte(int n) const {
  const Impl& m = *impl_;
  const int length = m.text.Length();
  n = std::clamp(n, 0, length);
  int line = m.lines.PartitionOf(n);
  int p = m.lines.Start(line);
  ViewPos v{0, m.rows.Start(line)};
  while (p < n) {
    unsigned char c = m.text[p];
    if (WrapsBefore(layout_, v.col, c)) {
      ++v.row;
      v.col = 0;
    }
    Step s = StepAt(m.text, p, length, v.col, layout_.tabSize);
    if (s.lineEnd) {
      ++v.row;
      v.col = 0;
    } else {
      v.col += s.cells;
    }
    p += s.bytes;
  }
  return v;
}

int TextDocument::ByteFromView(int col, int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  const Impl& m = *impl_;
  const int length = m.text.Length();
  int p = FindRowStart(m.text, m.lines, m.rows, layout_, row);
  int cur = 0;
  for (;;) {
    if (cur >= col) return p;
    if (p >= length) return 0;
    unsigned char c = m.text[p];
    if (WrapsBefore(layout_, cur, c)) return 0;
    Step s = StepAt(m.text, p, length, cur, layout_.tabSize);
    if (s.lineEnd) return 0;
    cur += s.cells;
    p += s.bytes;
  }
}

ViewPos TextDocument::SnapView(int col, int row) const {
  col = std::max(col, 0);
  row = std::clamp(row, 0, RowCount() - 1);
  const Impl& m = *impl_;
  const int length = m.text.Length();
  int p = FindRowStart(m.text, m.lines, m.rows, layout_, row);
  int cur = 0;
  while (cur < col && p < length) {
    unsigned char c = m.text[p];
    if (WrapsBefore(layout_, cur, c)) break;
    Step s = StepAt(m.text, p, length, cur, layout_.tabSize);
    // A TAB or double-byte character that covers col is not entered.
    if (s.lineEnd || cur + s.cells > col) break;
    cur += s.cells;
    p += s.bytes;
  }
  return {cur, row};
}

int TextDocument::RowStart(int row) const {
  row = std::clamp(row, 0, RowCount() - 1);
  return FindRowStart(impl_->text, impl_->lines, impl_->rows, layout_, row);
}

int TextDocument::RowWidth(int row) const {
  const Impl& m = *impl_;
  const int length = m.text.Length();
  int p = RowStart(row);
  int cur = 0;
  while (p < length) {
    unsigned char c = m.text[p];
    if (WrapsBefore(layout_, cur, c)) break;
    Step s = StepAt(m.text, p, length, cur, layout_.tabSize);
    if (s.lineEnd) break;
    cur += s.cells;
    p += s.bytes;
  }
  return cur;
}

int TextDocument::RowOfByte(int pos) const {
  const Impl& m = *impl_;
  const int length = m.text.Length();
  pos = std::clamp(pos, 0, length);
  int line = m.lines.PartitionOf(pos);
  int row = m.rows.Start(line);
  if (!layout_.rightTurn) return row;
  int p = m.lines.Start(line);
  int cur = 0;
  while (p < length && p <= pos) {
    unsigned char c = m.text[p];
    if (WrapsBefore(layout_, cur, c)) {
      ++row;
      cur = 0;
    }
    Step s = StepAt(m.text, p, length, cur, layout_.tabSize);
    if (s.lineEnd) break;
    cur += s.cells;
    p += s.bytes;
  }
  return row;
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

  // Same-class characters before i: walk the line, since a trail byte may look
  // like a letter.
  auto same = [&](int p, bool pWide) {
    if (pWide) return wide && text_walk::WideWordClass(m.text[p], m.text[p + 1]) == cls;
    return !wide && IsNameByte(m.text[p]);
  };
  int run = -1;
  int p = m.lines.Start(m.lines.PartitionOf(i));
  while (p < i) {
    bool pWide = IsSjisLead(m.text[p]) && p + 1 < length;
    if (same(p, pWide)) {
      if (run < 0) run = p;
    } else {
      run = -1;
    }
    p += pWide ? 2 : 1;
  }
  if (run >= 0 && p == i) start = run;

  while (end < length) {
    bool eWide = IsSjisLead(m.text[end]) && end + 1 < length;
    if (!same(end, eWide)) break;
    end += eWide ? 2 : 1;
  }
}
