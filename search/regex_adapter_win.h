#pragma once
// The program's side of BREGEXP.DLL: loading it from Ancillar at start-up,
// and the match and substitute calls of find and replace, which show the
// library's error texts (captioned "Quillet") and return failure.
#include <string>

#include "platform/win_types.h"
#include "search/find_core.h"
#include "search/regex_calls.h"

// Loads "<programDir>Ancillar\BREGEXP.DLL" (programDir ends with a
// backslash; empty: the directory of the running program) and resolves its
// entry points. Call before the main window exists. False when the library
// or one of BMatch, BSubst, BTrans, BSplit, BRegfree, BRegexpVersion is
// missing: regular-expression searches then fail with a message.
bool LoadRegexLibrary(const std::string& programDir);
// Releases the library at exit.
void FreeRegexLibrary();
// The entry points; all null when the library is not loaded.
const RegexApi& RegexLibrary();

// Match: subject text[from, len) of a text starting at `text`. Found: the
// position (in text) and length; an empty match is no match. Error: the
// message has been shown.
SearchHit RegexMatch(HWND owner, const char* text, int len, int from, const std::string& pattern, bool matchCase);

// Substitute: 1 and out = the subject with its first match replaced;
// 0 nothing substituted; -1 error (message shown).
int RegexSubstitute(HWND owner, const char* subject, int len, const std::string& pattern,
                    const std::string& replacement, bool matchCase, std::string& out);

// FindInText, showing the error of a regular-expression search.
SearchHit FindInTextReporting(HWND owner, const char* text, int len, int from, const std::string& needle,
                              SearchOptions options);

// Shows a library error text in a warning box captioned "Quillet".
void ShowRegexError(HWND owner, const std::string& text);
