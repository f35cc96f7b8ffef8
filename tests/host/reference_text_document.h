#pragma once
// A deliberately plain text document for differential tests: every query walks
// the whole text from byte 0, exactly as the position rules are worded. Slow
// on purpose; it shares no code with TextDocument.
#include <string>
#include <utility>

#include "editor/text_document.h"

struct ReferenceTextDocument {
  std::string text;
  std::string classes;  // one ColorClass per byte
  int tabSize = 4;
  bool rightTurn = false;
  int maxLen = 75;
  bool showLineNumber = true;
  int charWidth = 8;
  ViewPos caret, anchor;

  int Length() const { return static_cast<int>(text.size()); }
  unsigned char Byte(int i) const { return static_cast<unsigned char>(text[i]); }
  static bool Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
  bool CrLfAt(int p) const { return Byte(p) == '\r' && p + 1 < Length() && Byte(p + 1) == '\n'; }
  bool WideAt(int p) const { return Lead(Byte(p)) && p + 1 < Length(); }
  bool WrapBefore(int col, int p) const {
    return rightTurn && col >= maxLen - 1 && Byte(p) != '\r';
  }
  // Advances p over one non-line-end character at column col.
  void Advance(int& p, int& col) const {
    if (WideAt(p)) {
      col += 2;
      p += 2;
    } else if (Byte(p) == '\t') {
      col += tabSize - col % tabSize;
      p += 1;
    } else {
      col += 1;
      p += 1;
    }
  }

  ViewPos ViewFromByte(int n) const {
    if (n > Length()) n = Length();
    ViewPos v;
    int p = 0;
    while (p < n) {
      if (WrapBefore(v.col, p)) {
        ++v.row;
        v.col = 0;
      }
      if (CrLfAt(p)) {
        ++v.row;
        v.col = 0;
        p += 2;
      } else {
        Advance(p, v.col);
      }
    }
    return v;
  }

  int RowCount() const { return ViewFromByte(Length()).row + 1; }

  // The display row that shows byte pos: the walk passes every character that
  // starts at or before pos, with the soft-wrap test before each; a CR LF
  // holding pos belongs to the row it ends.
  int RowOfByte(int pos) const {
    int p = 0, row = 0, col = 0;
    while (p < Length() && p <= pos) {
      if (WrapBefore(col, p)) {
        ++row;
        col = 0;
      }
      if (CrLfAt(p)) {
        if (pos <= p + 1) break;
        ++row;
        col = 0;
        p += 2;
      } else {
        Advance(p, col);
      }
    }
    return row;
  }

  int LineCount() const {
    int lines = 1;
    for (int p = 0; p < Length();) {
      if (CrLfAt(p)) {
        ++lines;
        p += 2;
      } else {
        p += WideAt(p) ? 2 : 1;
      }
    }
    return lines;
  }

  // Byte where display row `row` starts, or -1 when the text has fewer rows.
  int RowStartOrMinus(int row) const {
    if (row < 0) return -1;
    int p = 0, r = 0, col = 0;
    while (r < row) {
      if (p >= Length()) return -1;
      if (WrapBefore(col, p)) {
        ++r;
        col = 0;
      } else if (CrLfAt(p)) {
        ++r;
        col = 0;
        p += 2;
      } else {
        Advance(p, col);
      }
    }
    return p;
  }

  int ByteFromView(int col, int row) const {
    int p = RowStartOrMinus(row);
    if (p < 0) return 0;
    int cur = 0;
    for (;;) {
      if (cur >= col) return p;
      if (p >= Length() || WrapBefore(cur, p) || CrLfAt(p)) return 0;
      Advance(p, cur);
    }
  }

  ViewPos SnapView(int col, int row) const {
    if (col < 0) col = 0;
    if (row < 0) row = 0;
    if (row > RowCount() - 1) row = RowCount() - 1;
    int p = RowStartOrMinus(row);
    int cur = 0;
    while (cur < col) {
      if (p >= Length() || WrapBefore(cur, p) || CrLfAt(p)) break;
      int q = p, next = cur;
      Advance(q, next);
      if (next > col) break;
      p = q;
      cur = next;
    }
    return {cur, row};
  }

  int RowWidth(int row) const {
    int p = RowStartOrMinus(row);
    int cur = 0;
    while (p < Length() && !WrapBefore(cur, p) && !CrLfAt(p)) Advance(p, cur);
    return cur;
  }

  int LineStartOf(int n) const {
    int start = 0;
    for (int p = 0; p < n;) {
      if (CrLfAt(p)) {
        p += 2;
        if (p <= n) start = p;
      } else {
        p += WideAt(p) ? 2 : 1;
      }
    }
    return start;
  }

  int LineOfByte(int n) const {
    int line = 0;
    for (int p = 0; p < n;) {
      if (CrLfAt(p)) {
        p += 2;
        if (p <= n) ++line;
      } else {
        p += WideAt(p) ? 2 : 1;
      }
    }
    return line;
  }

  static int WideClass(unsigned char a, unsigned char b) {
    if (a == 0x82 && b >= 0x9F && b <= 0xF1) return 1;
    if ((a == 0x83 && b >= 0x40 && b <= 0x96) || (a == 0x81 && b == 0x5B)) return 2;
    if (a >= 0x88 && a <= 0xEA) return 3;
    return 0;
  }
  static bool Name(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  }

  std::pair<int, int> WordAt(ViewPos pos) const {
    int i = ByteFromView(pos.col, pos.row);
    if (i >= Length() || CrLfAt(i)) return {i, i};
    // Character starts of the whole text, so that steps to the left never land
    // on a trail byte.
    std::string isStart(text.size(), 0);
    for (int p = 0; p < Length(); p += WideAt(p) ? 2 : 1) isStart[p] = 1;
    auto prevStart = [&](int p) {
      do --p;
      while (p > 0 && !isStart[p]);
      return p;
    };
    if (WideAt(i)) {
      int cls = WideClass(Byte(i), Byte(i + 1));
      if (cls == 0) return {i, i + 2};
      int first = i;
      while (first > 0) {
        int q = prevStart(first);
        if (!(WideAt(q) && q + 2 == first && WideClass(Byte(q), Byte(q + 1)) == cls)) break;
        first = q;
      }
      int last = i + 2;
      while (WideAt(last) && WideClass(Byte(last), Byte(last + 1)) == cls) last += 2;
      return {first, last};
    }
    if (!Name(Byte(i))) return {i, i + 1};
    int first = i;
    while (first > 0) {
      int q = prevStart(first);
      if (!(q + 1 == first && !WideAt(q) && Name(Byte(q)))) break;
      first = q;
    }
    int last = i + 1;
    while (last < Length() && Name(Byte(last))) ++last;
    return {first, last};
  }

  int ComputeGutter(int& digits) const {
    digits = static_cast<int>(std::to_string(RowCount()).size());
    return showLineNumber ? (digits + 2) * charWidth : 10;
  }

  // The replace operation on the selection; returns the recoloured line range.
  std::pair<int, int> ReplaceSelection(const std::string& str) {
    int s = ByteFromView(caret.col, caret.row);
    int e = ByteFromView(anchor.col, anchor.row);
    if (s > e) std::swap(s, e);
    std::string stored = str;
    for (char& ch : stored) {
      if (ch == '\0') ch = ' ';
    }
    text.replace(s, e - s, stored);
    classes.replace(s, e - s, std::string(stored.size(), static_cast<char>(kColorDefault)));
    int end = s + static_cast<int>(stored.size());
    caret = anchor = ViewFromByte(end);
    return {LineOfByte(LineStartOf(s)), LineOfByte(end)};
  }
};
