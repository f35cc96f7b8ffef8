#include "search/find_core.h"

#include <cstdio>
#include <cstring>

#include "files/paths.h"
#include "platform/sjis.h"
#include "search/plain_search.h"

std::string TrimSearchText(std::string_view text) { return std::string(TruncateSjis(text, kSearchTextMax)); }

namespace {

const RegexApi& ApiOrMissing(const RegexApi* api) {
  static const RegexApi missing;
  return api ? *api : missing;
}

}  // namespace

SearchHit FindInText(const char* text, int len, int from, const std::string& needle, SearchOptions options,
                     const RegexApi* api) {
  SearchHit hit;
  if (!text || len <= 0 || needle.empty() || from < 0 || from >= len) return hit;
  if (options.regex) return RunRegexMatch(ApiOrMissing(api), text, len, from, needle, options.matchCase);
  const int pos = PlainSearch(text, len, from, needle, options.matchCase);
  if (pos >= 0) {
    hit.status = SearchStatus::kFound;
    hit.pos = pos;
    hit.length = static_cast<int>(needle.size());
  }
  return hit;
}

ReplacementHit NextReplacement(const char* text, int len, int from, const std::string& needle,
                               const std::string& replacement, SearchOptions options, const RegexApi* api,
                               ReplaceStep step) {
  if (options.regex) {
    const bool empties = step != ReplaceStep::kOne;
    if (!text || len <= 0 || needle.empty() || from < 0 || from > len || (from == len && !empties)) {
      return ReplacementHit();
    }
    for (;;) {
      ReplacementHit hit =
          RunRegexReplacement(ApiOrMissing(api), text, len, from, needle, replacement, options.matchCase, empties);
      if (!hit.Found() || hit.length > 0 || !empties) return hit;
      // A document has no place between the CR and LF of a line end.
      const bool splitsLineEnd = hit.pos > 0 && hit.pos < len && text[hit.pos - 1] == '\r' && text[hit.pos] == '\n';
      if (!hit.replacement.empty() && !(hit.pos == from && step == ReplaceStep::kNext) && !splitsLineEnd) return hit;
      // Not taken: search on from the next character, where an empty match
      // is new again. Each turn moves on by a character.
      if (hit.pos >= len) return ReplacementHit();
      from = hit.pos + SjisCharLen(text + hit.pos, text + len);
      step = ReplaceStep::kFirst;
    }
  }
  ReplacementHit out;
  static_cast<SearchHit&>(out) = FindInText(text, len, from, needle, SearchOptions{options.matchCase, false}, api);
  if (out.Found()) out.replacement = replacement;
  return out;
}

ReplaceAllResult ReplaceAllInText(const char* text, int len, const std::string& needle,
                                  const std::string& replacement, SearchOptions options, const RegexApi* api) {
  ReplaceAllResult r;
  int copied = 0;
  int from = 0;
  ReplaceStep step = ReplaceStep::kFirst;
  for (;;) {
    ReplacementHit hit = NextReplacement(text, len, from, needle, replacement, options, api, step);
    if (hit.Error()) {
      r = ReplaceAllResult();
      r.status = SearchStatus::kError;
      r.errorText = hit.errorText;
      return r;
    }
    if (!hit.Found()) break;
    if (r.count == 0) r.text.reserve(static_cast<size_t>(len) + static_cast<size_t>(len) / 8);
    r.text.append(text + copied, text + hit.pos);
    r.text += hit.replacement;
    copied = from = hit.pos + hit.length;
    step = ReplaceStep::kNext;
    ++r.count;
  }
  if (r.count == 0) return r;
  r.text.append(text + copied, text + len);
  r.status = SearchStatus::kFound;
  return r;
}

namespace {

// Start of the line holding pos, counting the CR LF pairs passed since
// `lineStart` (itself a line start) into `line`.
int AdvanceLines(const char* text, int pos, int& lineStart, int& line) {
  const char* p = text + lineStart;
  const char* stop = text + pos;
  while (p < stop) {
    const void* lf = std::memchr(p, '\n', static_cast<size_t>(stop - p));
    if (!lf) break;
    const char* q = static_cast<const char*>(lf);
    if (q > text && q[-1] == '\r') {
      ++line;
      lineStart = static_cast<int>(q + 1 - text);
    }
    p = q + 1;
  }
  return lineStart;
}

// Offset of the CR of the line's CR LF, or len.
int LineEndFrom(const char* text, int len, int pos) {
  const char* p = text + pos;
  const char* end = text + len;
  while (p < end) {
    const void* cr = std::memchr(p, '\r', static_cast<size_t>(end - p));
    if (!cr) break;
    const char* q = static_cast<const char*>(cr);
    if (q + 1 < end && q[1] == '\n') return static_cast<int>(q - text);
    p = q + 1;
  }
  return len;
}

}  // namespace

MatchList FillMatchList(const char* text, int len, const std::string& needle, SearchOptions options,
                        const RegexApi* api) {
  MatchList list;
  int line = 1;
  int lineStart = 0;
  int from = 0;
  while (from < len) {
    SearchHit hit = FindInText(text, len, from, needle, options, api);
    if (hit.Error()) {
      list.error = true;
      list.errorText = hit.errorText;
      break;
    }
    if (!hit.Found()) break;
    AdvanceLines(text, hit.pos, lineStart, line);
    const int lineEnd = LineEndFrom(text, len, hit.pos);
    MatchListEntry e;
    e.line = line;
    e.lineStart = lineStart;
    char head[32];
    std::snprintf(head, sizeof head, "Line:%d  ", line);
    e.text.reserve(std::strlen(head) + static_cast<size_t>(lineEnd - lineStart));
    e.text = head;
    e.text.append(text + lineStart, text + lineEnd);
    list.entries.push_back(std::move(e));
    from = lineEnd + 2;
    if (lineEnd < len) {
      ++line;
      lineStart = from;
    }
  }
  return list;
}
