#include "shell/command_line.h"

#include "files/paths.h"

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> tokens;
  std::string current;
  bool inQuotes = false;
  bool haveToken = false;
  for (char c : line) {
    if (c == '"') {
      inQuotes = !inQuotes;
      haveToken = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (haveToken && !current.empty()) tokens.push_back(current);
      current.clear();
      haveToken = false;
    } else {
      current += c;
      haveToken = true;
    }
  }
  if (haveToken && !current.empty()) tokens.push_back(current);
  return tokens;
}

std::string CompleteCommandLinePath(const std::string& token, const std::string& currentDir) {
  if (IsMarkedAbsolute(token)) return token;
  std::string dir = currentDir;
  if (EndsWithSeparator(dir)) dir.pop_back();
  return dir + "\\" + token;
}
