#pragma once
// Remembered states of the position walk inside long lines, so that a
// conversion walks from a state near its target instead of from the line start:
// - a memo of the last few states the conversions reached (sequential and
//   nearby access: typing, caret moves, replace-all moving forward);
// - checkpoints every few KB of a long line, built by the walks that pass them
//   (random access, moves backwards).
// An edit keeps the states before it, moves those of later lines with their
// line and drops the others; without soft wrap it also moves the checkpoints
// after it in its own line.
//
// Threads: conversions are const and may run on the drag auto-scroll worker
// as well as on the GUI thread (never during an edit). Memo slots are atomics
// under a per-slot sequence lock: a writer that finds its slot busy skips it,
// a reader that sees the slot change ignores it, so any thread may use them.
// Checkpoints are read and written only on the thread that created the
// document (the GUI thread); conversions on other threads do without them.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "editor/split_buffer.h"
#include "editor/text_document.h"
#include "editor/text_walk.h"

// The walk state at byte lineStart + offset: column and display row within the
// line, before the soft-wrap test at that byte. A walk resumed from it goes on
// exactly as the walk from the line start would.
struct LineCursor {
  int offset = 0;
  int col = 0;
  int row = 0;
};

// Which lines keep states; tests make the sizes small.
struct CursorTuning {
  int memoLine = 1024;      // lines at least this long use the memo
  int markLine = 16384;     // lines at least this long get checkpoints
  int markInterval = 4096;  // bytes between checkpoints
};

// How an edit changed the lines.
struct CursorEdit {
  int lineStart;      // start of the line holding s (the same before and after)
  int s;              // first replaced byte
  bool keepAtS;       // a state at s stays valid: the byte before s joins nothing after it
  int survivorStart;  // old start of the first line after the edit whose text is unchanged, or -1
  int delta;          // bytes added
};

class CursorMemo {
 public:
  static constexpr int kSlots = 4;
  // Raises `best` to the furthest remembered state of the line at lineStart
  // for which notAfter(state) holds.
  template <typename NotAfter>
  void Improve(int lineStart, NotAfter notAfter, LineCursor& best) const {
    for (const Slot& slot : slots_) {
      int at;
      LineCursor c;
      if (Read(slot, at, c) && at == lineStart && c.offset > best.offset && notAfter(c)) best = c;
    }
  }
  void Remember(int lineStart, const LineCursor& c) const;
  void Edited(const CursorEdit& e);
  void Clear();

 private:
  struct Slot {
    std::atomic<uint32_t> seq{0};  // odd while written
    std::atomic<int> lineStart{-1};
    std::atomic<int> offset{0};
    std::atomic<int> col{0};
    std::atomic<int> row{0};
    std::atomic<uint32_t> used{0};  // recency, a hint outside the lock
  };
  static bool Read(const Slot& slot, int& lineStart, LineCursor& c);
  static uint32_t Lock(Slot& slot);  // waits for a writer on another thread
  static void Store(Slot& slot, int lineStart, const LineCursor& c);

  mutable Slot slots_[kSlots];
  mutable std::atomic<uint32_t> clock_{0};
};

struct Checkpoint {
  LineCursor at;
  bool tabBefore;  // a TAB may lie between the previous checkpoint (or the line start) and this one
};

// Checkpoints of one line: ascending, from the line start up to the furthest
// walk, about one interval apart.
struct LineCheckpoints {
  int lineStart = -1;
  uint32_t used = 0;
  std::vector<Checkpoint> marks;

  int Frontier() const { return marks.empty() ? 0 : marks.back().at.offset; }
  // Index of the last checkpoint for which notAfter holds, or -1.
  template <typename NotAfter>
  int LastNotAfter(NotAfter notAfter) const {
    int lo = 0, hi = static_cast<int>(marks.size());
    while (lo < hi) {
      int mid = lo + (hi - lo) / 2;
      if (notAfter(marks[static_cast<size_t>(mid)].at))
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo - 1;
  }
};

class CheckpointTable {
 public:
  static constexpr size_t kLines = 4;
  // The checkpoints of the line at lineStart, made empty when new; null on
  // other threads than the document's and for lines shorter than markLine.
  LineCheckpoints* For(int lineStart, int lineLength, const CursorTuning& tuning);
  // Any thread may look, for edits (which only the GUI thread makes).
  LineCheckpoints* Find(int lineStart);
  // `ownLineDone`: the line holding the edit was already brought up to date.
  void Edited(const CursorEdit& e, bool ownLineDone);
  void Clear() { lines_.clear(); }

 private:
  std::thread::id owner_ = std::this_thread::get_id();
  std::vector<LineCheckpoints> lines_;
  uint32_t clock_ = 0;
};

// After an edit of [s, s + len) inside a line that kept its line end, without
// soft wrap: keeps the checkpoints before s, walks the new text from the last
// of them to the first old checkpoint clear of the edit, and moves that one and
// all later ones.
void MoveMarksAfterEdit(LineCheckpoints& line, const SplitBuffer<char>& text, const TextLayout& lay, int s,
                        int len, int delta, int interval);

// A walk along one line from a cursor. While `extend` is set the walk started
// at (or just past) the last checkpoint of the line and adds new ones.
class LineWalk {
 public:
  LineWalk(const SplitBuffer<char>& text, const TextLayout& lay, int start)
      : length(text.Length()), lineStart(start), p(start), text_(text), lay_(lay) {}

  void Start(const LineCursor& c) {
    p = lineStart + c.offset;
    col = c.col;
    row = c.row;
  }
  void Extend(LineCheckpoints* line, int interval, bool tabUnknown) {
    extend_ = line;
    interval_ = interval;
    tabSince_ = tabUnknown;
  }

  unsigned char Byte() const { return static_cast<unsigned char>(text_[p]); }
  bool WrapDue() const { return text_walk::WrapsBefore(lay_, col, Byte()); }
  // Starts the next display row at p when the soft wrap is due there.
  bool Wrap() {
    if (!WrapDue()) return false;
    preCol_ = col;
    ++row;
    col = 0;
    wrapped_ = true;
    return true;
  }
  text_walk::Step Peek() const { return text_walk::StepAt(text_, p, length, col, lay_.tabSize); }
  void Take(const text_walk::Step& s) {
    if (extend_ && s.bytes == 1 && Byte() == '\t') tabSince_ = true;
    col += s.cells;
    p += s.bytes;
    wrapped_ = false;
    if (extend_) Mark();
  }
  // Walks to the start of display row `want` of the line.
  void ToRow(int want) {
    while (row < want && p < length) {
      if (Wrap()) continue;
      text_walk::Step s = Peek();
      if (s.lineEnd) break;
      Take(s);
    }
  }
  // The state at p before its soft-wrap test.
  LineCursor Cursor() const {
    return wrapped_ ? LineCursor{p - lineStart, preCol_, row - 1} : LineCursor{p - lineStart, col, row};
  }

  int length;
  int lineStart;
  int p;
  int col = 0;
  int row = 0;  // display row within the line

 private:
  void Mark() {
    std::vector<Checkpoint>& v = extend_->marks;
    if (p - lineStart - extend_->Frontier() < interval_) return;
    v.push_back({Cursor(), tabSince_});
    tabSince_ = false;
  }

  const SplitBuffer<char>& text_;
  const TextLayout& lay_;
  int preCol_ = 0;        // column before the soft wrap made at p
  bool wrapped_ = false;  // a soft wrap was made at p and nothing taken since
  LineCheckpoints* extend_ = nullptr;
  int interval_ = 0;
  bool tabSince_ = false;
};
