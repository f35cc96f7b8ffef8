#pragma once
// Block statements of the BASIC dialect: the extra indent after openers, the
// search for the innermost open block, and the block-closer completion list.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assist/completion_items.h"
#include "assist/text_scan.h"
#include "lang/blocks.h"

// The blocks open at byte n, innermost first. Statements are walked
// backwards from n, at most backNumSetting line breaks (the
// BackNum_PairStatementComplement setting; 0 walks nothing), and each closer
// is paired with its opener (a Virtual Sub/Function with a body pairs with
// End Sub/End Function).
class OpenBlockWalker {
 public:
  OpenBlockWalker(const char* text, int length, int n, int backNumSetting);
  // The opener statement of the next enclosing block: [start, end) and the
  // start of its line. False at the end of the walk, and when a closer meets
  // the opener of another block (then Mismatched()).
  bool Next(Block& block, int& start, int& end, int& lineStart);
  bool Mismatched() const { return mismatched_; }

 private:
  const char* text_;
  std::optional<assist::StatementWalker> walker_;
  std::vector<Block> closers_;  // closers not yet paired, innermost last
  bool mismatched_ = false;
};

struct OpenBlock {
  Block block = Block::kNone;
  std::string indentation;  // the TAB run at the start of the opener's line
  int statementStart = -1;  // first byte of the opener statement
};

// The innermost block open at byte n, searching at most backNumSetting line
// breaks back (the BackNum_PairStatementComplement setting). False when no
// block is open, the nesting does not match or the search is off or limited.
bool FindOpenBlock(const char* text, int length, int n, int backNumSetting, OpenBlock& out);

struct BlockOffer {
  OpenBlock open;
  int startByte = 0;                 // the typed letter
  std::vector<CompletionItem> items; // closer first, then the further items (kind 4)
};

// Whether c (either case) starts an item of some block list: C, E, L, N, P, W.
bool IsBlockCompletionLetter(unsigned char c);

// After letter c was typed at letterByte of a Source document: true when the
// block list opens (typedLength 1), with its items in table order.
bool OfferBlockCompletion(const char* text, int length, int letterByte, int backNumSetting,
                          BlockOffer& out);

struct BlockInsertion {
  int replaceStart = 0;
  int replaceEnd = 0;
  std::string text;
};

// What inserting a block item does: replace [replaceStart, replaceEnd) (the
// current indentation before startByte through the caret) by the saved
// indentation, one more TAB for "Case", and the item.
BlockInsertion BlockItemInsertion(const char* text, int length, int startByte, int caret,
                                  const std::string& savedIndentation, const std::string& item);
