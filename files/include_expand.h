#pragma once
// Expansion of "#include" directives for source scanning.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Gives the text of a path (an open document's text or the file's content);
// false when it cannot be had.
using IncludeTextSource = std::function<bool(const std::string& path, std::string& text)>;

// A line starting in its first column with "#include" (exact case) not followed
// by a letter, digit, "_" or "." names a file in <...> (ProgramDir +
// "Include\\" + name) or "..." (resolved against baseDir). Each file is
// included once (paths compared without regard to case); a repeated directive
// stays as it is. The included text is expanded with its own directory as base
// and replaces the directive line (its CR LF stays). When a named file cannot be
// had, the result is the text expanded up to that directive.
std::string ExpandIncludes(std::string_view text, const std::string& baseDir, const std::string& programDir,
                           const IncludeTextSource& source);

// The way from a document byte to the byte that holds it in the expanded
// program text (the completion scanner looks the caret up there).
struct IncludeMap {
  // A run of document bytes copied unchanged into the program text.
  struct Piece {
    int docStart = 0;
    int programStart = 0;
    int length = 0;
  };
  std::vector<Piece> pieces;  // in document order
  int programLength = 0;

  // The program byte of a document byte. A byte of a replaced directive line
  // maps to the end of the text that replaced it.
  int ToProgram(int docPos) const;
};

struct ExpandedProgram {
  std::string text;
  IncludeMap map;
  // Every file a directive named, in the order asked, and whether it was had:
  // what a cache must watch to know the text is still current.
  std::vector<std::pair<std::string, bool>> files;
};

// Expands like ExpandIncludes, except that a file that cannot be had leaves
// its directive line as it is and expansion goes on, so that the
// declarations of the document after a missing include are still found.
ExpandedProgram ExpandIncludesMapped(std::string_view text, const std::string& baseDir,
                                     const std::string& programDir, const IncludeTextSource& source);
