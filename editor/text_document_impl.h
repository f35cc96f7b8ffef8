#pragma once
// Storage of a TextDocument, shared by its source files only.
#include <cstdint>
#include <vector>

#include "editor/partitioning.h"
#include "editor/split_buffer.h"
#include "editor/text_document.h"
#include "editor/text_document_cursors.h"

struct TextDocument::Impl {
  SplitBuffer<char> text;
  SplitBuffer<uint8_t> classes;  // same length as text, edited in step with it
  Partitioning lines;            // byte start of every line, then the length
  Partitioning rows;             // first display row of every line, then the row count
  uint64_t version = 0;
  std::vector<int> scratchStarts;  // reused by every edit
  std::vector<int> scratchRows;
  CursorTuning tuning;
  mutable CursorMemo memo;
  mutable CheckpointTable marks;

  int LineLength(int line) const { return lines.Start(line + 1) - lines.Start(line); }

  // A walk of `line` (starting at byte ls) set at the furthest remembered
  // state for which notAfter holds. `remember` tells whether the line is long
  // enough for the walk's end to be worth remembering.
  template <typename NotAfter>
  LineWalk Begin(const TextLayout& lay, int line, int ls, NotAfter notAfter, bool& remember) const {
    LineWalk w(text, lay, ls);
    const int length = LineLength(line);
    remember = length >= tuning.memoLine;
    if (!remember) return w;
    LineCursor best;
    LineCheckpoints* own = marks.For(ls, length, tuning);
    if (own) {
      const int k = own->LastNotAfter(notAfter);
      if (k >= 0) best = own->marks[static_cast<size_t>(k)].at;
    }
    const int markedTo = best.offset;
    memo.Improve(ls, notAfter, best);
    // From the last checkpoint, or a little past it, the walk adds the next ones.
    if (own && markedTo == own->Frontier() && best.offset - markedTo < tuning.markInterval)
      w.Extend(own, tuning.markInterval, best.offset != markedTo);
    w.Start(best);
    return w;
  }

  // The furthest remembered state for which notAfter holds, without adding any.
  template <typename NotAfter>
  LineCursor Nearest(int line, int ls, NotAfter notAfter) const {
    LineCursor best;
    if (LineLength(line) < tuning.memoLine) return best;
    if (LineCheckpoints* own = marks.Find(ls)) {
      const int k = own->LastNotAfter(notAfter);
      if (k >= 0) best = own->marks[static_cast<size_t>(k)].at;
    }
    memo.Improve(ls, notAfter, best);
    return best;
  }

  // A walk at the start of display row `row` (a row of the text), begun from
  // the furthest remembered state not past column `col` of that row.
  LineWalk BeginRow(const TextLayout& lay, int row, int col, bool& remember) const;
  // Remembers where a walk that began with `remember` set ended.
  void Finish(const LineWalk& w, bool remember) const {
    if (remember) memo.Remember(w.lineStart, w.Cursor());
  }

  // New line starts and row counts of the lines an edit of [s, s+len) (d bytes
  // added) touched, in scratchStarts and scratchRows; returns the first old
  // line that kept its text.
  int RelineUnwrapped(int first, int s, int len, int d);
  int RelineWrapped(const TextLayout& lay, int first, int s, int len, int d, const LineCursor& from);
};
