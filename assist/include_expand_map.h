#pragma once
// The program text the completion scanner reads: a document with its
// "#include" directives expanded, plus the way from a document byte to the
// byte that holds it in the program text (the caret must be looked up there).
#include <string>
#include <string_view>
#include <vector>

#include "files/include_expand.h"

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

// Expands like ExpandIncludes (directive syntax, <...> below programDir's
// "Include\\", "..." against the including file's directory, each file once,
// nesting bounded), except that a file that cannot be had leaves its
// directive line as it is and expansion goes on, so that the declarations of
// the document after a missing include are still found.
ExpandedProgram ExpandIncludesMapped(std::string_view text, const std::string& baseDir,
                                     const std::string& programDir, const IncludeTextSource& source);
