#pragma once
// Items of the completion list and the rules that decide which one the list
// selects while the user types. The list window only shows what these say.
#include <string>
#include <string_view>
#include <vector>

// What a member item is (the flag word); attribute and block items use 0.
enum CompletionFlags {
  kItemVariable = 0,
  kItemSub = 70,
  kItemFunction = 73,
  kItemAbstract = 162,
  kItemVirtual = 163,
};

// Item kinds: 1-3 members by visibility, 4 block statement, 5 common
// attribute, 6 attribute of the tag.
enum CompletionKind {
  kItemPrivate = 1,
  kItemPublic = 2,
  kItemProtected = 3,
  kItemBlock = 4,
  kItemCommonAttribute = 5,
  kItemTagAttribute = 6,
};

struct CompletionItem {
  std::string text;
  int flags = kItemVariable;
  int kind = kItemTagAttribute;
};

// Index into the list's seven-image strip.
int CompletionImageIndex(const CompletionItem& item);

// The list's sort order: bytes compared after folding ASCII A-Z to a-z (the
// order of _stricmp; a shorter text sorts before a longer one it begins).
// The list window must insert items in the order SortCompletionItems gives
// (no list-view sorting of its own), so that the selection rules below and
// the display agree.
int CompareItemText(std::string_view a, std::string_view b);
void SortCompletionItems(std::vector<CompletionItem>& items);

// True when typing c while a list is open closes it before c is inserted
// (Enter is handled by the caller). Block lists keep a typed space.
bool TypedCharClosesList(unsigned char c, bool blockList);

struct TrackResult {
  enum Action { kNone, kClose, kSelect, kInsert };
  Action action = kNone;
  int item = -1;  // index into the sorted items for kSelect and kInsert
};

// The caret-following step of an open list. items: sorted; text/length: the
// document; caret: caret byte; startByte/typedLength: the list state.
// Member and attribute lists select the first item not less than the typed
// text, else the last; block lists select the first item starting with it,
// insert at once on an exact match and close when none starts with it.
TrackResult TrackCaret(const std::vector<CompletionItem>& items, bool blockList,
                       const char* text, int length, int caret, int startByte,
                       int typedLength);
