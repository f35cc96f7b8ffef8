#pragma once
// The editing operations of text documents: every change goes through
// EditSelection, which records an undo step and then calls ReplaceSelection.
#include <string>
#include <string_view>

#include "shell/document_table.h"

// ---- the undoable edit and the undo ring (edit_selection.cpp, undo_ring.cpp)

// Commits a pending indent, records the undo entry, replaces the selection.
void EditSelection(DocumentSlot& slot, std::string_view text, bool paste, bool scroll);
// Records or merges an undo entry on the slot's ring (the redo history is
// dropped first); the menu states follow when undo or redo changes availability.
void PushUndo(DocumentSlot& slot, int kind, std::string inserted, std::string removed, int newStart, int newEnd,
              int oldStart, int oldEnd);
bool IsBreakChar(unsigned char c);
// Undo is possible when the slot before index holds a step; redo when the slot at index does.
bool CanUndo(const UndoRing& ring);
bool CanRedo(const UndoRing& ring);
int UndoStepCount(const UndoRing& ring);
int RedoStepCount(const UndoRing& ring);
// One step back or forward; false (and a beep by the caller) when there is none.
bool Undo(DocumentSlot& slot);
bool Redo(DocumentSlot& slot);

// ---- provisional indentation (pending_indent.cpp)

// Removes the provisional indentation from the text and forgets it.
void PendingIndentCancel(DocumentSlot& slot);
// Backspace on a provisional indent: drops one TAB (the last one cancels it).
void PendingIndentShorten(DocumentSlot& slot);
// Records the provisional indentation as an ordinary typed insertion (the text
// stays as it is); EditSelection does this itself.
void PendingIndentCommit(DocumentSlot& slot);
// Inserts `tabs` TABs at the caret without an undo entry and remembers them.
void PendingIndentBegin(DocumentSlot& slot, int tabs);
// First byte of the provisional indentation, or -1 when there is none.
int PendingIndentStart(const DocumentSlot& slot);

// ---- typing (type_character.cpp: the document side; type_character_win.cpp: the window side)

// WM_CHAR handling for Enter, Tab (with shift state) and printable bytes.
void TypeCharacter(DocumentSlot& slot, unsigned char c, bool shift);
// True while Enter with auto-indent is being processed: gaining the focus
// must not show the caret then.
bool EditorCaretSuppressed();

// A typed byte (printable or a TAB inside one line) as a typed insertion. The
// first byte of a double-byte character is held until its second byte arrives;
// both are then inserted together (a lead byte followed by anything else is dropped).
enum class TypedBytes { kHeld, kByte, kCharacter };
TypedBytes TypeByte(DocumentSlot& slot, unsigned char c);
// Forgets a held first byte (another key came in between).
void DropHeldLead(DocumentSlot& slot);
// The held first byte of this slot, or 0.
unsigned char HeldLeadByte(const DocumentSlot& slot);
enum class EnterOutcome { kNewlineOnly, kPendingIndent, kIndentInserted };
// Enter: CR LF, then with auto-indent the TABs of the reference line (one more
// after a block opener in a Source document).
EnterOutcome TypeEnter(DocumentSlot& slot, bool autoIndent);
// Leading TABs of the nearest non-empty line ending at or before byte b (the
// reference line of Enter), plus one when `source` and the line opens a block.
int ReferenceLineTabs(const TextDocument& doc, int b, bool source);
// True when the selection's lines span at least one CR LF (Tab then indents the block).
bool SelectionSpansLines(const TextDocument& doc);
// Tab / Shift+Tab over the lines of the selection, as one replacement.
void BlockIndent(DocumentSlot& slot, bool outdent);
// The block with a TAB added before every non-empty line, or with one leading
// TAB removed from every line.
std::string BlockIndentText(std::string_view block, bool outdent);

// ---- selection conversions (conversions.cpp)

// Maps text with the locale (half-width, full-width, katakana, hiragana by
// command ID); false when the mapping failed.
using LocaleMapFn = bool (*)(int id, std::string_view in, std::string& out);
// Converts the selection by command ID (40168-40175, 40182, 40183). The
// locale-dependent IDs use localeMap (none: nothing happens). False when
// nothing was converted.
bool ConvertSelection(DocumentSlot& slot, int id, LocaleMapFn localeMap);
// The pure conversions.
std::string AsciiCase(std::string_view text, bool upper);
std::string TabsToSpaces(std::string_view text, int tabSize);
std::string SpacesToTabs(std::string_view text, int tabSize);
// Hard-wraps lines: a character that would start past column `limit` begins a
// new line; a word run of two or more bytes starting at column 2 or later moves along.
// With `quote` every line starts with "> " (not counted in the columns).
std::string WrapLines(std::string_view text, int tabSize, int limit, bool quote);

// ---- character counts (char_count.cpp)

struct CharCounts {
  long long bytes = 0;
  long long nonBlank = 0;  // without TAB, space, full-width space and CR LF
  long long chars = 0;     // without CR LF
  long long lines = 0;     // CR LF count + 1, 0 for empty text
};
CharCounts CountCharacters(std::string_view text);
// "1,234,567"
std::string GroupDigits(long long value);
