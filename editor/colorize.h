#pragma once
// Colour classes of Source and Html documents: keywords (statements, HTML tag
// names) and quoted strings. Comments are not classes; they are found while
// painting (comment_state.h).
#include <cstdint>

#include "editor/text_document.h"

// Fills the classes of the whole text by the document's kind.
void ColorizeDocument(TextDocument& doc);
// Recolours the whole lines [firstLine, lastLine] after an edit (TextColouring
// calls it for every edit).
void RecolorLines(TextDocument& doc, int firstLine, int lastLine);

// Classes of whole lines of contiguous text: n bytes starting at a line start
// (the string flag starts cleared and is cleared at every CR LF).
void ColorRange(const char* text, int n, uint8_t* classes, DocumentKind kind);
