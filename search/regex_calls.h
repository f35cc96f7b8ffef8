#pragma once
// Calls into the regular-expression library through its entry points, with
// the command strings of regex_command.h. Core code: the program fills
// RegexApi from the loaded DLL, the tests from the engine itself.
#include <string>

#include "ancillar/regex/bregexp_api.h"

struct RegexApi {
  BMatchProc match = nullptr;
  BSubstProc subst = nullptr;
  BRegfreeProc regfree = nullptr;
  BMatchExProc matchEx = nullptr;  // optional: search with the text before the start as context
  BSubstExProc substEx = nullptr;  // optional: one replacement in context
  bool Usable() const { return match && subst && regfree; }
};

// How a search text is matched.
struct SearchOptions {
  bool matchCase = false;  // upper and lower case differ
  bool regex = false;      // the text is a regular expression
};
inline constexpr SearchOptions kPlainSearch{false, false};
inline constexpr SearchOptions kCasePlainSearch{true, false};
inline constexpr SearchOptions kRegexSearch{false, true};
inline constexpr SearchOptions kCaseRegexSearch{true, true};

enum class SearchStatus { kNotFound, kFound, kError };

struct SearchHit {
  SearchStatus status = SearchStatus::kNotFound;
  int pos = -1;     // byte offset in the text
  int length = 0;
  std::string errorText;  // kError: the library's message (Shift-JIS)
  bool Found() const { return status == SearchStatus::kFound; }
  bool Error() const { return status == SearchStatus::kError; }
};

struct ReplacementHit : SearchHit {
  std::string replacement;
};

// Message used when the library could not be loaded.
extern const char kRegexLibraryMissing[];

// First match at or after `from` in text[0, len); the position is taken from
// the match itself. An empty match counts as no match unless `emptyMatches`
// (then `from` may also be len).
SearchHit RunRegexMatch(const RegexApi& api, const char* text, int len, int from, const std::string& pattern,
                        bool matchCase, bool emptyMatches = false);

// The subject with its first match replaced (status kFound), kNotFound, or kError.
SearchStatus RunRegexSubstitute(const RegexApi& api, const char* subject, int len, const std::string& pattern,
                                const std::string& replacement, bool matchCase, std::string& out,
                                std::string& errorText);

// First match at or after `from` and its replacement text, computed in the
// context of the whole text; empty matches as in RunRegexMatch.
ReplacementHit RunRegexReplacement(const RegexApi& api, const char* text, int len, int from,
                                   const std::string& pattern, const std::string& replacement, bool matchCase,
                                   bool emptyMatches = false);
