#pragma once
// Caret moves on the caret ViewPos only; the anchor is the key handling's business.
#include <string>

#include "editor/text_document.h"

void MoveLeft(TextDocument& doc);
void MoveRight(TextDocument& doc);
// Up and Down keep wantedCol: set from the caret column on the first vertical move.
void MoveUp(TextDocument& doc);
void MoveDown(TextDocument& doc);
void MovePageUp(TextDocument& doc, int page);
void MovePageDown(TextDocument& doc, int page);

// Navigation keys with their selection rules (Shift extends, a selection
// collapses first, Ctrl variants); the anchor follows the caret without Shift.
enum class NavKey { kLeft, kRight, kUp, kDown, kPageUp, kPageDown, kHome, kEnd };
void NavigateKey(TextDocument& doc, NavKey key, bool shift, bool ctrl, int page);

// What the web-search box shows for the caret: the selected text, or the word
// at the caret (after an edit, two columns left of it); cut at the first CR LF
// and kept to at most kCaretWordMax bytes, never inside a character.
constexpr int kCaretWordMax = 1024;
std::string CaretWordText(const TextDocument& doc, bool afterEdit);

// Byte after the character at `pos` (2 for CR LF and double-byte characters);
// pos itself at the end of the text.
int NextCharEnd(const TextDocument& doc, int pos);
