#pragma once
// A gap buffer: one array with a movable hole, so that a run of edits at one
// place costs O(edit size) and only moving to a far place costs O(distance).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

template <typename T>
class SplitBuffer {
  static_assert(std::is_trivially_copyable<T>::value, "moved with memmove");

 public:
  int Length() const { return length_; }

  // Element i, 0 <= i < Length().
  T operator[](int i) const { return i < part1_ ? data_[i] : data_[i + gap_]; }
  T& Ref(int i) { return i < part1_ ? data_[i] : data_[i + gap_]; }

  // Replaces the whole content; `slack` extra elements are reserved as the gap.
  void Assign(const T* values, int n, int slack) {
    Allocate(n + slack + 1);
    if (n > 0) std::memcpy(data_, values, sizeof(T) * n);
    part1_ = n;
    length_ = n;
    gap_ = capacity_ - n;
  }

  // n copies of value, with `slack` extra elements reserved as the gap.
  void AssignFill(T value, int n, int slack) {
    Allocate(n + slack + 1);
    std::fill(data_, data_ + n, value);
    part1_ = n;
    length_ = n;
    gap_ = capacity_ - n;
  }

  void GapTo(int pos) {
    if (pos == part1_) return;
    if (pos < part1_) {
      std::memmove(data_ + pos + gap_, data_ + pos, sizeof(T) * (part1_ - pos));
    } else {
      std::memmove(data_ + part1_, data_ + part1_ + gap_, sizeof(T) * (pos - part1_));
    }
    part1_ = pos;
  }

  // Makes the gap hold at least n elements plus one spare slot (for a
  // terminator). A failed allocation throws before anything changed.
  void RoomFor(int n) {
    if (gap_ > n) return;
    const int needed = length_ + n + 1;
    const int capacity = needed + (needed / 4 > 256 ? needed / 4 : 256);
    std::unique_ptr<T[]> fresh(new T[capacity]);
    GapTo(length_);
    if (length_ > 0) std::memcpy(fresh.get(), data_, sizeof(T) * length_);
    body_ = std::move(fresh);
    data_ = body_.get();
    capacity_ = capacity;
    gap_ = capacity_ - length_;
  }

  void Insert(int pos, const T* values, int n) {
    if (n <= 0) return;
    RoomFor(n);
    GapTo(pos);
    std::memcpy(data_ + part1_, values, sizeof(T) * n);
    part1_ += n;
    length_ += n;
    gap_ -= n;
  }

  void InsertFill(int pos, T value, int n) {
    if (n <= 0) return;
    RoomFor(n);
    GapTo(pos);
    std::fill(data_ + part1_, data_ + part1_ + n, value);
    part1_ += n;
    length_ += n;
    gap_ -= n;
  }

  void Delete(int pos, int n) {
    if (n <= 0) return;
    if (pos == 0 && n == length_) {
      gap_ += length_;
      part1_ = 0;
      length_ = 0;
      return;
    }
    GapTo(pos);
    gap_ += n;
    length_ -= n;
  }

  // [pos, pos+n) as one contiguous run; moves the gap out of it the shorter way.
  T* RangePointer(int pos, int n) {
    if (pos < part1_ && pos + n > part1_) {
      if (part1_ - pos <= pos + n - part1_) {
        GapTo(pos);
      } else {
        GapTo(pos + n);
      }
    }
    if (!data_) RoomFor(1);
    return pos < part1_ ? data_ + pos : data_ + pos + gap_;
  }

  // The content as one array followed by one spare element (not initialised).
  T* Contiguous() {
    RoomFor(1);
    GapTo(length_);
    return data_;
  }

  // The contiguous run of elements that starts at pos (pos < Length()); its
  // size is returned and its address stored in *run.
  int Run(int pos, const T** run) const {
    if (pos < part1_) {
      *run = data_ + pos;
      return part1_ - pos;
    }
    *run = data_ + pos + gap_;
    return length_ - pos;
  }

  // Copies [pos, pos+n) to out.
  void CopyTo(int pos, int n, T* out) const {
    int first = pos < part1_ ? (pos + n < part1_ ? n : part1_ - pos) : 0;
    if (first > 0) std::memcpy(out, data_ + pos, sizeof(T) * first);
    if (n > first) std::memcpy(out + first, data_ + pos + first + gap_, sizeof(T) * (n - first));
  }

  // Calls f(T&) on elements [pos, pos+n) in order, without moving the gap.
  template <typename F>
  void ForEach(int pos, int n, F f) {
    int end = pos + n;
    int firstEnd = end < part1_ ? end : part1_;
    for (int i = pos; i < firstEnd; ++i) f(data_[i]);
    int from = pos > part1_ ? pos : part1_;
    for (int i = from; i < end; ++i) f(data_[i + gap_]);
  }

  // True when p points into the storage (used to copy text that aliases the buffer).
  bool Owns(const void* p) const {
    auto q = reinterpret_cast<uintptr_t>(p);
    auto b = reinterpret_cast<uintptr_t>(data_);
    return data_ && q >= b && q < b + sizeof(T) * capacity_;
  }

 private:
  void Allocate(int capacity) {
    body_.reset(new T[capacity]);
    data_ = body_.get();
    capacity_ = capacity;
  }

  std::unique_ptr<T[]> body_;
  T* data_ = nullptr;  // body_.get(), kept apart for cheap element access
  int capacity_ = 0;
  int part1_ = 0;   // elements before the gap
  int gap_ = 0;     // gap size
  int length_ = 0;  // elements stored
};
