#include "editor/text_colouring.h"

#include <algorithm>

#include "editor/colorize.h"

TextColouring::TextColouring(TextDocument& doc) : doc_(doc) {
  ColorizeDocument(doc_);
  doc_.AddObserver(this);
}

TextColouring::~TextColouring() { doc_.RemoveObserver(this); }

void TextColouring::TextChanged(TextDocument& doc, const TextChange& change) {
  RecolorLines(doc, change.firstLine, change.lastLine);
  caches.LinesChanged(doc, change.firstLine, std::max(change.firstLine, change.lastLine));
}
