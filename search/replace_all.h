#pragma once
// Replace all in a text document: every match from the start of the text is
// replaced by an ordinary undoable edit.
#include <string>

#include "search/regex_calls.h"
#include "editor/editable_text.h"

struct ReplaceAllOutcome {
  SearchStatus status = SearchStatus::kNotFound;  // kFound: at least one replacement, no error
  int count = 0;                                  // replacements made (kept when an error stops the loop)
  std::string errorText;                          // kError: the library's message
};

// Puts the caret at the start of the text, then replaces each match and
// searches again after the inserted text (so replacing "a" by "aa" ends).
// A regular expression's replacement is its substitution in the context of
// the document. The view follows once, in the caller's after-edit step.
ReplaceAllOutcome ReplaceAllInDocument(EditableText& text, const std::string& needle,
                                       const std::string& replacement, SearchOptions options,
                                       const RegexApi* api);
