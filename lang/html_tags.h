#pragma once
// The fixed HTML tag table (colouring, attribute lists) and attribute table.
#include <string_view>

// 1 when name is a tag of the table (whole word, any case), else 0.
int IsHtmlTag(std::string_view name);

// Number of names in the tag table.
int HtmlTagCount();

struct HtmlTagAttributes {
  const char* const* names = nullptr;  // the tag's own attributes, null-terminated, in table order
  bool common = true;                  // class, id and style follow them
};
// The attributes of a tag of the table; false when the tag is not in it.
bool FindHtmlTagAttributes(std::string_view tag, HtmlTagAttributes& out);
