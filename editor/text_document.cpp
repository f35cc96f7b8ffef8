#include "editor/text_document.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "editor/text_document_impl.h"
#include "editor/text_walk.h"

namespace {

TextLayout Sanitized(TextLayout lay) {
  // A TAB takes at most 16 cells, so columns of any line up to 128 MB fit an int.
  lay.tabSize = std::clamp(lay.tabSize, 1, 16);
  lay.maxOneLineTextLength = std::max(lay.maxOneLineTextLength, 2);
  return lay;
}

// Line starts and first rows of every line of contiguous text.
template <typename Bytes>
void ScanAll(const Bytes& b, int length, const TextLayout& lay, std::vector<int>& starts,
             std::vector<int>& rowStarts) {
  starts.assign(1, 0);
  rowStarts.assign(1, 0);
  int rows = 0;
  int p = 0;
  for (;;) {
    text_walk::LineScan sc = text_walk::ScanLine(b, p, length, lay);
    rows += sc.rows;
    rowStarts.push_back(rows);
    if (sc.next < 0) break;
    starts.push_back(sc.next);
    p = sc.next;
  }
  starts.push_back(length);
}

}  // namespace

void BlankNuls(std::string& text) {
  char* p = text.data();
  char* const end = p + text.size();
  while ((p = static_cast<char*>(std::memchr(p, 0, static_cast<size_t>(end - p)))) != nullptr) *p++ = ' ';
}

TextDocument::TextDocument(std::string text, DocumentKind kind_, const TextLayout& layout)
    : kind(kind_), impl_(std::make_unique<Impl>()), layout_(Sanitized(layout)) {
  if (text.size() > static_cast<size_t>(kMaxLength)) text.resize(kMaxLength);
  int n = static_cast<int>(text.size());
  BlankNuls(text);
  impl_->text.Assign(text.data(), n, n / 16 + 256);
  impl_->classes.AssignFill(kColorDefault, n, n / 16 + 256);
  std::vector<int> starts, rowStarts;
  ScanAll(text_walk::RawBytes{text.data(), n}, n, layout_, starts, rowStarts);
  impl_->lines.Reset(starts);
  impl_->rows.Reset(rowStarts);
}

TextDocument::~TextDocument() = default;

