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

bool SameShape(const TextLayout& a, const TextLayout& b) {
  return a.tabSize == b.tabSize && a.rightTurn == b.rightTurn &&
         a.maxOneLineTextLength == b.maxOneLineTextLength;
}

// The text never holds NUL: the loader stores blanks instead, and so do we.
void BlankNuls(char* p, int n) {
  char* end = p + n;
  while ((p = static_cast<char*>(std::memchr(p, 0, end - p))) != nullptr) *p++ = ' ';
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

TextDocument::TextDocument(std::string text, int kind_, const TextLayout& layout)
    : kind(kind_), impl_(std::make_unique<Impl>()), layout_(Sanitized(layout)) {
  if (text.size() > static_cast<size_t>(kMaxLength)) text.resize(kMaxLength);
  int n = static_cast<int>(text.size());
  BlankNuls(text.data(), n);
  impl_->text.Assign(text.data(), n, n / 16 + 256);
  impl_->classes.AssignFill(kColorDefault, n, n / 16 + 256);
  std::vector<int> starts, rowStarts;
  ScanAll(text_walk::RawBytes{text.data(), n}, n, layout_, starts, rowStarts);
  impl_->lines.Reset(starts);
  impl_->rows.Reset(rowStarts);
  gutterWidth = ComputeGutter(gutterDigits);
}

TextDocument::~TextDocument() = default;

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
    int caretByte = CaretByte();
    int anchorByte = AnchorByte();
    layout_ = next;
    RebuildRows();
    ViewPos c = ViewFromByte(caretByte);
    ViewPos a = ViewFromByte(anchorByte);
    caretCol = c.col;
    caretRow = c.row;
    anchorCol = a.col;
    anchorRow = a.row;
    wantedCol = -1;
  } else {
    layout_ = next;
  }
  gutterWidth = ComputeGutter(gutterDigits);
}

void TextDocument::RebuildRows() {
  int n = Length();
  const char* text = impl_->text.Contiguous();
  std::vector<int> starts, rowStarts;
  ScanAll(text_walk::RawBytes{text, n}, n, layout_, starts, rowStarts);
  impl_->rows.Reset(rowStarts);
}

int TextDocument::ComputeGutter(int& digits) const {
  digits = 1;
  for (int rows = RowCount(); rows >= 10; rows /= 10) ++digits;
  if (!layout_.showLineNumber) return 10;
  return (digits + 2) * layout_.codeBoldCharWidth;
}

// ---- editing

bool TextDocument::ReplaceRange(int s, int e, std::string_view str) {
  Impl& m = *impl_;
  const int oldLength = m.text.Length();
  s = std::clamp(s, 0, oldLength);
  e = std::clamp(e, s, oldLength);
  if (str.size() > static_cast<size_t>(kMaxLength - (oldLength - (e - s)))) return false;
  std::string copy;
  if (!str.empty() && (m.text.Owns(str.data()) || str.find('\0') != std::string_view::npos)) {
    copy.assign(str);
    BlankNuls(copy.data(), static_cast<int>(copy.size()));
    str = copy;
  }
  const int len = static_cast<int>(str.size());
  const int d = len - (e - s);

  // Everything before the line holding s walks as before the edit.
  const int first = m.lines.PartitionOf(s);
  const int oldLines = m.lines.Partitions();
  m.text.Delete(s, e - s);
  m.text.Insert(s, str.data(), len);
  m.classes.Delete(s, e - s);
  m.classes.InsertFill(s, kColorDefault, len);
  const int length = m.text.Length();

  // Re-walk lines until a new line start past the inserted text is an old line
  // start moved by d: from there on both walks agree. A lead byte that now takes
  // (or no longer takes) a CR can merge or split lines, so the count may change.
  std::vector<int>& starts = m.scratchStarts;
  std::vector<int>& rowCounts = m.scratchRows;
  starts.clear();
  rowCounts.clear();
  int lastOld = oldLines;  // first old line that survives
  int p = m.lines.Start(first);
  for (;;) {
    text_walk::LineScan sc = text_walk::ScanLine(m.text, p, length, layout_);
    rowCounts.push_back(sc.rows);
    if (sc.next < 0) break;
    if (sc.next >= s + len) {
      int oldStart = sc.next - d;
      int k = m.lines.PartitionOf(oldStart);
      if (k > first && m.lines.Start(k) == oldStart) {
        lastOld = k;
        break;
      }
    }
    starts.push_back(sc.next);
    p = sc.next;
  }

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
  ++m.version;
  return true;
}

void TextDocument::ReplaceSelection(std::string_view text, bool scroll) {
  int s, e;
  SelectionBytes(s, e);
  const int len = static_cast<int>(text.size());
  if (!ReplaceRange(s, e, text)) return;
  const int caret = s + len;
  if (recolor) recolor(*this, LineOfByte(s), LineOfByte(caret));
  ViewPos c = ViewFromByte(caret);
  caretCol = anchorCol = c.col;
  caretRow = anchorRow = c.row;
  gutterWidth = ComputeGutter(gutterDigits);
  if (scroll && view) {
    if (view->EnsureCaretVisible(false, false) == 0) view->Repaint();
    view->UpdateCaret(true);
  }
  wantedCol = -1;
  if (view) view->RefreshCommandStates();
  modified = 1;
}

void TextDocument::SetSelection(int caretByte, int anchorByte, bool centre) {
  ViewPos c = ViewFromByte(caretByte);
  ViewPos a = anchorByte == caretByte ? c : ViewFromByte(anchorByte);
  caretCol = c.col;
  caretRow = c.row;
  anchorCol = a.col;
  anchorRow = a.row;
  if (view) {
    if (view->EnsureCaretVisible(false, centre) == 0) view->Repaint();
    view->UpdateCaret(false);
  }
}

void TextDocument::SelectionBytes(int& start, int& end) const {
  start = ByteFromView(caretCol, caretRow);
  end = (caretCol == anchorCol && caretRow == anchorRow) ? start : ByteFromView(anchorCol, anchorRow);
  if (start > end) std::swap(start, end);
}

std::string TextDocument::CopySelectionText(int start, int end) const { return Substr(start, end); }
