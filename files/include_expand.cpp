#include "files/include_expand.h"

#include <unordered_set>

#include "files/paths.h"

namespace {

constexpr std::string_view kDirective = "#include";
// Each file is included once, so nesting is bounded by the number of files;
// this bound only protects the stack from pathological chains.
constexpr int kMaxDepth = 200;

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
}

// The file named by a directive line (without its line end). False when the
// line is no directive or names nothing.
bool ParseDirective(std::string_view line, std::string& name, bool& system) {
  if (line.substr(0, kDirective.size()) != kDirective) return false;
  size_t i = kDirective.size();
  if (i < line.size() && IsNameChar(line[i])) return false;
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  if (i >= line.size() || (line[i] != '<' && line[i] != '"')) return false;
  system = line[i] == '<';
  const char close = system ? '>' : '"';
  size_t begin = ++i;
  // The closing character and CR are ASCII below 0x40, never trail bytes.
  while (i < line.size() && line[i] != close && line[i] != '\r') ++i;
  name.assign(line.substr(begin, i - begin));
  return !name.empty();
}

struct Expander {
  const std::string& programDir;
  const IncludeTextSource& source;
  std::unordered_set<std::string> included;  // folded paths
  std::string out;
  bool stopped = false;
  int depth = 0;

  void Expand(std::string_view text, const std::string& baseDir) {
    size_t pos = 0;
    std::string name;
    while (pos < text.size()) {
      size_t lf = text.find('\n', pos);
      size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
      std::string_view line = text.substr(pos, next - pos);
      size_t contentLen = line.size();
      if (contentLen && line[contentLen - 1] == '\n') --contentLen;
      if (contentLen && line[contentLen - 1] == '\r') --contentLen;
      pos = next;

      bool system = false;
      if (line.empty() || line[0] != '#' || !ParseDirective(line.substr(0, contentLen), name, system)) {
        out.append(line);
        continue;
      }
      std::string path = system ? programDir + "Include\\" + name : ResolveRelativePath(name, baseDir);
      if (depth >= kMaxDepth || !included.insert(PathFoldCase(path)).second) {
        out.append(line);
        continue;
      }
      std::string includedText;
      if (!source(path, includedText)) {
        stopped = true;
        return;
      }
      ++depth;
      Expand(includedText, PathDirectory(path));
      --depth;
      if (stopped) return;
      out.append(line.substr(contentLen));
    }
  }
};

}  // namespace

std::string ExpandIncludes(std::string_view text, const std::string& baseDir, const std::string& programDir,
                           const IncludeTextSource& source) {
  Expander expander{programDir, source, {}, {}, false, 0};
  expander.out.reserve(text.size());
  expander.Expand(text, baseDir);
  return std::move(expander.out);
}
