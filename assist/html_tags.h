#pragma once
// The fixed HTML tag table (colouring, attribute lists) and attribute table.
#include <string_view>
#include <vector>

#include "assist/completion_items.h"

// 1 when name is a tag of the table (whole word, any case), else 0.
int IsHtmlTag(std::string_view name);

// Fills items with the tag's attributes (kind 6, table order) followed by
// class, id, style (kind 5) where the table gives them. Returns 1 when the
// tag is in the tag table (also when no item results), else 0 and no items.
int BuildAttributeItems(std::string_view tag, std::vector<CompletionItem>& items);

// Number of names in the tag table.
int HtmlTagCount();
