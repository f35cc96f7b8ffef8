#include "search/find_next.h"

#include <algorithm>

#include "platform/sjis.h"
#include "search/find_core.h"

int RegexContextStart(const TextDocument& doc, int known, int from) {
  const int length = doc.Length();
  from = std::clamp(from, 0, length);
  int p = std::max(doc.LineStartOf(from), known);
  if (p > from) p = doc.LineStartOf(from);
  while (from - p > kRegexContext) p += (IsSjisLead(doc.At(p)) && p + 1 < length) ? 2 : 1;
  return p;
}

int FindNextStart(const TextDocument& doc) {
  int s, e;
  doc.SelectionBytes(s, e);
  return e;
}

namespace {

// The subject [context, Length()) as one contiguous run. After an edit at
// or before `context` the document's gap lies there, so this copies nothing.
const char* Subject(TextDocument& doc, int from, bool regex, int* context, int& start, int& len) {
  start = regex ? RegexContextStart(doc, context ? *context : -1, from) : from;
  if (context && regex) *context = start;
  len = doc.Length() - start;
  return doc.RangePointer(start, len);
}

}  // namespace

SearchHit FindInDocument(TextDocument& doc, int from, const std::string& needle, SearchOptions options,
                         const RegexApi* api, int* context) {
  if (from < 0 || from >= doc.Length() || needle.empty()) return SearchHit();
  int start, len;
  const char* text = Subject(doc, from, options.regex, context, start, len);
  SearchHit hit = FindInText(text, len, from - start, needle, options, api);
  if (hit.Found()) hit.pos += start;
  return hit;
}

ReplacementHit NextReplacementInDocument(TextDocument& doc, int from, const std::string& needle,
                                         const std::string& replacement, SearchOptions options,
                                         const RegexApi* api, int* context, ReplaceStep step) {
  const int last = step == ReplaceStep::kOne || !options.regex ? doc.Length() - 1 : doc.Length();
  if (from < 0 || from > last || needle.empty()) return ReplacementHit();
  int start, len;
  const char* text = Subject(doc, from, options.regex, context, start, len);
  ReplacementHit hit = NextReplacement(text, len, from - start, needle, replacement, options, api, step);
  if (hit.Found()) hit.pos += start;
  return hit;
}
