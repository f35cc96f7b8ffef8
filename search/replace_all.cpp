#include "search/replace_all.h"

#include "editor/editing.h"
#include "search/find_next.h"

ReplaceAllOutcome ReplaceAllInDocument(EditableText& text, const std::string& needle,
                                       const std::string& replacement, SearchOptions options,
                                       const RegexApi* api) {
  ReplaceAllOutcome out;
  TextDocument& doc = text.doc;
  doc.PlaceSelection(0, 0);
  int from = 0;
  int context = -1;
  ReplaceStep step = ReplaceStep::kFirst;
  // However many replacements, one undo step takes them all back.
  UndoGroupScope group(text.undo);
  while (!needle.empty()) {
    ReplacementHit hit =
        NextReplacementInDocument(doc, from, needle, replacement, options, api, &context, step);
    if (hit.Error()) {
      out.status = SearchStatus::kError;
      out.errorText = hit.errorText;
      break;
    }
    if (!hit.Found()) break;
    doc.PlaceSelection(hit.pos + hit.length, hit.pos);
    const uint64_t before = doc.Version();
    EditSelection(text, hit.replacement);
    // The document refuses a text that would outgrow its size limit.
    if (doc.Version() == before) break;
    ++out.count;
    from = hit.pos + static_cast<int>(hit.replacement.size());
    step = ReplaceStep::kNext;  // no second, empty match where this one ended
  }
  if (out.count > 0 && out.status != SearchStatus::kError) out.status = SearchStatus::kFound;
  return out;
}
