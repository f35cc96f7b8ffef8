#pragma once
// Deciding whether a space typed in an HTML document opens the attribute list.
#include <vector>

#include "assist/completion_items.h"

// text/length: the document; p: byte of the space just typed. Scans p's line
// for the start tag being written. True when a list opens: items holds the
// tag's attributes in table order (may be empty, as for title) and startByte
// the byte after the space.
bool OpenAttributeList(const char* text, int length, int p,
                       std::vector<CompletionItem>& items, int& startByte);
