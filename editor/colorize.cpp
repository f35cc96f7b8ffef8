#include "editor/colorize.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "lang/html_tags.h"
#include "lang/source_keywords.h"
#include "platform/sjis.h"
#include "lang/document_kind.h"

namespace {

enum ByteKind : uint8_t { kPlain, kWordStart, kHash, kQuote, kCr, kLead };

struct ByteKinds {
  uint8_t kind[256];
  bool name[256];  // word bytes after the first: IsWordChar without the full stop
  ByteKinds() {
    for (int c = 0; c < 256; ++c) {
      auto u = static_cast<unsigned char>(c);
      kind[c] = IsWordStart(u) ? kWordStart : IsSjisLead(u) ? kLead : kPlain;
      name[c] = IsWordChar(u) && u != '.';
    }
    kind[static_cast<unsigned char>('#')] = kHash;
    kind[static_cast<unsigned char>('"')] = kQuote;
    kind[static_cast<unsigned char>('\r')] = kCr;
  }
};
const ByteKinds kBytes;

// No name of the tag table is longer than this; longer words skip the lookup.
constexpr int kMaxTagLength = 16;

bool IsKeyword(const unsigned char* p, int n, bool source) {
  if (source) return IsSourceKeyword(p, n);
  return n <= kMaxTagLength && IsHtmlTag(std::string_view(reinterpret_cast<const char*>(p), n)) != 0;
}

}  // namespace

void ColorRange(const char* text, int n, uint8_t* classes, DocumentKind kind) {
  if (n <= 0) return;
  std::memset(classes, kColorDefault, static_cast<size_t>(n));
  if (kind != DocumentKind::kSource && kind != DocumentKind::kHtml) return;
  const bool source = kind == DocumentKind::kSource;
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  int i = 0;
  auto mark = [classes](int from, int to, uint8_t cls) {
    for (int k = from; k < to; ++k) classes[k] = cls;  // spans are short: no call
  };
  while (i < n) {
    const uint8_t kind0 = kBytes.kind[p[i]];
    if (kind0 == kPlain) {
      ++i;
      continue;
    }
    if (kind0 == kWordStart || (kind0 == kHash && source)) {
      int j = i + 1;
      while (j < n && kBytes.name[p[j]]) ++j;
      if (IsKeyword(p + i, j - i, source)) mark(i, j, kColorStatement);
      i = j;
      continue;
    }
    switch (kind0) {
      case kLead: i += i + 1 < n ? 2 : 1; break;
      case kCr: i += (i + 1 < n && p[i + 1] == '\n') ? 2 : 1; break;
      case kQuote: {
        // Up to and including the closing quote; an unclosed one ends at the line end.
        int j = i + 1;
        while (j < n) {
          unsigned char d = p[j];
          if (d == '"') {
            ++j;
            break;
          }
          if (d == '\r' && j + 1 < n && p[j + 1] == '\n') break;
          j += (IsSjisLead(d) && j + 1 < n) ? 2 : 1;
        }
        mark(i, j, kColorString);
        i = j;
        break;
      }
      default: ++i; break;
    }
  }
}

void ColorizeDocument(TextDocument& doc) {
  const int n = doc.Length();
  if (n > 0) {
    const char* text = doc.RangePointer(0, n);
    ColorRange(text, n, doc.ClassRangePointer(0, n), doc.kind);
  }
}

void RecolorLines(TextDocument& doc, int firstLine, int lastLine) {
  const int lines = doc.LineCount();
  const int first = std::clamp(firstLine, 0, lines - 1);
  // One line more: an edit that takes a CR away from a lead byte before it
  // splits a line past the range the edit reports.
  const int last = std::clamp(lastLine + 1, first, lines - 1);
  const int start = doc.LineStart(first);
  const int end = last + 1 < lines ? doc.LineStart(last + 1) : doc.Length();
  if (end > start) {
    const char* text = doc.RangePointer(start, end - start);
    ColorRange(text, end - start, doc.ClassRangePointer(start, end - start), doc.kind);
  }
}
