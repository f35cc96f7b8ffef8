#pragma once
// The companion files of editor.ini: extension list, web-search domains,
// recent-file histories and search histories. Parsers take the file's text
// and never read past it; builders give the whole file's text.
#include <string>
#include <string_view>
#include <vector>

#include "shell/editor_settings.h"

constexpr size_t kMaxDomainFieldBytes = 254;
constexpr size_t kMaxSearchEntryBytes = 259;

// extlink.ini: "%d,%s,%s,%d,%x\r\n" per entry. Parsing stops at a line with an
// empty association, extension, search or colour field, or one not ended by
// CR LF; an extension already in the list (without regard to case) is skipped.
// The description may be empty and may hold commas.
ExtensionColourList ParseExtLinkIni(std::string_view text);
std::string BuildExtLinkIni(const ExtensionColourList& list);

// domain.ini: "%s,%s\r\n" per entry (display name, domain; the domain is the
// part after the last comma). Parsing stops at the first empty field.
std::vector<WebDomain> ParseDomainIni(std::string_view text);
std::string BuildDomainIni(const std::vector<WebDomain>& domains);
// The list used when domain.ini does not exist.
std::vector<WebDomain> DefaultWebDomains();

// history.ini, pj_history.ini: a path per line; reading stops at the first
// empty line and after 14 entries. The menu base ID is kept.
void ParseHistoryIni(std::string_view text, History& history);
std::string BuildHistoryIni(const History& history);

// findstr.ini, permustr.ini, webstr.ini: entry i is line i, cut at 259 bytes.
SearchHistory ParseSearchHistoryIni(std::string_view text);
// Exactly 20 lines, or "" when the history is not to be saved.
std::string BuildSearchHistoryIni(const SearchHistory& history, bool save);
