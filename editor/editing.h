#pragma once
// The editing operations of text documents: every change goes through
// EditSelection, which records an undo step and then calls ReplaceSelection.
#include <string>
#include <string_view>

#include "editor/editable_text.h"

// ---- the undoable edit and the undo ring (edit_selection.cpp, undo_ring.cpp)

// Whether an insertion without a selection was typed or pasted (a paste is
// one undo step of its own, typed runs merge).
enum class EditOrigin { kTyped, kPasted };

// Commits a pending indent, records the undo entry, replaces the selection.
// The view follows in the caller's after-edit step.
void EditSelection(EditableText& text, std::string_view inserted, EditOrigin origin = EditOrigin::kTyped);
// Room in the entry a typed insertion of that length would merge into, taken
// before the edit so that recording it afterwards cannot run out of memory.
void PrepareUndoPush(UndoRing& ring, size_t insertedLength);
// Records or merges an undo entry on the ring (the redo history is dropped first).
void PushUndo(EditableText& text, UndoKind kind, std::string inserted, std::string removed, int newStart,
              int newEnd, int oldStart, int oldEnd);
bool IsBreakChar(unsigned char c);
// The edits between these two are undone and redone as one step (a replace
// all of thousands of matches stays one step, however small the ring).
void BeginUndoGroup(UndoRing& ring);
void EndUndoGroup(UndoRing& ring);
// Ends the group also when an edit throws (a huge replacement out of memory).
class UndoGroupScope {
 public:
  explicit UndoGroupScope(UndoRing& ring) : ring_(ring) { BeginUndoGroup(ring_); }
  ~UndoGroupScope() { EndUndoGroup(ring_); }
  UndoGroupScope(const UndoGroupScope&) = delete;
  UndoGroupScope& operator=(const UndoGroupScope&) = delete;

 private:
  UndoRing& ring_;
};
// Undo is possible when the slot before index holds a step; redo when the slot at index does.
bool CanUndo(const UndoRing& ring);
bool CanRedo(const UndoRing& ring);
int UndoStepCount(const UndoRing& ring);
int RedoStepCount(const UndoRing& ring);
// One step back or forward; false (and a beep by the caller) when there is none.
bool Undo(EditableText& text);
bool Redo(EditableText& text);

// ---- provisional indentation (pending_indent.cpp)

// Removes the provisional indentation from the text and forgets it.
void PendingIndentCancel(EditableText& text);
// Backspace on a provisional indent: drops one TAB (the last one cancels it).
void PendingIndentShorten(EditableText& text);
// Records the provisional indentation as an ordinary typed insertion (the text
// stays as it is); EditSelection does this itself.
void PendingIndentCommit(EditableText& text);
// Inserts `tabs` TABs at the caret without an undo entry and remembers them.
void PendingIndentBegin(EditableText& text, int tabs);
// First byte of the provisional indentation, or -1 when there is none.
int PendingIndentStart(const EditableText& text);

// ---- typing (type_character.cpp)

// A typed byte (printable or a TAB inside one line) as a typed insertion. The
// first byte of a double-byte character is held until its second byte arrives;
// both are then inserted together (a lead byte followed by anything else is dropped).
enum class TypedBytes { kHeld, kByte, kCharacter };
TypedBytes TypeByte(EditableText& text, unsigned char c);
// Forgets a held first byte (another key came in between).
void DropHeldLead(EditableText& text);
// The held first byte, or 0.
unsigned char HeldLeadByte(const EditableText& text);
enum class EnterOutcome { kNewlineOnly, kPendingIndent, kIndentInserted };
// Enter: CR LF, then with auto-indent the TABs of the reference line (one more
// after a block opener in a Source document).
EnterOutcome TypeEnter(EditableText& text, bool autoIndent);
// Leading TABs of the nearest non-empty line ending at or before byte b (the
// reference line of Enter), plus one when `source` and the line opens a block.
int ReferenceLineTabs(const TextDocument& doc, int b, bool source);
// True when the selection's lines span at least one CR LF (Tab then indents the block).
bool SelectionSpansLines(const TextDocument& doc);
// Tab / Shift+Tab over the lines of the selection, as one replacement.
void BlockIndent(EditableText& text, bool outdent);
// The block with a TAB added before every non-empty line, or with one leading
// TAB removed from every line.
std::string BlockIndentText(std::string_view block, bool outdent);

// ---- selection conversions (conversions.cpp)

enum class Conversion {
  kLower, kUpper, kHalfWidth, kFullWidth, kKatakana, kHiragana, kTabsToSpaces, kSpacesToTabs, kQuoteWrap, kWrap,
};
// True for the conversions the locale performs (width and kana).
constexpr bool IsLocaleConversion(Conversion c) {
  return c == Conversion::kHalfWidth || c == Conversion::kFullWidth || c == Conversion::kKatakana ||
         c == Conversion::kHiragana;
}
// Maps text with the locale (a locale conversion); false when the mapping failed.
using LocaleMapFn = bool (*)(Conversion conversion, std::string_view in, std::string& out);
// Converts the selection. The locale conversions use localeMap (none:
// nothing happens). False when nothing was converted.
bool ConvertSelection(EditableText& text, Conversion conversion, LocaleMapFn localeMap);
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
  long long bytes = 0;     // in the file's newline code
  long long nonBlank = 0;  // without TAB, space, full-width space and CR LF
  long long chars = 0;     // without CR LF
  long long lines = 0;     // lines holding text or ended by CR LF; 0 for empty text
};
CharCounts CountCharacters(std::string_view text, Newline newline = Newline::kCrLf);
// "1,234,567"
std::string GroupDigits(long long value);
