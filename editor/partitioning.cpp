#include "editor/partitioning.h"

#include <algorithm>

void Partitioning::Reset(const std::vector<int>& boundaries) {
  int n = static_cast<int>(boundaries.size());
  body_.Assign(boundaries.data(), n, n / 16 + 16);
  stepPartition_ = n - 1;
  stepLength_ = 0;
}

int Partitioning::Search(int pos, int lo, int hi) const {
  while (lo < hi) {
    int mid = lo + (hi - lo + 1) / 2;
    if (Raw(mid) <= pos) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

int Partitioning::PartitionOf(int pos) const {
  const int last = Partitions() - 1;
  int h = hint_.load(std::memory_order_relaxed);
  if (h <= last && Raw(h) <= pos) {
    // The hinted partition or one of the next two holds most lookups.
    for (int k = h; k <= last && k <= h + 2; ++k) {
      if (k == last || Raw(k + 1) > pos) {
        hint_.store(k, std::memory_order_relaxed);
        return k;
      }
    }
  }
  int found = Search(pos, 0, last);
  hint_.store(found, std::memory_order_relaxed);
  return found;
}

void Partitioning::ApplyStepTo(int p) {
  if (p <= stepPartition_) return;
  int delta = stepLength_;
  if (delta != 0) body_.ForEach(stepPartition_ + 1, p - stepPartition_, [delta](int& v) { v += delta; });
  stepPartition_ = p;
  if (stepPartition_ >= Partitions()) stepLength_ = 0;
}

void Partitioning::RetractStepTo(int p) {
  if (p >= stepPartition_) return;
  int delta = stepLength_;
  if (delta != 0) body_.ForEach(p + 1, stepPartition_ - p, [delta](int& v) { v -= delta; });
  stepPartition_ = p;
}

void Partitioning::Shift(int p, int delta) {
  int n = Partitions();
  if (delta == 0 || p >= n) return;
  if (stepLength_ == 0) {
    stepPartition_ = p;
  } else if (p >= stepPartition_) {
    ApplyStepTo(p);
  } else if (stepPartition_ - p <= n - stepPartition_) {
    RetractStepTo(p);
  } else {
    // Cheaper to settle the tail than to walk the step back.
    ApplyStepTo(n);
    stepPartition_ = p;
  }
  stepLength_ += delta;
}

void Partitioning::Insert(int p, const int* starts, int count) {
  if (count <= 0) return;
  if (p <= stepPartition_) {
    body_.Insert(p, starts, count);
    stepPartition_ += count;
    return;
  }
  // Stored without the pending step, which they will be given later.
  body_.Insert(p, starts, count);
  const int step = stepLength_;
  if (step != 0) body_.ForEach(p, count, [step](int& v) { v -= step; });
}

void Partitioning::Remove(int p, int count) {
  if (count <= 0) return;
  if (p <= stepPartition_) stepPartition_ -= std::min(count, stepPartition_ - p + 1);
  body_.Delete(p, count);
}
