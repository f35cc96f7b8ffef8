#include "assist/text_scan.h"

#include "editor/text_document.h"
#include "platform/sjis.h"

namespace assist {

const bool* NameCharTable() {
  static bool table[256];
  for (int c = 0; c < 256; ++c) table[c] = c != '.' && IsWordChar(static_cast<unsigned char>(c));
  return table;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

int LineStartOf(const char* text, int length, int pos) {
  if (pos > length) pos = length;
  for (int i = pos - 1; i >= 1; --i) {
    if (text[i] == '\n' && text[i - 1] == '\r') return i + 1;
  }
  return 0;
}

int LineEndOf(const char* text, int length, int pos) {
  if (pos < 0) pos = 0;
  for (int i = pos; i + 1 < length; ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') return i;
  }
  return length;
}

int EffectiveBackNum(int setting) {
  // The count has always been kept in a signed byte: stored values 128..255
  // read back negative and a negative limit never stops the search. Keeping
  // that reading means existing settings files behave as they always did;
  // larger values are taken the same way instead of wrapping round to 0.
  if (setting == 0) return 0;
  if (setting < 0 || setting > 127) return -1;
  return setting;
}

void StatementColons(const char* text, int lineStart, int end, std::vector<int>& out) {
  out.clear();
  bool inString = false;
  const char* e = text + end;
  for (const char* p = text + lineStart; p < e;) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"') {
      inString = !inString;
    } else if (!inString) {
      if (c == '\'') return;
      if (c == ':') out.push_back(static_cast<int>(p - text));
    }
    p += SjisCharLen(p, e);
  }
}

StatementWalker::StatementWalker(const char* text, int length, int n, int limit)
    : text_(text), length_(length), limit_(limit) {
  if (n < 0) n = 0;
  if (n > length) n = length;
  lineStart_ = LineStartOf(text, length, n);
  lineEnd_ = n;
  StatementColons(text, lineStart_, n, cuts_);
  // Boundaries: lineStart-1, colons...; the part after the last colon is the
  // statement being typed and is left out.
  cuts_.insert(cuts_.begin(), lineStart_ - 1);
  next_ = static_cast<int>(cuts_.size()) - 2;
}

bool StatementWalker::PreviousLine() {
  if (lineStart_ < 2) return false;
  ++lines_;
  if (limit_ >= 0 && lines_ > limit_) return false;
  lineEnd_ = lineStart_ - 2;
  lineStart_ = LineStartOf(text_, length_, lineEnd_);
  StatementColons(text_, lineStart_, lineEnd_, cuts_);
  cuts_.insert(cuts_.begin(), lineStart_ - 1);
  cuts_.push_back(lineEnd_);
  next_ = static_cast<int>(cuts_.size()) - 2;
  return true;
}

bool StatementWalker::Next(int& start, int& end, int& lineStart) {
  while (next_ < 0) {
    if (!PreviousLine()) return false;
  }
  start = cuts_[next_] + 1;
  end = cuts_[next_ + 1];
  lineStart = lineStart_;
  --next_;
  return true;
}

std::string_view ReadName(const char* p, const char* end) {
  const char* q = p;
  while (q < end && IsNameChar(static_cast<unsigned char>(*q))) ++q;
  return std::string_view(p, static_cast<size_t>(q - p));
}

const char* SkipBlanks(const char* p, const char* end) {
  while (p < end && IsBlank(static_cast<unsigned char>(*p))) ++p;
  return p;
}

}  // namespace assist
