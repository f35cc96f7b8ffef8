#include "editor/paint_runs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "editor/text_walk.h"
#include "platform/sjis.h"

namespace {

constexpr int kLookahead = 4;

// Copies of the text and its classes around the walk (a paint reads only the
// visible part of each row, plus what lies left of it).
class TextWindow {
 public:
  explicit TextWindow(TextDocument& doc) : doc_(doc), length_(doc.Length()) {}

  // Makes [p, p + want) readable, with a few bytes of lookahead.
  void Fetch(int p, int want) {
    base_ = p;
    size_ = std::max(0, std::min(length_ - p, want + kLookahead));
    text_.resize(static_cast<size_t>(size_));
    classes_.resize(static_cast<size_t>(size_));
    if (size_ == 0) return;
    std::memcpy(&text_[0], doc_.RangePointer(p, size_), static_cast<size_t>(size_));
    std::memcpy(&classes_[0], doc_.ClassRangePointer(p, size_), static_cast<size_t>(size_));
  }
  // True when the character at p and its lookahead can be read without a fetch.
  bool Holds(int p) const { return p >= base_ && (p + kLookahead < base_ + size_ || base_ + size_ == length_); }
  unsigned char At(int p) const {
    int k = p - base_;
    return k >= 0 && k < size_ ? static_cast<unsigned char>(text_[static_cast<size_t>(k)]) : 0;
  }
  uint8_t ClassAt(int p) const {
    int k = p - base_;
    return k >= 0 && k < size_ ? classes_[static_cast<size_t>(k)] : 0;
  }
  int Length() const { return length_; }

 private:
  TextDocument& doc_;
  const int length_;
  int base_ = 0;
  int size_ = 0;
  std::string text_;
  std::vector<uint8_t> classes_;
};

// Gathers the cells of one window row into runs of equal drawing.
class RowRuns {
 public:
  RowRuns(PaintFrame& out, const PaintColours& colours, int row)
      : out_(out), colours_(colours), row_(row) {}

  void Add(int col, const char* bytes, int n, COLORREF fg, COLORREF bg, bool underline) {
    if (open_ && (fg != run_.fg || bg != run_.bg || underline != run_.underline || col != nextCol_)) Flush();
    if (!open_) {
      open_ = true;
      run_ = PaintRun{};
      run_.row = row_;
      run_.col = col;
      run_.start = static_cast<int>(out_.text.size());
      run_.fg = fg;
      run_.bg = bg;
      run_.underline = underline;
      run_.transparent = bg == colours_.background;
    }
    out_.text.append(bytes, static_cast<size_t>(n));
    run_.length += n;
    nextCol_ = col + n;
  }
  void Flush() {
    if (open_ && run_.length > 0) out_.runs.push_back(run_);
    open_ = false;
  }

 private:
  PaintFrame& out_;
  const PaintColours& colours_;
  const int row_;
  bool open_ = false;
  PaintRun run_;
  int nextCol_ = 0;
};

}  // namespace

void PaintFrame::Clear() {
  text.clear();
  runs.clear();
  fills.clear();
  firstNumber = 1;
  numberedRows = 0;
}

std::string MarginLabel(int number, int digits) {
  char format[16];
  std::snprintf(format, sizeof format, "%%%dd:", std::clamp(digits, 1, 10));
  char label[32];
  std::snprintf(label, sizeof label, format, number);
  return label;
}

void BuildPaintRuns(TextDocument& doc, CommentStateCache& comments, const PaintColours& colours,
                    const PaintRequest& req, PaintFrame& out) {
  out.Clear();
  const int rowCount = doc.RowCount();
  const int topRow = std::max(0, req.topRow);
  out.firstNumber = topRow + 1;
  out.numberedRows = std::clamp(rowCount - topRow, 0, std::max(0, req.rows));
  if (out.numberedRows == 0) return;

  const TextLayout& lay = doc.Layout();
  const DocumentKind kind = doc.kind;
  const int n = doc.Length();
  const int rightLimit = std::max(0, req.visibleCols) + 1;  // cells from here on are not drawn
  // Bytes a row needs up to the right edge: no character is narrower than its bytes.
  const int rowWant = std::max(0, req.leftCol) + rightLimit + 16;
  const bool fillCaretRow = colours.caretRow != colours.background;

  TextWindow text(doc);
  int p = doc.RowStart(topRow);
  uint8_t st = comments.StateAtRow(doc, topRow);
  char spaces[16];
  std::memset(spaces, ' ', sizeof spaces);

  for (int r = 0; r < out.numberedRows; ++r) {
    const int absRow = topRow + r;
    const bool caret = absRow == req.caretRow;
    RowRuns runs(out, colours, r);
    int col = -req.leftCol;  // window column of the next cell
    int cells = 0;           // cells used in this display row
    text.Fetch(p, std::min(rowWant, doc.LineEnd(doc.LineOfByte(p)) + 2 - p));
    auto endRow = [&](int fillFrom) {
      runs.Flush();
      if (caret && fillCaretRow && fillFrom < rightLimit) out.fills.push_back({r, std::max(0, fillFrom)});
    };
    for (;;) {
      if (p >= n) {
        endRow(col);
        break;
      }
      if (!text.Holds(p)) text.Fetch(p, 4096);
      const unsigned char c = text.At(p);
      if (text_walk::WrapsBefore(lay, cells, c)) {
        endRow(col);
        break;
      }
      const bool lineEnd = c == '\r' && p + 1 < n && text.At(p + 1) == '\n';
      const bool wide = !lineEnd && IsSjisLead(c) && p + 1 < n;
      const int w = lineEnd ? 1 : wide ? 2 : (c == '\t' ? lay.tabSize - cells % lay.tabSize : 1);
      const bool inComment =
          comment_state::Step(kind, st, c, text.At(p + 1), text.At(p + 2), text.At(p + 3), lineEnd);

      if (col >= rightLimit && !lineEnd) {
        if (!lay.rightTurn) {
          // Nothing more of this line shows: continue at the next line with its cached state.
          runs.Flush();
          const int line = doc.LineOfByte(p);
          if (line + 1 < doc.LineCount()) {
            p = doc.LineStart(line + 1);
            st = comments.StateAtRow(doc, absRow + 1);
          } else {
            p = n;
          }
          break;
        }
        col += w;
        cells += w;
        p += wide ? 2 : 1;
        continue;
      }

      if (col + w > kPaintLeftKeep && col < rightLimit) {
        COLORREF fg = inComment ? colours.comment : colours.byClass[std::min<int>(text.ClassAt(p), 2)];
        COLORREF bg = colours.background;
        if (p >= req.selStart && p < req.selEnd) {
          fg ^= 0xFFFFFF;
          bg ^= 0xFFFFFF;
        } else if (caret) {
          bg = colours.caretRow;
        }
        const bool underline = req.linkStart >= 0 && p >= req.linkStart && p < req.linkEnd;
        if (lineEnd) {
          runs.Add(col, spaces, 1, fg, bg, underline);
        } else if (c == '\t') {
          int from = std::max(col, kPaintLeftKeep);
          int to = std::min(col + w, rightLimit);
          runs.Add(from, spaces, to - from, fg, bg, underline);
        } else {
          char bytes[2] = {static_cast<char>(c), static_cast<char>(text.At(p + 1))};
          runs.Add(col, bytes, wide ? 2 : 1, fg, bg, underline);
        }
      }
      if (lineEnd) {
        endRow(col + 1);
        p += 2;
        break;
      }
      col += w;
      cells += w;
      p += wide ? 2 : 1;
    }
  }
}
