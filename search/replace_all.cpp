#include "search/replace_all.h"

#include "editor/editing.h"
#include "search/find_next.h"

namespace {

// Keeps the editor window out of the loop: no scrolling, repainting or
// command-state refresh per replacement, one of each at the end.
struct DetachedView {
  TextDocument& doc;
  TextDocumentView* view;
  explicit DetachedView(TextDocument& d) : doc(d), view(d.view) { d.view = nullptr; }
  ~DetachedView() {
    doc.view = view;
    if (!view) return;
    if (view->EnsureCaretVisible(false, false) == 0) view->Repaint();
    view->UpdateCaret(true);
    view->RefreshCommandStates();
  }
};

}  // namespace

ReplaceAllOutcome ReplaceAllInDocument(DocumentSlot& slot, const std::string& needle,
                                       const std::string& replacement, bool matchCase, bool regex,
                                       const RegexApi* api) {
  ReplaceAllOutcome out;
  if (!slot.text) return out;
  TextDocument& doc = *slot.text;
  DetachedView quiet(doc);
  doc.SetSelection(0, 0, false);
  int from = 0;
  int context = -1;
  ReplaceStep step = ReplaceStep::kFirst;
  while (!needle.empty()) {
    ReplacementHit hit =
        NextReplacementInDocument(doc, from, needle, replacement, matchCase, regex, api, &context, step);
    if (hit.Error()) {
      out.status = SearchStatus::kError;
      out.errorText = hit.errorText;
      return out;
    }
    if (!hit.Found()) break;
    doc.SetSelection(hit.pos + hit.length, hit.pos, false);
    const uint64_t before = doc.Version();
    EditSelection(slot, hit.replacement, false, false);
    // The document refuses a text that would outgrow its size limit.
    if (doc.Version() == before) break;
    ++out.count;
    from = hit.pos + static_cast<int>(hit.replacement.size());
    step = ReplaceStep::kNext;  // no second, empty match where this one ended
  }
  if (out.count > 0) out.status = SearchStatus::kFound;
  return out;
}
