#include "files/include_expand.h"

#include <algorithm>
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

// The expander behind both entry points. A file that cannot be had either
// ends the expansion (stopAtMissing) or leaves its directive in place; with
// `mapped`, the document bytes and the files asked for are recorded.
struct Expander {
  const std::string& programDir;
  const IncludeTextSource& source;
  bool stopAtMissing = false;
  bool mapped = false;
  ExpandedProgram result;
  std::unordered_set<std::string> included;  // folded paths
  bool stopped = false;
  int depth = 0;

  // Appends text[from, to); document bytes (depth 0) go into the map.
  void Copy(std::string_view text, size_t from, size_t to) {
    if (to <= from) return;
    std::string& out = result.text;
    if (mapped && depth == 0) {
      auto& pieces = result.map.pieces;
      const int doc = static_cast<int>(from);
      const int prog = static_cast<int>(out.size());
      if (!pieces.empty() && pieces.back().docStart + pieces.back().length == doc &&
          pieces.back().programStart + pieces.back().length == prog) {
        pieces.back().length += static_cast<int>(to - from);
      } else {
        pieces.push_back({doc, prog, static_cast<int>(to - from)});
      }
    }
    out.append(text.substr(from, to - from));
  }

  void Expand(std::string_view text, const std::string& baseDir) {
    size_t copied = 0;  // text before this is in the output
    size_t search = 0;
    std::string name;
    for (;;) {
      size_t at = text.find(kDirective, search);
      if (at == std::string_view::npos) break;
      search = at + 1;
      if (at != 0 && text[at - 1] != '\n') continue;
      size_t lf = text.find('\n', at);
      size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
      size_t contentEnd = next;
      if (contentEnd > at && text[contentEnd - 1] == '\n') --contentEnd;
      if (contentEnd > at && text[contentEnd - 1] == '\r') --contentEnd;
      bool system = false;
      if (!ParseDirective(text.substr(at, contentEnd - at), name, system)) continue;
      search = next;
      std::string path = system ? programDir + "Include\\" + name : ResolveRelativePath(name, baseDir);
      if (depth >= kMaxDepth || !included.insert(PathFoldCase(path)).second) continue;
      std::string includedText;
      const bool had = source && source(path, includedText);
      if (mapped) result.files.emplace_back(path, had);
      if (!had && !stopAtMissing) continue;
      Copy(text, copied, at);
      if (!had) {
        stopped = true;
        return;
      }
      ++depth;
      Expand(includedText, PathDirectory(path));
      --depth;
      if (stopped) return;
      copied = contentEnd;  // the line end of the directive stays
    }
    Copy(text, copied, text.size());
  }
};

ExpandedProgram Run(std::string_view text, const std::string& baseDir, const std::string& programDir,
                    const IncludeTextSource& source, bool stopAtMissing, bool mapped) {
  Expander expander{programDir, source, stopAtMissing, mapped, {}, {}, false, 0};
  expander.result.text.reserve(text.size());
  expander.Expand(text, baseDir);
  expander.result.map.programLength = static_cast<int>(expander.result.text.size());
  return std::move(expander.result);
}

}  // namespace

int IncludeMap::ToProgram(int docPos) const {
  auto it = std::upper_bound(pieces.begin(), pieces.end(), docPos,
                             [](int p, const Piece& piece) { return p < piece.docStart; });
  if (pieces.empty()) return programLength;
  if (it == pieces.begin()) return pieces.front().programStart;
  const Piece& piece = *(it - 1);
  if (docPos <= piece.docStart + piece.length) return piece.programStart + (docPos - piece.docStart);
  return it == pieces.end() ? programLength : it->programStart;
}

std::string ExpandIncludes(std::string_view text, const std::string& baseDir, const std::string& programDir,
                           const IncludeTextSource& source) {
  return Run(text, baseDir, programDir, source, true, false).text;
}

ExpandedProgram ExpandIncludesMapped(std::string_view text, const std::string& baseDir,
                                     const std::string& programDir, const IncludeTextSource& source) {
  return Run(text, baseDir, programDir, source, false, true);
}
