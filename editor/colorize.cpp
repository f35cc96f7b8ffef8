#include "editor/colorize.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "assist/html_tags.h"
#include "editor/render_cache.h"
#include "platform/sjis.h"
#include "shell/document_kind.h"

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

const char* const kSourceKeywords[] = {
    "#include", "#strict", "#console", "#prompt", "#N88BASIC", "#define", "#ifdef", "#ifndef", "#else",
    "#endif", "Abstract", "Case", "Class", "Const", "Continue", "Debug", "Declare", "Def", "Delete", "Dim",
    "Do", "Else", "ElseIf", "End", "EndIf", "EndFunction", "EndSub", "EndType", "EndSelect", "EndWith",
    "Enum", "Exit", "ExitDo", "ExitFor", "ExitFunction", "ExitSub", "ExitWhile", "For", "Function", "GoSub",
    "Goto", "If", "Inherits", "Interface", "Loop", "New", "Next", "Private", "Protected", "Public", "Return",
    "Select", "SelectCase", "Sub", "Super", "Then", "Type", "TypeDef", "Until", "Virtual", "Wend", "While",
    "With",
};

// A word of at most 16 bytes folded to lower case and packed into two words,
// so that a lookup is a hash and one comparison.
struct PackedWord {
  uint64_t a = 0, b = 0;
  bool operator==(const PackedWord& o) const { return a == o.a && b == o.b; }
};
constexpr int kMaxPacked = 16;

PackedWord Pack(const unsigned char* p, int n) {
  PackedWord w;
  for (int i = 0; i < n; ++i) {
    uint64_t c = p[i];
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (i < 8)
      w.a |= c << (8 * i);
    else
      w.b |= c << (8 * (i - 8));
  }
  return w;
}

size_t Hash(const PackedWord& w) {
  uint64_t h = (w.a ^ (w.b * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
  return static_cast<size_t>(h >> 57);  // 0..127
}

class KeywordTable {
 public:
  KeywordTable() {
    for (const char* k : kSourceKeywords) {
      const int n = static_cast<int>(std::strlen(k));
      lengths_[Fold(static_cast<unsigned char>(k[0]))] |= 1u << n;
      PackedWord w = Pack(reinterpret_cast<const unsigned char*>(k), n);
      size_t h = Hash(w);
      while (used_[h]) h = (h + 1) % kSize;
      used_[h] = true;
      words_[h] = w;
    }
  }
  bool Contains(const unsigned char* p, int n) const {
    // Most identifiers fail on their first letter and length alone.
    if (n <= 0 || n > kMaxPacked || !(lengths_[Fold(p[0])] & (1u << n))) return false;
    PackedWord w = Pack(p, n);
    for (size_t h = Hash(w); used_[h]; h = (h + 1) % kSize)
      if (words_[h] == w) return true;
    return false;
  }

 private:
  static unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

  static constexpr size_t kSize = 128;
  PackedWord words_[kSize];
  bool used_[kSize] = {};
  uint32_t lengths_[256] = {};  // by folded first byte: bit n set when a keyword has length n
};
const KeywordTable kKeywords;

// No name of the tag table is longer than this; longer words skip the lookup.
constexpr int kMaxTagLength = 16;

bool IsKeyword(const unsigned char* p, int n, bool source) {
  if (source) return kKeywords.Contains(p, n);
  return n <= kMaxTagLength && IsHtmlTag(std::string_view(reinterpret_cast<const char*>(p), n)) != 0;
}

}  // namespace

void ColorRange(const char* text, int n, uint8_t* classes, int kind) {
  if (n <= 0) return;
  std::memset(classes, kColorDefault, static_cast<size_t>(n));
  if (kind != kDocSource && kind != kDocHtml) return;
  const bool source = kind == kDocSource;
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
  if (auto* view = dynamic_cast<CachedTextView*>(doc.view)) view->caches.Reset();
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
  if (auto* view = dynamic_cast<CachedTextView*>(doc.view)) view->caches.LinesChanged(doc, first, std::max(first, lastLine));
}
