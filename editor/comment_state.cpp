#include "editor/comment_state.h"

#include <algorithm>

#include "editor/text_walk.h"
#include "platform/sjis.h"

namespace {

constexpr int kChunk = 1 << 16;
constexpr int kLookahead = 4;

// Bytes that can change the state or end a line; all others are skipped fast
// when rows are lines.
struct SpecialBytes {
  bool source[256] = {};
  bool html[256] = {};
  SpecialBytes() {
    for (int c = 0; c < 256; ++c) {
      bool lead = IsSjisLead(static_cast<unsigned char>(c));
      source[c] = lead;
      html[c] = lead;
    }
    for (unsigned char c : {'"', '\'', '/', '*', '\r'}) source[c] = true;
    for (unsigned char c : {'<', '!', '-', '>', '\r'}) html[c] = true;
  }
};
const SpecialBytes kSpecial;

}  // namespace

void CommentStateCache::Reset() {
  states_.clear();
  version_ = ~0ull;
}

void CommentStateCache::Sync(const TextDocument& doc) {
  version_ = doc.Version();
  rows_ = doc.RowCount();
  kind_ = doc.kind;
  shape_ = doc.Layout();
}

void CommentStateCache::Check(const TextDocument& doc) {
  if (doc.Version() != version_ || doc.kind != kind_ || !SameShape(doc.Layout(), shape_)) {
    states_.clear();
    Sync(doc);
  }
}

void CommentStateCache::LinesChanged(TextDocument& doc, int firstLine, int lastLine) {
  // Only one edit may have passed since the cache was last in step.
  if (version_ + 1 != doc.Version() || doc.kind != kind_ || !SameShape(doc.Layout(), shape_)) {
    states_.clear();
    Sync(doc);
    return;
  }
  const int oldRows = rows_;
  Sync(doc);
  const int lines = doc.LineCount();
  // The state at the start of the first edited line depends only on the text before it.
  const int r0 = doc.RowOfByte(doc.LineStart(std::clamp(firstLine, 0, lines - 1)));
  if (ValidRows() <= r0 + 1) return;
  // Unchanged text resumes at a line start; one line more than the edit reports,
  // since a lead byte that lost its CR splits a line past the reported range.
  const int resume = lastLine + 2;
  const int r1 = resume < lines ? doc.RowOfByte(doc.LineStart(resume)) : doc.RowCount();
  const int r1Old = r1 - (doc.RowCount() - oldRows);
  if (r1 >= doc.RowCount() || r1Old <= r0 || r1Old >= ValidRows()) {
    states_.resize(static_cast<size_t>(r0 + 1));
    return;
  }
  std::vector<uint8_t> fresh;
  WalkRows(doc, r0, states_[static_cast<size_t>(r0)], r1, fresh);
  if (static_cast<int>(fresh.size()) != r1 - r0 || fresh.back() != states_[static_cast<size_t>(r1Old)]) {
    // The edit opened or closed a comment: everything after its lines changes.
    states_.resize(static_cast<size_t>(r0 + 1));
    if (static_cast<int>(fresh.size()) == r1 - r0) states_.insert(states_.end(), fresh.begin(), fresh.end());
    return;
  }
  // Rows r0+1 .. r1Old of the old text become r0+1 .. r1 of the new one.
  const auto at = states_.begin() + (r0 + 1);
  const int keep = std::min(r1Old - r0, r1 - r0);
  std::copy(fresh.begin(), fresh.begin() + keep, at);
  if (r1 - r0 > keep)
    states_.insert(at + keep, fresh.begin() + keep, fresh.end());
  else
    states_.erase(at + keep, at + (r1Old - r0));
}

uint8_t CommentStateCache::StateAtRow(TextDocument& doc, int row) {
  Check(doc);
  if (doc.kind != DocumentKind::kSource && doc.kind != DocumentKind::kHtml) return 0;
  row = std::clamp(row, 0, doc.RowCount() - 1);
  if (states_.empty()) states_.push_back(0);
  if (row >= ValidRows()) {
    const int from = ValidRows() - 1;
    WalkRows(doc, from, states_.back(), row, states_);
  }
  return states_[static_cast<size_t>(row)];
}

void CommentStateCache::WalkRows(TextDocument& doc, int startRow, uint8_t st, int targetRow,
                                 std::vector<uint8_t>& out) {
  if (doc.Layout().rightTurn)
    Walk<true>(doc, startRow, st, targetRow, out);
  else
    Walk<false>(doc, startRow, st, targetRow, out);
}

template <bool kWrap>
void CommentStateCache::Walk(TextDocument& doc, int startRow, uint8_t st, int targetRow,
                             std::vector<uint8_t>& out) {
  const TextLayout& lay = doc.Layout();
  const DocumentKind kind = doc.kind;
  const bool* special = kind == DocumentKind::kSource ? kSpecial.source : kSpecial.html;
  const int n = doc.Length();
  int row = startRow;
  int p = doc.RowStart(row);
  int col = 0;
  while (row < targetRow && p < n) {
    const int chunkEnd = std::min(n, p + kChunk);
    const int avail = std::min(n, chunkEnd + kLookahead) - p;
    const auto* b = reinterpret_cast<const unsigned char*>(doc.RangePointer(p, avail));
    auto at = [&](int k) -> unsigned char { return k < avail ? b[k] : 0; };
    const int lim = chunkEnd - p;
    int i = 0;
    while (i < lim && row < targetRow) {
      unsigned char c = b[i];
      if (!kWrap && !special[c]) {
        ++i;
        continue;
      }
      if (kWrap && text_walk::WrapsBefore(lay, col, c)) {
        ++row;
        col = 0;
        out.push_back(st);
        continue;
      }
      const bool lineEnd = c == '\r' && i + 1 < avail && b[i + 1] == '\n';
      comment_state::Step(kind, st, c, at(i + 1), at(i + 2), at(i + 3), lineEnd);
      if (lineEnd) {
        i += 2;
        ++row;
        col = 0;
        out.push_back(st);
        continue;
      }
      const int len = (IsSjisLead(c) && i + 1 < avail) ? 2 : 1;
      if (kWrap) col += len == 2 ? 2 : (c == '\t' ? lay.tabSize - col % lay.tabSize : 1);
      i += len;
    }
    p += i;
  }
}

std::vector<uint8_t> CommentStatesFromStart(TextDocument& doc) {
  std::vector<uint8_t> out;
  const DocumentKind kind = doc.kind;
  const int n = doc.Length();
  const TextLayout& lay = doc.Layout();
  const auto* b = reinterpret_cast<const unsigned char*>(doc.CStr());
  auto at = [&](int k) -> unsigned char { return k < n ? b[k] : 0; };
  uint8_t st = 0;
  int col = 0;
  out.push_back(0);
  for (int i = 0; i < n;) {
    unsigned char c = b[i];
    if (text_walk::WrapsBefore(lay, col, c)) {
      col = 0;
      out.push_back((kind == DocumentKind::kSource || kind == DocumentKind::kHtml) ? st : 0);
      continue;
    }
    text_walk::Step s = text_walk::StepAt(b, i, n, col, lay.tabSize);
    comment_state::Step(kind, st, c, at(i + 1), at(i + 2), at(i + 3), s.lineEnd);
    if (s.lineEnd) {
      col = 0;
      out.push_back((kind == DocumentKind::kSource || kind == DocumentKind::kHtml) ? st : 0);
    } else {
      col += s.cells;
    }
    i += s.bytes;
  }
  return out;
}
