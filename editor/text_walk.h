#pragma once
// The walking rules that turn bytes into characters, display cells and rows,
// shared by everything that walks the text of a document.
#include <cstring>

#include "editor/text_document.h"
#include "platform/sjis.h"

namespace text_walk {

// One step of the walk from a character start p < length.
struct Step {
  int bytes;     // 1 or 2
  int cells;     // display cells taken (0 for a line end)
  bool lineEnd;  // CR LF
};

// A lead byte takes the next byte whatever it is (even CR); only at the very
// end of the text does it stand alone.
template <typename Bytes>
inline Step StepAt(const Bytes& b, int p, int length, int col, int tabSize) {
  unsigned char c = b[p];
  if (c == '\r' && p + 1 < length && b[p + 1] == '\n') return {2, 0, true};
  if (IsSjisLead(c) && p + 1 < length) return {2, 2, false};
  if (c == '\t') return {1, tabSize - col % tabSize, false};
  return {1, 1, false};
}

// Soft wrap before a character starting at col: never in front of a CR, and
// (because maxOneLineTextLength >= 2) never at column 0.
inline bool WrapsBefore(const TextLayout& lay, int col, unsigned char c) {
  return lay.rightTurn && col >= lay.maxOneLineTextLength - 1 && c != '\r';
}

// True when byte c of a line starting at `from` begins a character. Counts
// the lead-range bytes right before c: the byte before that run ends a
// character whatever it is, and from there the run pairs up, so an odd count
// means c is the second byte of a pair.
template <typename Bytes>
bool StartsCharacter(const Bytes& b, int from, int c) {
  int k = 0;
  while (c - k - 1 >= from && IsSjisLead(static_cast<unsigned char>(b[c - k - 1]))) ++k;
  return k % 2 == 0;
}

// The start of the character before c, where c (below the text length)
// starts a character and `from` <= c - 1 is a character start of the same
// line. Lead-range bytes right before a character start pair up; otherwise
// the parity of the lead-range run before c - 1 tells whether it is a trail byte.
template <typename Bytes>
int PrevCharStart(const Bytes& b, int from, int c) {
  if (c - 2 >= from && IsSjisLead(static_cast<unsigned char>(b[c - 1]))) return c - 2;
  return StartsCharacter(b, from, c - 1) ? c - 1 : c - 2;
}

// The first CR in [q, limit) of a CR LF that ends a line, where `from` <= q is
// a character start; -1 when there is none. Searches with memchr; each CR
// found is checked once, and the parity count never reaches back past the
// previous CR, so this stays linear.
template <typename Bytes>
int FindLineEndIn(const Bytes& b, int from, int q, int limit, int length) {
  while (q < limit) {
    const char* run;
    int n = b.Run(q, &run);
    if (n > limit - q) n = limit - q;
    const void* hit = std::memchr(run, '\r', static_cast<size_t>(n));
    if (!hit) {
      q += n;
      continue;
    }
    int c = q + static_cast<int>(static_cast<const char*>(hit) - run);
    if (c + 1 < length && b[c + 1] == '\n' && StartsCharacter(b, from, c)) return c;
    q = c + 1;
  }
  return -1;
}

// The CR of the CR LF that ends the line starting at p, or -1 when the line runs
// to the end.
template <typename Bytes>
int FindLineEnd(const Bytes& b, int p, int length) {
  return FindLineEndIn(b, p, p, length, length);
}

struct LineScan {
  int next;  // start of the following line, or -1 when the line runs to the end
  int rows;  // display rows of the line
};

// Walks one line from a state of its walk: byte p, column col, `rows` rows
// begun so far (1 at the line start).
template <typename Bytes>
LineScan ScanLineFrom(const Bytes& b, int p, int length, const TextLayout& lay, int col, int rows) {
  while (p < length) {
    unsigned char c = b[p];
    if (WrapsBefore(lay, col, c)) {
      ++rows;
      col = 0;
    }
    Step s = StepAt(b, p, length, col, lay.tabSize);
    if (s.lineEnd) return {p + 2, rows};
    col += s.cells;
    p += s.bytes;
  }
  return {-1, rows};
}

// Walks one line from its first byte.
template <typename Bytes>
LineScan ScanLine(const Bytes& b, int p, int length, const TextLayout& lay) {
  if (!lay.rightTurn) {
    int cr = FindLineEnd(b, p, length);
    return {cr < 0 ? -1 : cr + 2, 1};
  }
  return ScanLineFrom(b, p, length, lay, 0, 1);
}

// Word class of a double-byte character for word selection: 1 hiragana,
// 2 katakana (with the prolonged-sound mark), 3 kanji, 0 none of these.
inline int WideWordClass(unsigned char lead, unsigned char trail) {
  if (lead == 0x82 && trail >= 0x9F && trail <= 0xF1) return 1;
  if ((lead == 0x83 && trail >= 0x40 && trail <= 0x96) || (lead == 0x81 && trail == 0x5B)) return 2;
  if (lead >= 0x88 && lead <= 0xEA) return 3;
  return 0;
}

// Contiguous bytes seen through the accessor the templates expect.
struct RawBytes {
  const char* data;
  int length;
  unsigned char operator[](int i) const { return static_cast<unsigned char>(data[i]); }
  int Run(int pos, const char** run) const {
    *run = data + pos;
    return length - pos;
  }
};

}  // namespace text_walk
