#pragma once
// Bidirectional iterator over a byte range yielding one code per character:
// a double-byte Shift-JIS character is one code ((lead << 8) | trail), so a
// match can never begin or end inside it. In byte mode every byte is a code.
// It only ever stands at character starts when started at one.
#include <cstddef>
#include <iterator>

#include "platform/sjis.h"

// The run of lead-range bytes last stepped back into, shared by the iterators
// of one search: stepping back inside a long run (字 is 0x8E 0x9A) then costs
// the bytes newly passed, not a walk to the run's start at every step.
struct SjisRunCache {
  const unsigned char* start = nullptr;  // where the run begins: the range start or just after a non-lead byte
  const unsigned char* top = nullptr;    // every byte of [start, top) is in the lead range
};

class SjisIterator {
 public:
  using iterator_category = std::bidirectional_iterator_tag;
  using value_type = char32_t;
  using difference_type = std::ptrdiff_t;
  using pointer = const char32_t*;
  using reference = char32_t;

  SjisIterator() = default;
  // `runs` (may be null) must outlive the iterator and serve one range only.
  SjisIterator(const unsigned char* p, const unsigned char* begin, const unsigned char* end, bool sjis,
               SjisRunCache* runs = nullptr)
      : p_(p), begin_(begin), end_(end), runs_(runs), sjis_(sjis) {}

  char32_t operator*() const {
    unsigned c = *p_;
    if (sjis_ && IsSjisLead(*p_) && p_ + 1 < end_) return static_cast<char32_t>((c << 8) | p_[1]);
    return c;
  }
  SjisIterator& operator++() {
    prev_ = p_;
    p_ += (sjis_ && IsSjisLead(*p_) && p_ + 1 < end_) ? 2 : 1;
    return *this;
  }
  SjisIterator operator++(int) {
    SjisIterator t = *this;
    ++*this;
    return t;
  }
  SjisIterator& operator--() {
    const unsigned char* known = prev_;
    prev_ = nullptr;
    if (known && known < p_) {
      p_ = known;
    } else {
      p_ = StepBack(p_);
    }
    return *this;
  }
  SjisIterator operator--(int) {
    SjisIterator t = *this;
    --*this;
    return t;
  }
  bool operator==(const SjisIterator& o) const { return p_ == o.p_; }
  bool operator!=(const SjisIterator& o) const { return p_ != o.p_; }

  const unsigned char* base() const { return p_; }

 private:
  // The character ending at p starts two bytes back when the byte there is a
  // lead of an even-length run of lead-range bytes counted from the last
  // point known to be a character boundary (just after a non-lead byte, or
  // the range start).
  const unsigned char* StepBack(const unsigned char* p) const {
    if (!sjis_ || p - begin_ < 2) return p - 1;
    const unsigned char* q = p - 2;
    if (!IsSjisLead(*q)) return p - 1;
    return ((q - RunStart(q)) % 2 == 0) ? q : p - 1;
  }

  // Start of the run of lead-range bytes holding q (itself one).
  const unsigned char* RunStart(const unsigned char* q) const {
    SjisRunCache* c = runs_;
    if (c && c->start && c->start <= q && q <= c->top) return c->start;
    const unsigned char* b = q;
    while (b > begin_ && IsSjisLead(b[-1])) {
      if (c && c->start && b == c->top) {
        b = c->start;  // the cached run goes on below
        break;
      }
      --b;
    }
    if (c) {
      c->start = b;
      c->top = q + 1;
    }
    return b;
  }

  const unsigned char* p_ = nullptr;
  const unsigned char* prev_ = nullptr;  // start of the previous character when known
  const unsigned char* begin_ = nullptr;
  const unsigned char* end_ = nullptr;
  SjisRunCache* runs_ = nullptr;
  bool sjis_ = true;
};