void TextDocument::AddObserver(TextObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void TextDocument::RemoveObserver(TextObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

// ---- text

int TextDocument::Length() const { return impl_->text.Length(); }

unsigned char TextDocument::At(int i) const {
  if (i < 0 || i >= impl_->text.Length()) return 0;
  return static_cast<unsigned char>(impl_->text[i]);
}

const char* TextDocument::CStr() {
  char* d = impl_->text.Contiguous();
  d[impl_->text.Length()] = '\0';
  return d;
}

const char* TextDocument::RangePointer(int start, int len) {
  int n = Length();
  start = std::clamp(start, 0, n);
  len = std::clamp(len, 0, n - start);
  return impl_->text.RangePointer(start, len);
}

std::string TextDocument::Substr(int start, int end) const {
  int n = Length();
  start = std::clamp(start, 0, n);
  end = std::clamp(end, start, n);
  std::string out(static_cast<size_t>(end - start), '\0');
  impl_->text.CopyTo(start, end - start, out.data());
  return out;
}

ColorClass TextDocument::ClassAt(int i) const {
  if (i < 0 || i >= impl_->classes.Length()) return kColorDefault;
  return static_cast<ColorClass>(impl_->classes[i]);
}

uint8_t* TextDocument::ClassRangePointer(int start, int len) {
  int n = Length();
  start = std::clamp(start, 0, n);
  len = std::clamp(len, 0, n - start);
  return impl_->classes.RangePointer(start, len);
}

uint64_t TextDocument::Version() const { return impl_->version; }

// ---- line index

int TextDocument::LineCount() const { return impl_->lines.Partitions(); }

int TextDocument::LineStart(int line) const {
  return impl_->lines.Start(std::clamp(line, 0, LineCount() - 1));
}

int TextDocument::LineEnd(int line) const {
  line = std::clamp(line, 0, LineCount() - 1);
  if (line == LineCount() - 1) return Length();
  return impl_->lines.Start(line + 1) - 2;
}

int TextDocument::LineOfByte(int pos) const {
  return impl_->lines.PartitionOf(std::clamp(pos, 0, Length()));
}

int TextDocument::LineStartOf(int n) const { return LineStart(LineOfByte(n)); }

const TextLayout& TextDocument::Layout() const { return layout_; }

int TextDocument::RowCount() const { return impl_->rows.Start(impl_->rows.Partitions()); }

void TextDocument::SetLayout(const TextLayout& layout) {
  TextLayout next = Sanitized(layout);
  if (!SameShape(next, layout_)) {
    const int caretByte = CaretByte();
    const int anchorByte = AnchorByte();
    layout_ = next;
    RebuildRows();
    PlaceSelection(caretByte, anchorByte);
    wantedCol = -1;
  } else {
    layout_ = next;
  }
}

void TextDocument::RebuildRows() {
  int n = Length();
  const char* text = impl_->text.Contiguous();
  std::vector<int> starts, rowStarts;
  ScanAll(text_walk::RawBytes{text, n}, n, layout_, starts, rowStarts);
  impl_->rows.Reset(rowStarts);
  impl_->memo.Clear();
  impl_->marks.Clear();
}

void TextDocument::TuneCursorCaches(int memoLine, int markLine, int markInterval) {
  impl_->tuning = CursorTuning{std::max(memoLine, 1), std::max(markLine, 1), std::max(markInterval, 1)};
  impl_->memo.Clear();
  impl_->marks.Clear();
}

int TextDocument::ComputeGutter(int& digits) const {
  digits = 1;
  for (int rows = RowCount(); rows >= 10; rows /= 10) ++digits;
  if (!layout_.showLineNumber) return 10;
  return (digits + 2) * layout_.codeBoldCharWidth;
}

// ---- editing

bool TextDocument::ReplaceRange(int s, int e, std::string_view str, TextChange& change) {
  Impl& m = *impl_;
  const int oldLength = m.text.Length();
  s = std::clamp(s, 0, oldLength);
  e = std::clamp(e, s, oldLength);
  if (str.size() > static_cast<size_t>(kMaxLength - (oldLength - (e - s)))) return false;
  std::string copy;
  if (!str.empty() && (m.text.Owns(str.data()) || str.find('\0') != std::string_view::npos)) {
    copy.assign(str);
    BlankNuls(copy);
    str = copy;
  }
  const int len = static_cast<int>(str.size());
  const int d = len - (e - s);
  // Every allocation of the edit happens here, before anything changes: a
  // text too large for memory leaves the document as it was.
  const int newLinesBound =
      static_cast<int>(std::count(str.begin(), str.end(), '\n')) + 2;
  m.text.RoomFor(len);
  m.classes.RoomFor(len);
  m.lines.Reserve(newLinesBound);
  m.rows.Reserve(newLinesBound);
  m.scratchStarts.reserve(static_cast<size_t>(newLinesBound));
  m.scratchRows.reserve(static_cast<size_t>(newLinesBound) + 1);

  // Everything before the line holding s walks as before the edit.
  const int first = m.lines.PartitionOf(s);
  const int oldLines = m.lines.Partitions();
  const int firstStart = m.lines.Start(first);
  const unsigned char before = s > firstStart ? static_cast<unsigned char>(m.text[s - 1]) : 0;
  // A walk state at s stays valid unless the byte before s may join what follows it.
  const bool keepAtS = s == firstStart || (before != '\r' && !IsSjisLead(before));
  m.text.Delete(s, e - s);
  m.text.Insert(s, str.data(), len);
  m.classes.Delete(s, e - s);
  m.classes.InsertFill(s, kColorDefault, len);

  std::vector<int>& starts = m.scratchStarts;
  std::vector<int>& rowCounts = m.scratchRows;
  starts.clear();
  rowCounts.clear();
  int lastOld;
  if (!layout_.rightTurn) {
    lastOld = m.RelineUnwrapped(first, s, len, d);
  } else {
    const int sOff = s - firstStart;
    const LineCursor from = m.Nearest(first, firstStart, [&](const LineCursor& c) {
      return c.offset < sOff || (c.offset == sOff && keepAtS);
    });
    lastOld = m.RelineWrapped(layout_, first, s, len, d, from);
  }
  const int survivorStart = lastOld < oldLines ? m.lines.Start(lastOld) : -1;

  const int replaced = lastOld - first;
  int newRows = 0;
  for (int r : rowCounts) newRows += r;
  const int oldRows = m.rows.Start(lastOld) - m.rows.Start(first);

  m.lines.Shift(first, d);
  m.lines.Remove(first + 1, replaced - 1);
  m.lines.Insert(first + 1, starts.data(), static_cast<int>(starts.size()));

  m.rows.Shift(first, newRows - oldRows);
  m.rows.Remove(first + 1, replaced - 1);
  // The row counts become the first rows of the new lines after the first.
  int row = m.rows.Start(first);
  for (size_t i = 0; i + 1 < rowCounts.size(); ++i) {
    row += rowCounts[i];
    rowCounts[i] = row;
  }
  m.rows.Insert(first + 1, rowCounts.data(), static_cast<int>(rowCounts.size()) - 1);

  const CursorEdit edit{firstStart, s, keepAtS, survivorStart, d};
  bool ownLineDone = false;
  if (!layout_.rightTurn && starts.empty() && lastOld == first + 1) {
    // The line kept its end: its checkpoints after the edit can move.
    if (LineCheckpoints* own = m.marks.Find(firstStart)) {
      MoveMarksAfterEdit(*own, m.text, layout_, s, len, d, m.tuning.markInterval);
      ownLineDone = true;
    }
  }
  m.marks.Edited(edit, ownLineDone);
  m.memo.Edited(edit);
  ++m.version;
  change.firstLine = m.lines.PartitionOf(s);
  change.lastLine = m.lines.PartitionOf(s + len);
  change.linesAdded = m.lines.Partitions() - oldLines;
  return true;
}

// Without soft wrap a line is a row, and line ends can change only for a CR
// from s - 1 up to the first byte x at or after the insertion that is no lead
// byte: from the byte after x on, characters pair up alike in the old and the
// new text, so the later line ends are the old ones moved by d.
int TextDocument::Impl::RelineUnwrapped(int first, int s, int len, int d) {
  const int length = text.Length();
  const int lineStart = lines.Start(first);
  int x = s + len;
  while (x < length && IsSjisLead(static_cast<unsigned char>(text[x]))) ++x;
  const int hi = std::min(length, x + 1);
  int from = lineStart;
  for (int q = std::max(lineStart, s - 1); q < hi;) {
    const int cr = text_walk::FindLineEndIn(text, from, q, hi, length);
    if (cr < 0) break;
    scratchStarts.push_back(cr + 2);
    from = q = cr + 2;
  }
  scratchRows.assign(scratchStarts.size() + 1, 1);
  // Old lines starting after a CR at hi - d or later keep their text.
  if (hi == length) return lines.Partitions();
  return std::min(lines.PartitionOf(hi - d + 1) + 1, lines.Partitions());
}

// Re-walks lines from the state `from` of the line holding s until a new line
// start past the inserted text is an old line start moved by d: from there on
// both walks agree. A lead byte that now takes (or no longer takes) a CR can
// merge or split lines, so the count may change.
int TextDocument::Impl::RelineWrapped(const TextLayout& lay, int first, int s, int len, int d,
                                      const LineCursor& from) {
  const int length = text.Length();
  const int oldLines = lines.Partitions();
  text_walk::LineScan sc =
      text_walk::ScanLineFrom(text, lines.Start(first) + from.offset, length, lay, from.col, from.row + 1);
  for (;;) {
    scratchRows.push_back(sc.rows);
    if (sc.next < 0) break;
    if (sc.next >= s + len) {
      const int oldStart = sc.next - d;
      const int k = lines.PartitionOf(oldStart);
      if (k > first && lines.Start(k) == oldStart) return k;
    }
    scratchStarts.push_back(sc.next);
    sc = text_walk::ScanLine(text, sc.next, length, lay);
  }
  return oldLines;
}

bool TextDocument::ReplaceSelection(std::string_view text) {
  int s, e;
  SelectionBytes(s, e);
  const int len = static_cast<int>(std::min<size_t>(text.size(), static_cast<size_t>(kMaxLength)));
  TextChange change;
  if (!ReplaceRange(s, e, text, change)) return false;
  const int caret = s + len;
  ViewPos c = ViewFromByte(caret);
  caretCol = anchorCol = c.col;
  caretRow = anchorRow = c.row;
  wantedCol = -1;
  modified = true;
  change.start = s;
  change.removed = e - s;
  change.inserted = len;
  for (TextObserver* observer : observers_) observer->TextChanged(*this, change);
  return true;
}

void TextDocument::PlaceSelection(int caretByte, int anchorByte) {
  const ViewPos c = ViewFromByte(caretByte);
  const ViewPos a = anchorByte == caretByte ? c : ViewFromByte(anchorByte);
  caretCol = c.col;
  caretRow = c.row;
  anchorCol = a.col;
  anchorRow = a.row;
}

void TextDocument::SelectionBytes(int& start, int& end) const {
  start = ByteFromView(caretCol, caretRow);
  end = (caretCol == anchorCol && caretRow == anchorRow) ? start : ByteFromView(anchorCol, anchorRow);
  if (start > end) std::swap(start, end);
}

std::string TextDocument::CopySelectionText(int start, int end) const { return Substr(start, end); }
