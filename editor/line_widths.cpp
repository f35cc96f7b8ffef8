#include "editor/line_widths.h"

#include <algorithm>
#include <string>

#include "platform/sjis.h"

namespace {

constexpr int kChunk = 1 << 16;

// Walks [start, end) of the text in copied chunks (the gap of the buffer stays
// where the edits want it), calling lineDone(cells) at every CR LF.
template <typename F>
int WalkCells(TextDocument& doc, int start, int end, int tabSize, F lineDone) {
  int col = 0;
  int p = start;
  while (p < end) {
    // One byte more than the chunk: a CR LF or a double-byte character may straddle it.
    const int take = std::min(end, p + kChunk) - p;
    const std::string chunk = doc.Substr(p, std::min(doc.Length(), p + take + 1));
    const auto* b = reinterpret_cast<const unsigned char*>(chunk.data());
    const int avail = static_cast<int>(chunk.size());
    int i = 0;
    while (i < take) {
      unsigned char c = b[i];
      if (c == '\r' && i + 1 < avail && b[i + 1] == '\n') {
        lineDone(col);
        col = 0;
        i += 2;
      } else if (IsSjisLead(c) && i + 1 < avail) {
        col += 2;
        i += 2;
      } else {
        col += c == '\t' ? tabSize - col % tabSize : 1;
        ++i;
      }
    }
    p += i;
  }
  return col;
}

}  // namespace

void MeasureLinesFrom(TextDocument& doc, int firstLine, std::vector<int>& out) {
  const int tab = doc.Layout().tabSize;
  int last = WalkCells(doc, doc.LineStart(firstLine), doc.Length(), tab, [&](int w) { out.push_back(w); });
  out.push_back(last);
}

int MeasureLine(TextDocument& doc, int line) {
  return WalkCells(doc, doc.LineStart(line), doc.LineEnd(line), doc.Layout().tabSize, [](int) {});
}

void LineWidthCache::Add(int w) {
  if (w < kSmall) {
    ++small_[static_cast<size_t>(w)];
    top_ = std::max(top_, w);
  } else {
    ++large_[w];
  }
}

void LineWidthCache::Remove(int w) {
  if (w < kSmall) {
    --small_[static_cast<size_t>(w)];
  } else {
    auto it = large_.find(w);
    if (it != large_.end() && --it->second == 0) large_.erase(it);
  }
}

void LineWidthCache::Build(TextDocument& doc) {
  std::vector<int> all;
  all.reserve(static_cast<size_t>(doc.LineCount()));
  MeasureLinesFrom(doc, 0, all);
  small_.assign(kSmall, 0);
  large_.clear();
  top_ = 0;
  for (int w : all) Add(w);
  widths_ = SplitBuffer<int>();
  widths_.Assign(all.data(), static_cast<int>(all.size()), 256);
  valid_ = true;
  version_ = doc.Version();
  tabSize_ = doc.Layout().tabSize;
}

int LineWidthCache::Widest(TextDocument& doc) {
  if (!valid_ || version_ != doc.Version() || tabSize_ != doc.Layout().tabSize ||
      widths_.Length() != doc.LineCount())
    Build(doc);
  if (!large_.empty()) return large_.rbegin()->first;
  while (top_ > 0 && small_[static_cast<size_t>(top_)] == 0) --top_;
  return top_;
}

void LineWidthCache::LinesChanged(TextDocument& doc, int first, int last) {
  if (!valid_) return;
  const int oldCount = widths_.Length();
  const int newCount = doc.LineCount();
  const int delta = newCount - oldCount;
  // A split the edit did not report (a lead byte that lost its CR) adds a line.
  last = std::max(last, first + delta);
  const int oldLast = last - delta;
  if (version_ + 1 != doc.Version() || tabSize_ != doc.Layout().tabSize || first < 0 || last >= newCount ||
      oldLast < first || oldLast >= oldCount) {
    valid_ = false;
    return;
  }
  for (int k = first; k <= oldLast; ++k) Remove(widths_[k]);
  widths_.Delete(first, oldLast - first + 1);
  const bool wrapped = doc.Layout().rightTurn;
  std::vector<int> fresh;
  fresh.reserve(static_cast<size_t>(last - first + 1));
  for (int k = first; k <= last; ++k) {
    // Without soft wrap a row is a line, and the document walks a long one only
    // from its remembered state nearest the end. With soft wrap (when the
    // widths are not shown) the edit walked the whole line anyway.
    fresh.push_back(wrapped ? MeasureLine(doc, k) : doc.RowWidth(k));
    Add(fresh.back());
  }
  widths_.Insert(first, fresh.data(), static_cast<int>(fresh.size()));
  version_ = doc.Version();
}
