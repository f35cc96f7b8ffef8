#pragma once
#include <string>

// "サイズ: 1023Byte", "サイズ: 1.00KB", "サイズ: 1.50MB".
std::string FormatDocumentSize(long long bytes);
// "%d 行、%d 列" with 1-based display row and column.
std::string FormatCaretPosition(int row, int col);
// "%d 件置換しました" after a replace all.
std::string FormatReplacedCount(int count);
// Status-bar help text of a command, or null when it has none.
const char* CommandHelpText(unsigned id);
