#include "search/regex_command.h"

#include "platform/sjis.h"

bool SjisContains(std::string_view text, char c) {
  const char* end = text.data() + text.size();
  for (const char* p = text.data(); p < end; p += SjisCharLen(p, end)) {
    if (*p == c && SjisCharLen(p, end) == 1) return true;
  }
  return false;
}

namespace {

char ChooseDelimiter(std::string_view a, std::string_view b) {
  for (char d : {'/', '#'}) {
    if (!SjisContains(a, d) && !SjisContains(b, d)) return d;
  }
  return '@';
}

std::string Flags(bool matchCase) { return matchCase ? "k" : "ki"; }

}  // namespace

std::string BuildMatchCommand(std::string_view pattern, bool matchCase) {
  const char d = ChooseDelimiter(pattern, std::string_view());
  std::string cmd;
  cmd.reserve(pattern.size() + 8);
  cmd += 'm';
  cmd += d;
  // The pattern goes in as typed: wrapped in a group, (a)\1 would become
  // ((a)\1), whose \1 names the unfinished outer group and never matches.
  cmd += pattern;
  cmd += d;
  return cmd + Flags(matchCase);
}

std::string BuildSubstCommand(std::string_view pattern, std::string_view replacement, bool matchCase) {
  const char d = ChooseDelimiter(pattern, replacement);
  std::string cmd;
  cmd.reserve(pattern.size() + replacement.size() + 8);
  cmd += 's';
  cmd += d;
  cmd += pattern;
  cmd += d;
  cmd += replacement;
  cmd += d;
  return cmd + Flags(matchCase);
}
