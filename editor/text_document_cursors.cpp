#include "editor/text_document_cursors.h"

#include <algorithm>
#include <cstring>

#include "platform/sjis.h"

// ---- memo

bool CursorMemo::Read(const Slot& slot, int& lineStart, LineCursor& c) {
  const uint32_t before = slot.seq.load(std::memory_order_acquire);
  if (before & 1u) return false;
  lineStart = slot.lineStart.load(std::memory_order_relaxed);
  c.offset = slot.offset.load(std::memory_order_relaxed);
  c.col = slot.col.load(std::memory_order_relaxed);
  c.row = slot.row.load(std::memory_order_relaxed);
  std::atomic_thread_fence(std::memory_order_acquire);
  return slot.seq.load(std::memory_order_relaxed) == before && lineStart >= 0;
}

uint32_t CursorMemo::Lock(Slot& slot) {
  for (;;) {
    uint32_t v = slot.seq.load(std::memory_order_relaxed);
    if (!(v & 1u) && slot.seq.compare_exchange_weak(v, v + 1, std::memory_order_relaxed)) {
      std::atomic_thread_fence(std::memory_order_release);
      return v;
    }
    std::this_thread::yield();
  }
}

void CursorMemo::Store(Slot& slot, int lineStart, const LineCursor& c) {
  slot.lineStart.store(lineStart, std::memory_order_relaxed);
  slot.offset.store(c.offset, std::memory_order_relaxed);
  slot.col.store(c.col, std::memory_order_relaxed);
  slot.row.store(c.row, std::memory_order_relaxed);
}

void CursorMemo::Remember(int lineStart, const LineCursor& c) const {
  const uint32_t stamp = clock_.fetch_add(1, std::memory_order_relaxed) + 1;
  Slot* victim = nullptr;
  for (Slot& slot : slots_) {
    int at;
    LineCursor old;
    if (Read(slot, at, old) && at == lineStart && old.offset == c.offset) {
      // One byte has one state before its wrap test: nothing to write.
      slot.used.store(stamp, std::memory_order_relaxed);
      return;
    }
    if (!victim || slot.used.load(std::memory_order_relaxed) < victim->used.load(std::memory_order_relaxed))
      victim = &slot;
  }
  // Another thread writing the slot wins; the memo is only a shortcut.
  uint32_t v = victim->seq.load(std::memory_order_relaxed);
  if ((v & 1u) || !victim->seq.compare_exchange_strong(v, v + 1, std::memory_order_relaxed)) return;
  std::atomic_thread_fence(std::memory_order_release);
  Store(*victim, lineStart, c);
  victim->used.store(stamp, std::memory_order_relaxed);
  victim->seq.store(v + 2, std::memory_order_release);
}

void CursorMemo::Edited(const CursorEdit& e) {
  for (Slot& slot : slots_) {
    // Empty slots and lines before the edit stay as they are.
    if (!(slot.seq.load(std::memory_order_acquire) & 1u) &&
        slot.lineStart.load(std::memory_order_relaxed) < e.lineStart)
      continue;
    const uint32_t v = Lock(slot);
    const int at = slot.lineStart.load(std::memory_order_relaxed);
    const int offset = slot.offset.load(std::memory_order_relaxed);
    if (at == e.lineStart) {
      const int q = at + offset;
      if (!(q < e.s || offset == 0 || (q == e.s && e.keepAtS)))
        slot.lineStart.store(-1, std::memory_order_relaxed);
    } else if (at > e.lineStart) {
      const bool moves = e.survivorStart >= 0 && at >= e.survivorStart;
      slot.lineStart.store(moves ? at + e.delta : -1, std::memory_order_relaxed);
    }
    slot.seq.store(v + 2, std::memory_order_release);
  }
}

void CursorMemo::Clear() {
  for (Slot& slot : slots_) {
    const uint32_t v = Lock(slot);
    slot.lineStart.store(-1, std::memory_order_relaxed);
    slot.seq.store(v + 2, std::memory_order_release);
  }
}

// ---- checkpoints

LineCheckpoints* CheckpointTable::For(int lineStart, int lineLength, const CursorTuning& tuning) {
  if (lineLength < tuning.markLine || std::this_thread::get_id() != owner_) return nullptr;
  ++clock_;
  LineCheckpoints* oldest = nullptr;
  for (LineCheckpoints& line : lines_) {
    if (line.lineStart == lineStart) {
      line.used = clock_;
      return &line;
    }
    if (!oldest || line.used < oldest->used) oldest = &line;
  }
  if (lines_.size() < kLines) {
    lines_.emplace_back();
    oldest = &lines_.back();
  }
  oldest->lineStart = lineStart;
  oldest->used = clock_;
  oldest->marks.clear();
  return oldest;
}

