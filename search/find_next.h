#pragma once
// Searching a text document in place. The subject is read through
// RangePointer from the search start (or a little before it for a regular
// expression), so a search right after an edit costs no copy of the text.
#include <string>

#include "editor/text_document.h"
#include "search/find_core.h"
#include "search/regex_calls.h"

// How many bytes before the search start a regular expression may look back
// (look-behind, "\b", "^") when the line is longer than that.
constexpr int kRegexContext = 1024;

// The character start from which a regular-expression search at `from`
// reads: the start of from's line, or a later character start when the line
// holds more than kRegexContext bytes before `from`. `known` (-1: none) is a
// character start at or before `from` from an earlier call; the walk goes on
// from there, so calls with growing positions cost time proportional to the
// text passed over, not to the length of the line.
int RegexContextStart(const TextDocument& doc, int known, int from);

// Where find next starts: the end of the selection, or the caret.
int FindNextStart(const TextDocument& doc);

// The first match in the document from `from` to its end (`from` is a
// character start). `context` is RegexContextStart's `known`, updated.
SearchHit FindInDocument(TextDocument& doc, int from, const std::string& needle, SearchOptions options,
                         const RegexApi* api, int* context = nullptr);

// The next match from `from` and the text that replaces it; for a regular
// expression the substitution is made in the context of the document. Empty
// matches are taken as `step` says (with kFirst and kNext `from` may be the
// document's length).
ReplacementHit NextReplacementInDocument(TextDocument& doc, int from, const std::string& needle,
                                         const std::string& replacement, SearchOptions options,
                                         const RegexApi* api, int* context = nullptr,
                                         ReplaceStep step = ReplaceStep::kOne);
