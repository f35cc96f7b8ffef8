#include "search/replace_selection.h"

#include "editor/editing.h"
#include "search/find_next.h"

SearchHit ReplaceMatchInSelection(EditableText& text, const std::string& needle, const std::string& replacement,
                                  SearchOptions options, const RegexApi* api) {
  SearchHit result;
  TextDocument& doc = text.doc;
  int s, e;
  doc.SelectionBytes(s, e);
  if (s >= e) return result;
  // Searched in the document rather than in a copy of the selection, so that
  // look-behind and look-ahead see the text around it as find next did.
  ReplacementHit hit = NextReplacementInDocument(doc, s, needle, replacement, options, api);
  if (hit.Error()) return hit;
  if (!hit.Found() || hit.pos + hit.length > e) return result;
  std::string replaced = doc.Substr(s, hit.pos);
  replaced += hit.replacement;
  replaced += doc.Substr(hit.pos + hit.length, e);
  EditSelection(text, replaced);
  result = hit;
  return result;
}
