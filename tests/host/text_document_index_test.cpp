// The gap buffer and the partitioning under the line index, checked against
// plain vectors with random operation sequences.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/partitioning.h"
#include "editor/split_buffer.h"

TEST(SplitBuffer, RandomEditsMatchAString) {
  std::mt19937 rng(42);
  SplitBuffer<char> buf;
  std::string ref;
  for (int step = 0; step < 4000; ++step) {
    int n = static_cast<int>(ref.size());
    int pos = static_cast<int>(rng() % (n + 1));
    switch (rng() % 5) {
      case 0:
      case 1: {
        std::string add(rng() % 300, static_cast<char>('a' + step % 26));
        buf.Insert(pos, add.data(), static_cast<int>(add.size()));
        ref.insert(pos, add);
        break;
      }
      case 2: {
        int len = std::min(n - pos, static_cast<int>(rng() % 200));
        buf.Delete(pos, len);
        ref.erase(pos, len);
        break;
      }
      case 3: {
        int len = static_cast<int>(rng() % (n - pos + 1));
        const char* p = buf.RangePointer(pos, len);
        ASSERT_EQ(std::string(p, len), ref.substr(pos, len));
        break;
      }
      default: {
        const char* all = buf.Contiguous();
        ASSERT_EQ(std::string(all, n), ref);
        break;
      }
    }
    ASSERT_EQ(buf.Length(), static_cast<int>(ref.size()));
    if (step % 50 == 0) {
      std::string copy(ref.size(), '\0');
      buf.CopyTo(0, buf.Length(), copy.data());
      ASSERT_EQ(copy, ref);
    }
  }
  buf.Delete(0, buf.Length());
  EXPECT_EQ(buf.Length(), 0);
  buf.InsertFill(0, 'z', 3);
  EXPECT_EQ(std::string(buf.Contiguous(), 3), "zzz");
}

TEST(Partitioning, RandomShiftsInsertsAndRemovesMatchAVector) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    std::vector<int> ref;  // boundaries, last = total
    int total = 0;
    ref.push_back(0);
    for (int i = 0; i < 200; ++i) {
      total += 1 + static_cast<int>(rng() % 5);
      ref.push_back(total);
    }
    Partitioning part;
    part.Reset(ref);
    for (int step = 0; step < 600; ++step) {
      int n = static_cast<int>(ref.size()) - 1;
      switch (rng() % 4) {
        case 0: {  // size change inside a partition, sometimes zero
          int p = static_cast<int>(rng() % n);
          int delta = static_cast<int>(rng() % 7) - 2;
          if (ref[p + 1] - ref[p] + delta < 0) delta = 0;  // boundaries stay in order
          part.Shift(p, delta);
          for (int i = p + 1; i <= n; ++i) ref[i] += delta;
          break;
        }
        case 1: {  // new boundaries inside partition p
          int p = static_cast<int>(rng() % n);
          int count = static_cast<int>(rng() % 4);
          std::vector<int> add;
          for (int k = 0; k < count; ++k) add.push_back(ref[p] + static_cast<int>(rng() % (ref[p + 1] - ref[p] + 1)));
          std::sort(add.begin(), add.end());
          part.Insert(p + 1, add.data(), count);
          ref.insert(ref.begin() + p + 1, add.begin(), add.end());
          break;
        }
        case 2: {  // remove boundaries, often across the pending step
          if (n < 2) break;
          int p = 1 + static_cast<int>(rng() % (n - 1));
          int count = std::min(n - p, static_cast<int>(rng() % 6));
          part.Remove(p, count);
          ref.erase(ref.begin() + p, ref.begin() + p + count);
          break;
        }
        default: {  // lookups
          int pos = static_cast<int>(rng() % (ref.back() + 3)) - 1;
          int expect = 0;
          for (int i = 0; i < n; ++i) {
            if (ref[i] <= pos) expect = i;
          }
          ASSERT_EQ(part.PartitionOf(pos), expect) << "pos " << pos;
          break;
        }
      }
      ASSERT_EQ(part.Partitions(), static_cast<int>(ref.size()) - 1);
      for (int i = 0; i < static_cast<int>(ref.size()); ++i) ASSERT_EQ(part.Start(i), ref[i]) << "boundary " << i;
    }
  }
}
