#pragma once
// A text document in memory: Shift-JIS bytes with CR LF line ends, a colour
// class per byte, caret and selection in display positions, and a line index
// that keeps every position conversion at O(log n) plus a walk inside the one
// line it touches, whatever the document size. In long lines the walk starts
// at a remembered state near its target (editor/text_document_cursors.h).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/document_kind.h"
#include "lang/word_class.h"
#include "platform/text_codes.h"
#include "platform/win_types.h"

struct ViewPos {
  int col = 0;
  int row = 0;
};
inline bool operator==(ViewPos a, ViewPos b) { return a.col == b.col && a.row == b.row; }
inline bool operator!=(ViewPos a, ViewPos b) { return !(a == b); }


// Colour of a byte as a class; the renderer maps it to the active theme's colour,
// so a theme change needs no pass over the text.
enum ColorClass : uint8_t { kColorDefault = 0, kColorStatement = 1, kColorString = 2 };

// The settings that shape display positions. TextDocument keeps tabSize in
// [1, 16] and maxOneLineTextLength at 2 or more (a row always holds a character).
struct TextLayout {
  int tabSize = 4;               // TabSize
  bool rightTurn = false;        // IsRightTurn
  int maxOneLineTextLength = 75; // MaxOneLineTextLength
  bool showLineNumber = true;    // IsShowLineNumber
  int codeBoldCharWidth = 8;     // width of "A" in the line-number font
};

// True when both layouts place every byte on the same row and column.
inline bool SameShape(const TextLayout& a, const TextLayout& b) {
  return a.tabSize == b.tabSize && a.rightTurn == b.rightTurn &&
         a.maxOneLineTextLength == b.maxOneLineTextLength;
}

// The text never holds NUL: the loader stores blanks instead, and so does an edit.
void BlankNuls(std::string& text);

// What one edit changed, in the text after the edit.
struct TextChange {
  int start = 0;          // first byte replaced
  int removed = 0;        // bytes taken out at start
  int inserted = 0;       // bytes put in at start
  int firstLine = 0;      // lines [firstLine, lastLine] hold the new bytes
  int lastLine = 0;
  int linesAdded = 0;     // line count after minus before (negative when lines went)
};

class TextDocument;
// Told of every edit after the text, its index and the caret have changed.
// Observers are told in the order they were added (colouring first: the
// others may read the colours).
class TextObserver {
 public:
  virtual void TextChanged(TextDocument& doc, const TextChange& change) = 0;

 protected:
  ~TextObserver() = default;
};

class TextDocument {
 public:
  // Longest text a document holds (positions stay far from the int limit); the
  // loader refuses larger files, the constructor keeps only this many bytes.
  static constexpr int kMaxLength = 0x3FFFFFFF;

  // text: Shift-JIS with CR LF line ends; NUL bytes are stored as blanks.
  explicit TextDocument(std::string text = std::string(), DocumentKind kind = DocumentKind::kText,
                        const TextLayout& layout = TextLayout());
  TextDocument(const TextDocument&) = delete;
  TextDocument& operator=(const TextDocument&) = delete;
  ~TextDocument();

  // ---- fields of the record
  DocumentKind kind;             // Source, Text or Html
  int caretCol = 0;
  int caretRow = 0;
  int anchorCol = 0;
  int anchorRow = 0;
  int wantedCol = -1;
  Charset charset = Charset::kShiftJis;
  Newline newline = Newline::kCrLf;
  bool utf8Bom = false;  // the file began with a UTF-8 byte order mark (kept on saving)
  bool modified = false;
  // What opening the file could not keep: NUL bytes shown as blanks and
  // characters shown as the geta mark. Writing over that file asks first.
  size_t nulBytesOnOpen = 0;
  size_t lostCharsOnOpen = 0;

  // ---- observers (not owned; an observer removes itself before it goes)
  void AddObserver(TextObserver* observer);
  void RemoveObserver(TextObserver* observer);