LineCheckpoints* CheckpointTable::Find(int lineStart) {
  for (LineCheckpoints& line : lines_) {
    if (line.lineStart == lineStart) return &line;
  }
  return nullptr;
}

void CheckpointTable::Edited(const CursorEdit& e, bool ownLineDone) {
  for (size_t i = 0; i < lines_.size();) {
    LineCheckpoints& line = lines_[i];
    if (line.lineStart == e.lineStart) {
      if (!ownLineDone) {
        const int cut = e.s - line.lineStart;
        auto it = std::lower_bound(line.marks.begin(), line.marks.end(), cut,
                                   [](const Checkpoint& m, int off) { return m.at.offset < off; });
        line.marks.erase(it, line.marks.end());
      }
    } else if (line.lineStart > e.lineStart) {
      if (e.survivorStart < 0 || line.lineStart < e.survivorStart) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      line.lineStart += e.delta;
    }
    ++i;
  }
}

namespace {

// First TAB character in [q, limit), where q starts a character; -1 when there
// is none. A TAB byte right after a lead byte is that byte's partner.
int FindTab(const SplitBuffer<char>& text, int q, int limit) {
  const int from = q;
  while (q < limit) {
    const char* run;
    const int n = std::min(text.Run(q, &run), limit - q);
    const void* hit = std::memchr(run, '\t', static_cast<size_t>(n));
    if (!hit) {
      q += n;
      continue;
    }
    const int t = q + static_cast<int>(static_cast<const char*>(hit) - run);
    if (text_walk::StartsCharacter(text, from, t)) return t;
    q = t + 1;
  }
  return -1;
}

}  // namespace

// Columns after the edit differ from the old ones by a constant up to the
// first TAB; past it by a multiple of the TAB size, for good. Between two
// characters without a TAB character between them a line has as many cells
// as bytes (a lead byte and the TAB byte it takes are one 2-cell character).
void MoveMarksAfterEdit(LineCheckpoints& line, const SplitBuffer<char>& text, const TextLayout& lay, int s,
                        int len, int delta, int interval) {
  std::vector<Checkpoint>& v = line.marks;
  const int ls = line.lineStart;
  const int length = text.Length();
  const size_t a =
      static_cast<size_t>(std::lower_bound(v.begin(), v.end(), s - ls,
                                           [](const Checkpoint& m, int off) { return m.at.offset < off; }) -
                          v.begin());
  if (a == v.size()) return;
  // Characters pair up alike in both texts from the second byte after the
  // first byte at or after the insertion that is no lead byte.
  int x = s + len;
  while (x < length && x - (s + len) <= interval && IsSjisLead(static_cast<unsigned char>(text[x]))) ++x;
  const int syncOld = x + 2 - delta;
  size_t j = a;
  while (j < v.size() && ls + v[j].at.offset < syncOld) ++j;
  if (x - (s + len) > interval || j == v.size()) {
    v.resize(a);
    return;
  }

  // The new state at the first kept checkpoint, with fresh checkpoints on the way.
  const LineCursor from = a > 0 ? v[a - 1].at : LineCursor{};
  const int target = ls + v[j].at.offset + delta;
  std::vector<Checkpoint> fresh;
  int p = ls + from.offset;
  int col = from.col;
  int last = from.offset;
  bool tabs = false;
  while (p < target) {
    const text_walk::Step st = text_walk::StepAt(text, p, length, col, lay.tabSize);
    if (st.lineEnd) break;
    if (st.bytes == 1 && text[p] == '\t') tabs = true;
    col += st.cells;
    p += st.bytes;
    if (p < target && p - ls - last >= interval) {
      fresh.push_back({{p - ls, col, 0}, tabs});
      tabs = false;
      last = p - ls;
    }
  }
  if (p != target) {
    v.resize(a);
    return;
  }
  int shift = col - v[j].at.col;
  v[j].tabBefore = tabs;
  const int tab = lay.tabSize;
  for (size_t k = j; k < v.size(); ++k) {
    const int oldCol = v[k].at.col;
    v[k].at.offset += delta;
    v[k].at.col += shift;
    if (shift % tab != 0 && k + 1 < v.size() && v[k + 1].tabBefore) {
      const int here = ls + v[k].at.offset;
      const int t = FindTab(text, here, ls + v[k + 1].at.offset + delta);
      if (t >= 0) {
        const int oldAt = oldCol + (t - here);
        shift += oldAt % tab - (oldAt + shift) % tab;
      }
    }
  }
  v.erase(v.begin() + static_cast<std::ptrdiff_t>(a), v.begin() + static_cast<std::ptrdiff_t>(j));
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(a), fresh.begin(), fresh.end());
}
