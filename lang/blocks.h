#pragma once
// Block statements of the BASIC dialect: openers, closers, the text a closer
// completion inserts and the lines that open an extra indent level.
#include <cstddef>
#include <string_view>

enum class Block { kNone, kIf, kClass, kInterface, kDo, kEnum, kFor, kFunction, kSelect, kSub, kType, kWhile, kWith };

// The inserted closer ("End If", "Next", ...) of a block, or "".
const char* BlockCloserText(Block block);
// The three further-item slots of a block's completion list ("Else",
// "Case", ...); unused slots are null.
const char* const* BlockFurtherItems(Block block);

// 1 when the line (its TABs already skipped) opens an extra indent level.
int OpensIndent(std::string_view line);

// The block a statement opens (leading blanks are skipped), or kNone. An If
// opens a block only when the statement ends with "Then".
Block BlockOpenerOf(std::string_view statement);
// The block a statement closes; "End" plus blanks plus a word reads as one.
Block BlockCloserOf(std::string_view statement);

// The word at i after blanks (i moves past it).
std::string_view BlockWordAt(std::string_view s, size_t& i);
