#include "lang/source_keywords.h"

#include <cstdint>
#include <cstring>

namespace {

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

}  // namespace

bool IsSourceKeyword(const unsigned char* p, int n) { return kKeywords.Contains(p, n); }
