#pragma once
// An ordered list of partition boundaries (line starts, first rows of lines)
// over a range [0, total]. A size change inside one partition shifts every
// later boundary; that shift is kept pending as one step and applied only as
// far as later calls need, so edits in one place cost O(1) however many
// partitions follow, and a position lookup is a binary search.
#include <atomic>
#include <vector>

#include "editor/split_buffer.h"

class Partitioning {
 public:
  // boundaries: start of every partition followed by the total (so n+1 values,
  // the first 0, non-decreasing).
  void Reset(const std::vector<int>& boundaries);

  int Partitions() const { return body_.Length() - 1; }
  // Start of partition p; p == Partitions() gives the total. p is clamped.
  int Start(int p) const {
    const int last = Partitions();
    return Raw(p < 0 ? 0 : p > last ? last : p);
  }
  // Last partition whose start is <= pos (0 for pos below every start).
  int PartitionOf(int pos) const;

  // Every boundary after partition p moves by delta.
  void Shift(int p, int delta);
  // New boundaries at indexes p .. p+count-1 (1 <= p <= Partitions()), real values.
  void Insert(int p, const int* starts, int count);
  // Removes boundaries p .. p+count-1 (1 <= p, p+count <= Partitions()).
  void Remove(int p, int count);
  // Room for count more boundaries, so that Insert does not allocate.
  void Reserve(int count) { body_.RoomFor(count); }

 private:
  int Raw(int p) const { return body_[p] + (p > stepPartition_ ? stepLength_ : 0); }
  int Search(int pos, int lo, int hi) const;
  void ApplyStepTo(int p);
  void RetractStepTo(int p);

  SplitBuffer<int> body_;
  // Boundaries after stepPartition_ still lack stepLength_.
  int stepPartition_ = 0;
  int stepLength_ = 0;
  // Last partition found: edits and caret moves mostly ask about the same or the
  // next one. Only a hint, checked before use; atomic because a worker thread
  // may read positions while the GUI thread does.
  mutable std::atomic<int> hint_{0};
};
