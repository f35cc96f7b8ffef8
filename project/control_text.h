#pragma once
// The escaping of control texts in ITEM lines, shared with the property
// dialogs wherever a text is shown or read back: a double quote is written as
// the two characters \1, a backslash as two backslashes. It works on bytes, so
// the 0x5C trail byte of ソ, 表 or 能 is doubled as well; CR and LF become
// blanks so that a text never ends its line.
#include <string>
#include <string_view>

void AppendEscapedControlText(std::string& out, std::string_view text);
std::string EscapeControlText(std::string_view text);
// The reverse: \1 gives a quote, \\ one backslash; any other backslash stays.
std::string UnescapeControlText(std::string_view escaped);
