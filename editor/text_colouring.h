#pragma once
// What keeps a document's colours and the state painting reads in step with
// its edits: the colour classes of the edited lines, the comment states at
// row starts and the widest line.
#include "editor/comment_state.h"
#include "editor/line_widths.h"
#include "editor/text_document.h"

struct TextRenderCaches {
  CommentStateCache comments;
  LineWidthCache widths;

  void Reset() {
    comments.Reset();
    widths.Reset();
  }
  // [first, last] are the edited lines of the new text.
  void LinesChanged(TextDocument& doc, int first, int last) {
    comments.LinesChanged(doc, first, last);
    widths.LinesChanged(doc, first, last);
  }
};

// Colours the whole document when made, then follows every edit. Observes
// the document from construction to destruction; add it before any observer
// that reads colours.
class TextColouring final : public TextObserver {
 public:
  explicit TextColouring(TextDocument& doc);
  ~TextColouring();
  TextColouring(const TextColouring&) = delete;
  TextColouring& operator=(const TextColouring&) = delete;

  void TextChanged(TextDocument& doc, const TextChange& change) override;
  // After a change of the layout: the caches start again.
  void Reset() { caches.Reset(); }

  TextRenderCaches caches;

 private:
  TextDocument& doc_;
};
