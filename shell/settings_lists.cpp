#include "shell/settings_lists.h"

#include <cstdio>
#include <unordered_set>

#include "files/paths.h"
#include "prefs/extension_list.h"
#include "shell/settings_keys.h"

namespace {

// Walks the text line by line; a line ends at CR LF. `ended` tells whether the
// line was followed by CR LF.
struct LineReader {
  std::string_view text;
  size_t pos = 0;

  bool Next(std::string_view& line, bool& ended) {
    if (pos >= text.size()) return false;
    size_t end = text.find(kCrLf, pos);
    ended = end != std::string_view::npos;
    if (!ended) end = text.size();
    line = text.substr(pos, end - pos);
    pos = ended ? end + kCrLf.size() : text.size();
    return true;
  }
};

}  // namespace

ExtensionColourList ParseExtLinkIni(std::string_view text) {
  ExtensionColourList list;
  std::unordered_set<std::string> seen;
  LineReader reader{text};
  std::string_view line;
  bool ended = false;
  while (reader.Next(line, ended) && ended) {
    size_t c1 = line.find(',');
    if (c1 == std::string_view::npos) break;
    size_t c2 = line.find(',', c1 + 1);
    if (c2 == std::string_view::npos) break;
    size_t c4 = line.rfind(',');
    size_t c3 = c4 > c2 ? line.rfind(',', c4 - 1) : std::string_view::npos;
    if (c3 == std::string_view::npos || c3 <= c2) break;
    std::string_view association = line.substr(0, c1);
    std::string_view extension = line.substr(c1 + 1, c2 - c1 - 1);
    std::string_view description = line.substr(c2 + 1, c3 - c2 - 1);
    std::string_view search = line.substr(c3 + 1, c4 - c3 - 1);
    std::string_view colour = line.substr(c4 + 1);
    if (association.empty() || extension.empty() || search.empty() || colour.empty()) break;

    ExtensionEntry entry;
    entry.associate = ParseLeadingInt(association);
    entry.extension.assign(TruncateSjis(extension, kMaxExtensionBytes));
    entry.description.assign(TruncateSjis(description, kMaxDescriptionBytes));
    entry.searchable = ParseLeadingInt(search);
    entry.tabColour = ParseLeadingHex(colour);
    if (!seen.insert(PathFoldCase(entry.extension)).second) continue;
    list.push_back(std::move(entry));
  }
  return list;
}

std::string BuildExtLinkIni(const ExtensionColourList& list) {
  std::string out;
  out.reserve(list.size() * 64);
  char buf[48];
  for (const ExtensionEntry& e : list) {
    std::string_view extension = SingleLine(e.extension);
    if (extension.empty()) continue;  // it would end the list on reading
    std::snprintf(buf, sizeof buf, "%d,", e.associate);
    out += buf;
    out.append(extension);
    out += ',';
    out.append(SingleLine(e.description));
    std::snprintf(buf, sizeof buf, ",%d,%x\r\n", e.searchable, static_cast<unsigned>(e.tabColour));
    out += buf;
  }
  return out;
}

std::vector<WebDomain> ParseDomainIni(std::string_view text) {
  std::vector<WebDomain> domains;
  LineReader reader{text};
  std::string_view line;
  bool ended = false;
  while (reader.Next(line, ended)) {
    size_t comma = line.rfind(',');
    if (comma == std::string_view::npos) break;
    std::string_view name = line.substr(0, comma);
    std::string_view domain = line.substr(comma + 1);
    if (name.empty() || domain.empty()) break;
    domains.push_back({std::string(TruncateSjis(name, kMaxDomainFieldBytes)),
                       std::string(TruncateSjis(domain, kMaxDomainFieldBytes))});
  }
  return domains;
}

std::string BuildDomainIni(const std::vector<WebDomain>& domains) {
  std::string out;
  for (const WebDomain& d : domains) {
    std::string_view name = SingleLine(d.name);
    std::string_view domain = SingleLine(d.domain);
    if (name.empty() || domain.empty()) continue;  // it would end the list on reading
    out.append(name);
    out += ',';
    out.append(domain);
    out.append(kCrLf);
  }
  return out;
}

std::vector<WebDomain> DefaultWebDomains() {
  return {{"辞書", "ja.wikipedia.org"}, {"MSDN", "learn.microsoft.com"}};
}

void ParseHistoryIni(std::string_view text, History& history) {
  history.paths.clear();
  LineReader reader{text};
  std::string_view line;
  bool ended = false;
  while (static_cast<int>(history.paths.size()) < History::kCapacity && reader.Next(line, ended)) {
    if (line.empty()) break;
    history.paths.emplace_back(TruncateSjis(line, History::kMaxPath));
  }
}

std::string BuildHistoryIni(const History& history) {
  std::string out;
  for (const std::string& path : history.paths) {
    std::string_view p = SingleLine(path);
    if (p.empty()) continue;  // it would end the list on reading
    out.append(p);
    out.append(kCrLf);
  }
  return out;
}

SearchHistory ParseSearchHistoryIni(std::string_view text) {
  SearchHistory history{};
  LineReader reader{text};
  std::string_view line;
  bool ended = false;
  for (std::string& entry : history) {
    if (!reader.Next(line, ended)) break;
    entry.assign(TruncateSjis(line, kMaxSearchEntryBytes));
  }
  return history;
}

std::string BuildSearchHistoryIni(const SearchHistory& history, bool save) {
  std::string out;
  if (!save) return out;
  for (const std::string& entry : history) {
    out.append(TruncateSjis(SingleLine(entry), kMaxSearchEntryBytes));
    out.append(kCrLf);
  }
  return out;
}
