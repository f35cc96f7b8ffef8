#pragma once
// Deciding whether a space typed in an HTML document opens the attribute list.
#include <vector>

#include <string_view>

#include "assist/completion_items.h"

// Fills items with the tag's attributes (kind 6, table order) followed by
// class, id, style (kind 5) where the table gives them. Returns 1 when the
// tag is in the tag table (also when no item results), else 0 and no items.
int BuildAttributeItems(std::string_view tag, std::vector<CompletionItem>& items);

// text/length: the document; p: byte of the space just typed. Scans p's line
// for the start tag being written. True when a list opens: items holds the
// tag's attributes in table order (may be empty, as for title) and startByte
// the byte after the space.
bool OpenAttributeList(const char* text, int length, int p,
                       std::vector<CompletionItem>& items, int& startByte);
