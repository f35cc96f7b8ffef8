#pragma once
// The replace button: the first match that lies inside the selection is
// replaced, the rest of the selection is kept.
#include <string>

#include "search/regex_calls.h"
#include "editor/editable_text.h"

// kFound: the selection has been replaced (one undoable edit) by its text
// with the match replaced. kNotFound: no match lies inside the selection (an
// empty selection never holds one); nothing changed. kError: the library's
// message is in errorText; nothing changed.
SearchHit ReplaceMatchInSelection(EditableText& text, const std::string& needle, const std::string& replacement,
                                  SearchOptions options, const RegexApi* api);
