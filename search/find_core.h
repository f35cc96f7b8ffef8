#pragma once
// Find and replace over a whole text, without windows: the search primitive
// of the find and replace dialogs, the match-list filling and a single-pass
// replace-all.
#include <string>
#include <string_view>
#include <vector>

#include "search/regex_calls.h"

// Longest the dialogs use of a search or replacement text.
constexpr int kSearchTextMax = 259;

// The first kSearchTextMax bytes of a dialog text, never ending inside a
// double-byte character.
std::string TrimSearchText(std::string_view text);

// The search primitive: the first match in text[from, len) of the search
// text, plain or as a regular expression (through api). An empty subject or
// search text gives not found; `from` must be a character start.
SearchHit FindInText(const char* text, int len, int from, const std::string& needle, SearchOptions options,
                     const RegexApi* api);

// Which matches a replacement takes. kOne (the replace button): the first
// match, an empty one counting as none. kFirst and kNext (replace all): empty
// matches too, one per position: kNext takes none at `from`, where the
// previous replacement ended. An empty match that would be replaced by
// nothing changes nothing and is passed over.
enum class ReplaceStep { kOne, kFirst, kNext };

// The next replacement of a replace-all loop: where the next match is and
// what replaces it (for a regular expression, its substitution in context).
ReplacementHit NextReplacement(const char* text, int len, int from, const std::string& needle,
                               const std::string& replacement, SearchOptions options, const RegexApi* api,
                               ReplaceStep step = ReplaceStep::kOne);

struct ReplaceAllResult {
  SearchStatus status = SearchStatus::kNotFound;  // kFound when at least one replacement was made
  int count = 0;
  std::string text;       // the whole new text when kFound
  std::string errorText;  // kError: nothing is replaced
};

// Every match replaced in one pass; each search starts after the previous
// replacement, so replacing "a" by "aa" ends. Empty matches are replaced
// once per position ("^" by "// " prefixes every line).
ReplaceAllResult ReplaceAllInText(const char* text, int len, const std::string& needle,
                                  const std::string& replacement, SearchOptions options, const RegexApi* api);

struct MatchListEntry {
  int line = 0;       // 1-based
  int lineStart = 0;  // byte offset of the line's first character
  std::string text;   // "Line:%d  " + the line without its CR LF
};

struct MatchList {
  std::vector<MatchListEntry> entries;
  bool error = false;
  std::string errorText;  // the entries found before the error are kept
};

// One entry per line holding a match, however many it holds.
MatchList FillMatchList(const char* text, int len, const std::string& needle, SearchOptions options,
                        const RegexApi* api);
