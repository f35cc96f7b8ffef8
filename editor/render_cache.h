#pragma once
// What painting keeps between paints of one document: comment states at row
// starts and the widest line. Both follow the edits through RecolorLines.
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

// A view that paints the document: the window layer derives from it, tests use
// it with empty hooks. RecolorLines finds the caches through TextDocument::view.
class CachedTextView : public TextDocumentView {
 public:
  TextRenderCaches caches;
};