  // ---- text
  int Length() const;
  // Byte at i; 0 at and past the end (the terminator) and below 0.
  unsigned char At(int i) const;
  // The whole text as one NUL-terminated string, valid until the next edit.
  // Cheap when called repeatedly between edits.
  const char* CStr();
  // Pointer to [start, start+len) as contiguous bytes (clamped to the text),
  // valid until the next edit or the next pointer request.
  const char* RangePointer(int start, int len);
  std::string Substr(int start, int end) const;  // [start, end), clamped

  // ---- colour classes, one per byte; an edit gives new bytes kColorDefault
  ColorClass ClassAt(int i) const;  // kColorDefault outside the text
  uint8_t* ClassRangePointer(int start, int len);

  // ---- line index (lines end at CR LF; a lone CR or LF is an ordinary byte, and
  // so is a CR taken as the second byte of a double-byte character)
  int LineCount() const;            // 1 + number of CR LF
  int LineStart(int line) const;    // byte of the line's first character (line clamped)
  int LineEnd(int line) const;      // byte of its CR, or Length() for the last line
  int LineOfByte(int pos) const;    // pos clamped to [0, Length()]

  // ---- display rows (equal to lines unless soft wrap is on)
  const TextLayout& Layout() const;
  void SetLayout(const TextLayout& layout);  // re-wraps when the shaping settings change
  int RowCount() const;             // 1 + CR LF count + soft wraps
  int RowStart(int row) const;      // first byte of a display row (row clamped)
  int RowOfByte(int pos) const;     // row that shows the byte (at a soft wrap: the later row)
  int RowWidth(int row) const;      // cells of the row, the CR LF not counted

  // ---- operations (positions outside the text are clamped, never read past it)
  // A byte inside a character (or the LF of a CR LF) gives the position after it.
  ViewPos ViewFromByte(int n) const;
  // 0 when the row does not exist or the column lies past the end of the row
  // (its CR LF, the end of the text or its soft wrap).
  int ByteFromView(int col, int row) const;
  ViewPos SnapView(int col, int row) const;
  void SelectionBytes(int& start, int& end) const;
  std::string CopySelectionText(int start, int end) const;
  // Caret and anchor from bytes. The view scrolls them into sight in its
  // after-edit step.
  void PlaceSelection(int caretByte, int anchorByte);
  int LineStartOf(int n) const;
  // At a line end or the end of the text the range is empty (start == end).
  void WordAt(ViewPos pos, int& start, int& end) const;
  // The one primitive edit: the selection becomes text (NUL bytes stored as
  // blanks, as the loader does), the caret and anchor stand after it, the
  // document is modified and the observers are told. False, with nothing
  // changed, when the result would be longer than kMaxLength. Running out of
  // memory throws std::bad_alloc before anything has changed.
  bool ReplaceSelection(std::string_view text);
  int ComputeGutter(int& digits) const;

  // Caret and anchor as bytes.
  int CaretByte() const { return ByteFromView(caretCol, caretRow); }
  int AnchorByte() const { return ByteFromView(anchorCol, anchorRow); }
  // Counts edits; caches keyed on the text (scanners, colouring state) compare it.
  uint64_t Version() const;

  // Inside lines of at least memoLine bytes the conversions remember where
  // they ended and walk on from there; lines of at least markLine bytes also
  // keep a walk state every markInterval bytes (defaults 1024, 16384, 4096).
  // Tests make them small; results never depend on them.
  void TuneCursorCaches(int memoLine, int markLine, int markInterval);

 private:
  struct Impl;
  // Replaces [s, e) by text in the buffers and the index; returns false when
  // the result would not fit an int. Fills the lines of the change.
  bool ReplaceRange(int s, int e, std::string_view text, TextChange& change);
  void RebuildRows();

  std::unique_ptr<Impl> impl_;
  TextLayout layout_;
  std::vector<TextObserver*> observers_;
};
