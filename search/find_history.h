#pragma once
// The 20-entry find and replacement histories, newest first.
#include <array>
#include <string>

// Entries of at most 259 bytes, newest first; an empty entry ends the list.
using SearchHistory = std::array<std::string, 20>;

// Puts text at the front: an entry equal to it (exact comparison) moves up,
// otherwise every entry shifts down and the 20th is lost. Empty texts are
// not recorded.
void HistoryAdd(SearchHistory& history, const std::string& text);
// Our entries first, then those of the other history (an instance's file on
// disk) that are not among them (exact comparison), cut at 20.
SearchHistory MergeSearchHistory(const SearchHistory& ours, const SearchHistory& onDisk);
